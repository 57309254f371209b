#!/bin/bash
# Builds the game and its benchmark, then times it under Wine on a virtual
# display of its own and prints a table of figures with the machine they
# came from. Arguments go to the benchmark program (--clicks N, --seed S,
# --startup-runs N). Not part of the tests; rerun it whenever you like.
set -euo pipefail
TUMBLEWIT_ROOT=$(cd "$(dirname "$0")" && pwd)
cd "$TUMBLEWIT_ROOT"
source scripts/setup.sh

tumblewit_install_missing
tumblewit_build build/bench toolchain-mingw64.cmake -DTUMBLEWIT_TESTS=OFF -DTUMBLEWIT_BENCH=ON >/dev/null

game_exe=build/bench/tumblewit.exe
bench_exe=build/bench/bench/tumblewit-bench.exe
generator=build/bench/host-generator/tumblewit-generator
font_dir=$(sed -n 's/^TUMBLEWIT_FONT_DIR:PATH=//p' build/bench/CMakeCache.txt)

rows=()   # "what|figure|goal|verdict"
infos=()

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
tumblewit_virtual_display

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
echo "==> Running the benchmark under Wine (about two minutes)"
out=$(scripts/wine-run.sh "$bench_exe" "$@" | tr -d '\r')
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
