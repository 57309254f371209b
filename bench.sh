#!/bin/bash
# Builds the game and its benchmark, then times it under Wine on a virtual
# display of its own and prints two tables with the machine they came from:
# real input (XTEST clicks timed to pixels on the screen, against a reference
# window and the busy delay), then the in-process figures (posted messages).
# Not part of the tests; rerun it whenever you like.
#
#   ./bench.sh [--real-input-only] [--games N] [in-process options]
#
# --games N: games played with real input (4). Other arguments go to the
# in-process benchmark program (--clicks N, --seed S, --startup-runs N).
set -euo pipefail
TUMBLEWIT_ROOT=$(cd "$(dirname "$0")" && pwd)
cd "$TUMBLEWIT_ROOT"
source scripts/setup.sh

real_only=0 games=4 args=()
while [ $# -gt 0 ]; do
    case $1 in
        --real-input-only) real_only=1; shift ;;
        --games) games=$2; shift 2 ;;
        *) args+=("$1"); shift ;;
    esac
done

tumblewit_install_missing
# Only the build's errors and warnings are shown; the rest goes to a log.
if ! tumblewit_build build/bench toolchain-mingw64.cmake -DTUMBLEWIT_TESTS=OFF -DTUMBLEWIT_BENCH=ON \
        >/tmp/tumblewit-bench-build.log 2>&1; then
    grep -E 'error|Error|warning' /tmp/tumblewit-bench-build.log | head -40 >&2
    echo "error: building the benchmark failed; the whole log is /tmp/tumblewit-bench-build.log" >&2
    exit 1
fi

game_exe=build/bench/tumblewit.exe
bench_exe=build/bench/bench/tumblewit-bench.exe
generator=build/bench/host-generator/tumblewit-generator
font_dir=$(sed -n 's/^TUMBLEWIT_FONT_DIR:PATH=//p' build/bench/CMakeCache.txt)

rows=()   # "what|figure|goal|verdict"
infos=()

# ------------------------------------------------------------ real input
xdrive=build/bench/host-realinput/xdrive
[ -x "$xdrive" ] || { echo "error: $xdrive was not built (is libxtst-dev installed?)" >&2; exit 1; }
tumblewit_virtual_display
echo "==> Playing $games games with real input through the X server (a minute each)"
load_before_real=$(cut -d' ' -f1-3 /proc/loadavg)
real=$(bash bench/real_input_bench.sh "$xdrive" build/bench/tumblewit.exe build/bench/bench/e2e_probe.exe \
    build/bench/bench/tumblewit-reference.exe scripts/wine-run.sh "$games")
load_after_real=$(cut -d' ' -f1-3 /proc/loadavg)
echo
echo "Real input, $(date -u '+%Y-%m-%d %H:%M UTC'): XTEST clicks, release to pixels changed on the screen (ms)"
echo "  CPU:    $(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo), $(nproc) cores; $(wine --version 2>/dev/null), test prefix"
echo "  Load:   load average $load_before_real before, $load_after_real after"
grep '^INFO|' <<<"$real" | cut -d'|' -f2- | sed 's/^/  /'
echo
printf '%-44s %4s %7s %7s %7s %7s %5s %7s %8s %9s %7s %s\n' "what" "n" "median" "p99" "max" "raw p99" "aside" "p99/ref" "p99 - D" "goal p99" "result" "lost"
printf '%-44s %4s %7s %7s %7s %7s %5s %7s %8s %9s %7s %s\n' "----" "-" "------" "---" "---" "-------" "-----" "-------" "-------" "--------" "------" "----"
while IFS='|' read -r _ what n median p99 max raw aside ratio minus goal verdict lost; do
    printf '%-44s %4s %7s %7s %7s %7s %5s %7s %8s %9s %7s %s\n' "$what" "$n" "$median" "$p99" "$max" "$raw" "$aside" "$ratio" "$minus" "$goal" "$verdict" "$lost"
done < <(grep '^ROW|' <<<"$real")
echo "  n, median, p99, max: the samples no pause of the host touched; aside: those it did; raw p99: all of them."
echo "  goal: clicks p99 <= reference p99 + D + 5 ms; screen changes p99 <= reference p99 + D + 16 ms;"
echo "  lost: clicks whose change never came within the timeout (5 s; 10 s for screen changes)."
[ "$real_only" = 1 ] && exit 0

# ------------------------------------------------------------ the generator
echo "==> Timing the resource generator (3 full runs into a scratch folder)"
scratch=$(mktemp -d)
times=()
for _ in 1 2 3; do
    rm -rf "$scratch/out" && mkdir -p "$scratch/out"
    start=$(date +%s%N)
    "$generator" --fonts "$font_dir" --out "$scratch/out" >/dev/null
    times+=($((($(date +%s%N) - start) / 1000000)))
done
files=$(ls "$scratch/out" | wc -l)
rm -rf "$scratch"
gen_ms=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 2p)
gen_verdict=$([ "$gen_ms" -lt 10000 ] && echo PASS || echo MISS)

# ------------------------------------------------------- size, busy delay
exe_bytes=$(stat -c %s "$game_exe")
rsrc_bytes=$((16#$(x86_64-w64-mingw32-objdump -h "$game_exe" | awk '$2 == ".rsrc" { print $3 }')))
busy_asm=$(x86_64-w64-mingw32-objdump -d --no-show-raw-insn "$game_exe" |
    awk '/<_Z17PlatformBusyDelaym>:/ { on = 1; next } on && /^$/ { on = 0; done = 1 } on && !done')
# The loop survives optimisation when the function jumps back to itself.
if grep -qE 'j(b|ne|l|ae|a)[[:space:]]+[0-9a-f]+ <_Z17PlatformBusyDelaym\+' <<<"$busy_asm" &&
   grep -qE 'mov[[:space:]]+%eax,0x[0-9a-f]+\(%rsp\)' <<<"$busy_asm"; then
    busy_kept="yes: a counting loop through a stack slot, in $game_exe"
else
    busy_kept="NO - check the disassembly below"
fi

# ------------------------------------------------------------ under Wine

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
echo "==> Running the benchmark under Wine (about two minutes)"
out=$(scripts/wine-run.sh "$bench_exe" "${args[@]}" | tr -d '\r')
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

while IFS=$'\t' read -r kind a b c d; do
    case $kind in
        ROW) rows+=("$a|$b|$c|$d") ;;
        INFO) infos+=("$a") ;;
    esac
done <<<"$out"
rows+=("exe size, $game_exe|$(awk -v b="$exe_bytes" 'BEGIN { printf "%.1f MB (%d bytes)", b / 1048576, b }')|-|-")
rows+=("  of which resources (.rsrc)|$(awk -v b="$rsrc_bytes" 'BEGIN { printf "%.1f MB", b / 1048576 }')|-|-")
rows+=("generator, whole resource set ($files files), wall|$(awk -v m="$gen_ms" 'BEGIN { printf "%.2f s", m / 1000 }') (runs: ${times[*]} ms)|< 10 s|$gen_verdict")

# ----------------------------------------------------------------- table
echo
echo "Tumblewit benchmark, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "  CPU:    $(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo), $(nproc) cores"
echo "  Wine:   $(wine --version 2>/dev/null), test prefix (TUMBLEWIT_TESTING=1): no audio driver, so"
echo "          PlaySound returns at once and no sound start-up is in these figures"
echo "  Load:   load average $load_before before, $load_after after (other work on the machine shows here)"
echo
printf '%-64s %-46s %-12s %s\n' "what" "figure" "goal" "result"
printf '%-64s %-46s %-12s %s\n' "----" "------" "----" "------"
for row in "${rows[@]}"; do
    IFS='|' read -r what figure goal verdict <<<"$row"
    printf '%-64s %-46s %-12s %s\n' "$what" "$figure" "$goal" "$verdict"
done
echo
echo "How each figure was taken:"
for info in "${infos[@]}"; do echo "  $info"; done
echo "  busy delay kept by the optimiser: $busy_kept"
sed 's/^/      /' <<<"$busy_asm"
echo "  generator: $generator --fonts $font_dir --out <scratch>, wall clock, median of 3."
