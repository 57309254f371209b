#!/bin/bash
# The real-input benchmark: the built game played through the X server
# (XTEST clicks from tests/realinput/xdrive, one process for the whole run)
# and every figure timed from the click's release to the moment the pixels
# on the screen changed (XGetImage polled every millisecond).
#
# The same run times a reference Win32 window that only fills itself on
# WM_LBUTTONUP (the floor of this setup: X server, Wine's input handling,
# Wine's way to the screen), and the game's busy delay D, before, between
# the games and after.
#
#   real_input_bench.sh XDRIVE GAME.exe PROBE.exe REFERENCE.exe WINE_RUN [GAMES]
#
# Runs on the current DISPLAY (bench.sh starts an Xvfb of its own). Prints
# "ROW|what|n|median|p99|max|raw p99|aside|ratio|minus D|goal|verdict|lost"
# lines and INFO lines. The figures leave out the samples during which the
# host stopped a core (see xdrive's pause watchers); raw p99 keeps them.
set -uo pipefail
XDRIVE=$1 GAME=$2 PROBE=$3 REFERENCE=$4 WINE_RUN=$5 GAMES=${6:-4}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tumblewit-realinput.XXXXXX")
RUN_TAG="tumblewit-realinput-$$-$RANDOM"
PROBE_PID=""

# ------------------------------------------------------------- processes
coproc XD { exec "$XDRIVE"; }
XD_PID=$XD_PID
xd() {   # one command, its answer in REPLY
    echo "$*" >&"${XD[1]}"
    IFS= read -r REPLY <&"${XD[0]}" || REPLY="error xdrive gone"
}
read -r REPLY <&"${XD[0]}"
[ "$REPLY" = ready ] || { echo "real_input_bench: xdrive did not start: $REPLY" >&2; exit 1; }

stop_program() {
    [ -n "$PROBE_PID" ] || return 0
    touch "$WORK/stop"
    for _ in $(seq 50); do kill -0 "$PROBE_PID" 2>/dev/null || break; sleep 0.1; done
    kill "$PROBE_PID" 2>/dev/null
    wait "$PROBE_PID" 2>/dev/null
    PROBE_PID=""
    local pid
    for pid in $(pgrep -f 'tumblewit|e2e_probe' 2>/dev/null); do
        tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qx "E2E_RUN_TAG=$RUN_TAG" && kill "$pid" 2>/dev/null
    done
}
cleanup() {
    stop_program
    echo quit >&"${XD[1]}" 2>/dev/null
    kill "$XD_PID" 2>/dev/null
    wait "$XD_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

CX=0 CY=0 CW=0 CH=0
# Starts PROGRAM through the probe (window class CLASS); sets CX CY CW CH.
launch() {
    rm -f "$WORK/stop" "$WORK/probe.out"
    E2E_RUN_TAG="$RUN_TAG" "$WINE_RUN" "$PROBE" launch "$1" "$WORK/stop" 900 "$2" >"$WORK/probe.out" 2>/dev/null &
    PROBE_PID=$!
    local line=""
    for _ in $(seq 300); do
        line=$(tr -d '\r' <"$WORK/probe.out" 2>/dev/null | grep '^client ')
        [ -n "$line" ] && break
        sleep 0.1
    done
    [ -n "$line" ] || { echo "real_input_bench: no $2 window within 30 s" >&2; return 1; }
    read -r _ CX CY CW CH <<<"$line"
    sleep 2   # the first paints settle
}

# ------------------------------------------------------------- samples
# The host's pauses are timed by xdrive's real-time watchers. A sample
# during which the host stopped any core waited for the host, not only for
# the game: it counts in the raw p99 but is set aside from the rest. (Taking
# the pause's length off instead fell short: the cores stop for different
# lengths, and a click waits for the core its work is on.)
xd watchpauses
PAUSES_WATCHED=$([ "$REPLY" = "ok realtime" ] && echo 1 || echo 0)
declare -A SAMPLES RAW_SAMPLES TIMEOUTS ASIDE
record() {   # ROW "ok MS AT" (xdrive's answer)
    local ms at every=0 any=0
    read -r _ ms at <<<"$2"
    if [ "$PAUSES_WATCHED" = 1 ]; then
        xd paused "$at" "$(awk -v a="$at" -v m="$ms" 'BEGIN { printf "%.3f", a + m }')"
        read -r _ every any <<<"$REPLY"
    fi
    RAW_SAMPLES[$1]+="$ms "
    if awk -v p="$any" 'BEGIN { exit !(p > 0) }'; then
        ASIDE[$1]=$((${ASIDE[$1]:-0} + 1))
    else
        SAMPLES[$1]+="$ms "
    fi
    echo "$1 ok $ms $at $every $any" >>"${SAMPLE_LOG:-/dev/null}"
}
sample() {   # ROW CLICK_X CLICK_Y REGION_X REGION_Y REGION_W REGION_H MIN [TIMEOUT_MS]
    local row=$1
    xd clickwait $((CX + $2)) $((CY + $3)) $((CX + $4)) $((CY + $5)) "$6" "$7" "$8" "${9:-5000}"
    case $REPLY in
        "ok timeout") TIMEOUTS[$row]=$((${TIMEOUTS[$row]:-0} + 1)); return 1 ;;
        ok\ *) record "$row" "$REPLY"; return 0 ;;
        *) echo "real_input_bench: xdrive: $REPLY" >&2; return 1 ;;
    esac
}
wait_change() {   # REGION_X REGION_Y REGION_W REGION_H MIN TIMEOUT_MS
    xd waitchange $((CX + $1)) $((CY + $2)) "$3" "$4" "$5" "$6"
    [[ $REPLY != "ok timeout" && $REPLY == ok\ * ]]
}
pause_ms() { sleep "$(awk -v m="$1" 'BEGIN { printf "%.3f", m / 1000 }')"; }
random_ms() { echo $((RANDOM % ($2 - $1 + 1) + $1)); }

# ------------------------------------------------------------- layout
LAYOUT=$("$WINE_RUN" "$PROBE" layout 2>/dev/null | tr -d '\r')
grep -q '^AREA_13_4=' <<<"$LAYOUT" || { echo "real_input_bench: the probe printed no layout" >&2; exit 1; }
eval "$LAYOUT"
area() { local v="AREA_${1}_${2}"; echo "${!v}"; }
centre_of() { local x y w h; read -r x y w h <<<"${!1}"; echo "$((x + w / 2)) $((y + h / 2))"; }

# Where a ring shows first: the top of its ellipse, around the centre column.
ring_sample() {   # ROW LEVEL K  (a click at the area's centre)
    local l t r b
    read -r l t r b <<<"$(area "$2" "$3")"
    local cx=$(((l + r) / 2))
    sample "$1" "$cx" $(((t + b) / 2)) $((cx - 4)) "$t" 9 5 8
}
# The hint's ring: pressing the hint button, waiting at the ring's top.
hint_sample() {   # LEVEL K_EXPECTED
    local l t r b hx hy
    read -r l t r b <<<"$(area "$1" "$2")"
    read -r hx hy <<<"$(centre_of HINT_BUTTON)"
    local cx=$(((l + r) / 2))
    sample hint "$hx" "$hy" $((cx - 4)) "$t" 9 5 8
}
# The misses-left digit's cell, centred in the box from its corner to the
# client's bottom right clipped to the window's own client size.
misses_cell() {
    local bx by ex=$((CW < CLIENT_WIDTH ? CW : CLIENT_WIDTH)) ey=$((CH < CLIENT_HEIGHT ? CH : CLIENT_HEIGHT))
    read -r bx by <<<"$MISSES_BOX_TOP_LEFT"
    echo "$(((bx + ex) / 2 - 16)) $(((by + ey) / 2 - 14)) 32 28"
}
# A point of the altered scene far from every area of the level.
miss_point() {
    local level=$1 sl st sr sb x y k l t r b clear
    read -r sl st sr sb <<<"$ALTERED_SCENE"
    for ((y = st + 20; y < sb - 10; y += 10)); do
        for ((x = sl + 20; x < sr - 10; x += 10)); do
            clear=1
            for ((k = 0; k < AREAS_PER_LEVEL; k++)); do
                read -r l t r b <<<"$(area "$level" "$k")"
                if [ $x -gt $((l - 8)) ] && [ $x -lt $((r + 8)) ] && [ $y -gt $((t - 8)) ] && [ $y -lt $((b + 8)) ]; then
                    clear=0; break
                fi
            done
            [ $clear = 1 ] && { echo "$x $y"; return 0; }
        done
    done
}
# In the top left of the window: no button, counter or ring on any screen,
# and every picture that follows another differs there. Small, so that one
# read of it costs little next to what is timed.
SCREEN_REGION="20 20 200 60"
SCREEN_MIN=3000

# CPU time the host took from this machine (steal, in /proc/stat), in CPU
# seconds over all cores:
# a run in which the host took much is slow for reasons not of the game's.
steal_seconds() {
    awk -v hz="$(getconf CLK_TCK)" '$1 == "cpu" { printf "%.1f", $9 / hz; exit }' /proc/stat 2>/dev/null
}
STEAL_BEFORE=$(steal_seconds) RUN_STARTED=$(date +%s)

# ------------------------------------------------------------- busy delay
# Timed before, between the games and after: this machine's pace moved by
# two times within one run (4 ms a delay in one minute, 8 in the next), and
# a click waits for the delay at whatever pace it then runs. D is the
# largest of the medians.
D_TIMINGS="" D=0
time_busy_delay() {   # WHEN
    echo "bench: timing the busy delay ($1)" >&2
    local median low high
    read -r median low high <<<"$("$WINE_RUN" "$REFERENCE" delay 15 2>/dev/null | tr -d '\r' | awk '/^delay/ { print $2, $3, $4 }')"
    [ -n "$high" ] || { echo "real_input_bench: the reference did not time the busy delay" >&2; return 1; }
    D_TIMINGS+="${D_TIMINGS:+, }$1 $median ($low-$high)"
    D=$(awk -v a="$D" -v b="$median" 'BEGIN { printf "%.2f", (a > b ? a : b) }')
}
time_busy_delay before

# ------------------------------------------------------------- reference
echo "bench: the reference window" >&2
launch "$REFERENCE" TumblewitReference || exit 1
for ((n = 0; n < 80; n++)); do
    x=$(random_ms 40 $((CW - 40))) y=$(random_ms 40 $((CH - 40)))
    sample reference "$x" "$y" $((x - 5)) $((y - 5)) 10 10 50 3000
    pause_ms "$(random_ms 60 250)"
done
stop_program

# ------------------------------------------------------------- the window
# Minimised and restored, maximised and restored back, through the buttons
# of the caption Wine draws, each timed from the release until a patch of
# the window as it first showed (the title picture; the reference's plain
# background) is back on the screen where the client area now is.
MOVES_SEEN=0
# Waits for the probe's next "moved" line; sets MX MY (the client's new
# corner) and MINX MINY MAXX MAXY (its caption's buttons).
next_move() {
    local lines
    for _ in $(seq 100); do
        lines=$(tr -d '\r' <"$WORK/probe.out" | grep -c '^moved ')
        [ "$lines" -gt "$MOVES_SEEN" ] && break
        sleep 0.05
    done
    [ "$lines" -gt "$MOVES_SEEN" ] || return 1
    # A move can come in steps (the client area first; a minimised window's
    # caption a moment later, on a line of its own): the last lines count
    # once no other follows for a moment.
    local printed settled
    printed=$(wc -l <"$WORK/probe.out")
    for _ in $(seq 20); do
        sleep 0.15
        settled=$(wc -l <"$WORK/probe.out")
        [ "$settled" = "$printed" ] && break
        printed=$settled
    done
    MOVES_SEEN=$(tr -d '\r' <"$WORK/probe.out" | grep -c '^moved ')
    read -r _ MX MY _ <<<"$(tr -d '\r' <"$WORK/probe.out" | grep '^moved ' | tail -1)"
    read -r _ MINX MINY MAXX MAXY <<<"$(tr -d '\r' <"$WORK/probe.out" | grep '^caption ' | tail -1)"
}
window_sample() {   # ROW CLICK_X CLICK_Y CLIENT_X CLIENT_Y (screen coordinates)
    xd clickmatch "$2" "$3" $(($4 + 20)) $(($5 + 20)) 40 30 "$WORK/patch.ppm" 24 5000
    case $REPLY in
        "ok timeout") TIMEOUTS[$1]=$((${TIMEOUTS[$1]:-0} + 1)) ;;
        ok\ *) record "$1" "$REPLY" ;;
        *) echo "real_input_bench: xdrive: $REPLY" >&2 ;;
    esac
}
# The same cycles for PROGRAM (window class CLASS), its rows named with
# PREFIX in front: the reference window first, for what a window that only
# repaints its background costs here, then the game on its title screen.
window_phase() {   # PROGRAM CLASS PREFIX
    local prefix=$3
    launch "$1" "$2" || return 1
    MOVES_SEEN=0 MAXIMISED_X=""
    read -r _ MINX MINY MAXX MAXY <<<"$(tr -d '\r' <"$WORK/probe.out" | grep '^caption ' | tail -1)"
    [ -n "$MAXY" ] || { echo "real_input_bench: the probe found no caption buttons" >&2; return 1; }
    xd grab $((CX + 20)) $((CY + 20)) 40 30 "$WORK/patch.ppm"
    local cycle
    for ((cycle = 0; cycle < 8; cycle++)); do
        xd click "$MINX" "$MINY"; next_move || return 1
        pause_ms "$(random_ms 200 400)"
        window_sample "${prefix}restored" "$MINX" "$MINY" "$CX" "$CY"; next_move || return 1
        pause_ms "$(random_ms 200 400)"
        # Where the maximised client will be is known from the first time.
        if [ -z "$MAXIMISED_X" ]; then
            xd click "$MAXX" "$MAXY"; next_move || return 1
            MAXIMISED_X=$MX MAXIMISED_Y=$MY
        else
            window_sample "${prefix}maximised" "$MAXX" "$MAXY" "$MAXIMISED_X" "$MAXIMISED_Y"; next_move || return 1
        fi
        pause_ms "$(random_ms 200 400)"
        # A plain background is the same patch inside the maximised client,
        # so the reference's restore from maximised cannot be seen; untimed.
        if [ -n "$prefix" ]; then
            xd click "$MAXX" "$MAXY"; next_move || return 1
        else
            window_sample unmaximised "$MAXX" "$MAXY" "$CX" "$CY"; next_move || return 1
        fi
        pause_ms "$(random_ms 200 400)"
    done
}
echo "bench: minimise, maximise and restore (the reference window)" >&2
window_phase "$REFERENCE" TumblewitReference reference_ || echo "bench: the reference's window rows stopped early" >&2
stop_program
echo "bench: minimise, maximise and restore (the game)" >&2
window_phase "$GAME" ViewBMPWinClass "" || echo "bench: the window rows stopped early" >&2
stop_program

# ------------------------------------------------------------- the game
play_game() {
    launch "$GAME" ViewBMPWinClass || return 1
    local sx sy nx ny level k misses=0 hints=0
    read -r sx sy <<<"$(centre_of START_BUTTON)"
    read -r nx ny <<<"$(centre_of NEXT_BUTTON)"
    read -r rx ry rw rh <<<"$SCREEN_REGION"
    sample start "$sx" "$sy" "$rx" "$ry" "$rw" "$rh" $SCREEN_MIN 10000 || return 1
    for ((level = 1; level <= LEVEL_COUNT; level++)); do
        pause_ms "$(random_ms 150 400)"
        ring_sample first "$level" 0
        local from=1
        if [ $((level % 4)) = 0 ] && [ $hints -lt 3 ]; then
            pause_ms "$(random_ms 150 400)"
            hint_sample "$level" 1
            hints=$((hints + 1))
            from=2
        fi
        if [ $((level % 2)) = 1 ] && [ $misses -lt 8 ]; then
            pause_ms "$(random_ms 150 400)"
            read -r mx my <<<"$(miss_point "$level")"
            read -r cellx celly cellw cellh <<<"$(misses_cell)"
            sample misses "$mx" "$my" "$cellx" "$celly" "$cellw" "$cellh" 15
            misses=$((misses + 1))
        fi
        for ((k = from; k < AREAS_PER_LEVEL; k++)); do
            pause_ms "$(random_ms 120 400)"
            ring_sample ring "$level" "$k"
        done
        # The cleared (or final) picture follows the second's pause.
        wait_change "$rx" "$ry" "$rw" "$rh" $SCREEN_MIN 6000 || return 1
        [ "$level" = "$LEVEL_COUNT" ] && break
        pause_ms "$(random_ms 300 600)"
        sample next "$nx" "$ny" "$rx" "$ry" "$rw" "$rh" $SCREEN_MIN 10000 || return 1
    done
    return 0
}
for ((g = 1; g <= GAMES; g++)); do
    [ "$g" -gt 1 ] && time_busy_delay "after game $((g - 1))"
    echo "bench: game $g of $GAMES" >&2
    play_game || echo "bench: game $g stopped early (at a screen change that did not come)" >&2
    stop_program
done

time_busy_delay after

# ------------------------------------------------------------- table
stats() {   # "n median p99 max" of the samples
    tr ' ' '\n' <<<"$1" | grep . | sort -g | awk '
        { v[NR] = $1 }
        END {
            if (NR == 0) { print "0 - - -"; exit }
            m = int((NR + 1) / 2); p = int(0.99 * NR + 0.999999); if (p < 1) p = 1
            printf "%d %.1f %.1f %.1f\n", NR, v[m], v[p], v[NR]
        }'
}
raw_p99() { local p99; read -r _ _ p99 _ <<<"$(stats "$1")"; echo "$p99"; }
read -r RN RMED RP99 RMAX <<<"$(stats "${SAMPLES[reference]:-}")"
echo "INFO|busy delay D (10,000,000 iterations under Wine, median and range of 15 runs, ms): $D_TIMINGS; D = $D ms, the largest median"
echo "INFO|steal time (CPU the host took from this machine) during the run: $(awk -v a="$STEAL_BEFORE" -v b="$(steal_seconds)" 'BEGIN { printf "%.1f", b - a }') CPU seconds (all cores) in $(($(date +%s) - RUN_STARTED)) s"
if [ "$PAUSES_WATCHED" = 1 ]; then
    xd pauses
    read -r _ count total longest watched <<<"$REPLY"
    aside=0
    for row in "${!ASIDE[@]}"; do aside=$((aside + ASIDE[$row])); done
    echo "INFO|the host's pauses (every core stopped at once, seen by a real-time thread on each core waking 2 ms or more late): $count in $watched s, $total ms in all, the longest $longest ms; $aside samples, during which any core was stopped, set aside"
else
    echo "INFO|the host's pauses: not timed (no real-time thread allowed), so no sample is set aside"
fi
echo "ROW|reference window: click to its fill|$RN|$RMED|$RP99|$RMAX|$(raw_p99 "${RAW_SAMPLES[reference]:-}")|${ASIDE[reference]:-0}|1.00|-|floor|-|${TIMEOUTS[reference]:-0}"
# The reference's own window rows: what Wine takes to give back a window
# whose paint only fills its background. Shown beside the goals, not in them.
for row in restored maximised; do
    read -r n med p99 max <<<"$(stats "${SAMPLES[reference_$row]:-}")"
    case $row in
        restored) what="reference window: restore from minimised" ;;
        maximised) what="reference window: maximise" ;;
    esac
    echo "ROW|$what|$n|$med|$p99|$max|$(raw_p99 "${RAW_SAMPLES[reference_$row]:-}")|${ASIDE[reference_$row]:-0}|-|-|floor|-|${TIMEOUTS[reference_$row]:-0}"
done
for row in first ring misses hint start next restored maximised unmaximised; do
    read -r n med p99 max <<<"$(stats "${SAMPLES[$row]:-}")"
    case $row in
        first) what="first click of each level to its ring"; slack=5 ;;
        ring) what="click to ring (later clicks)"; slack=5 ;;
        misses) what="click to misses-left digit"; slack=5 ;;
        hint) what="hint press to ring"; slack=5 ;;
        start) what="start press to level picture"; slack=16 ;;
        next) what="next press to level picture"; slack=16 ;;
        restored) what="restore from minimised to picture"; slack=16 ;;
        maximised) what="maximise to picture"; slack=16 ;;
        unmaximised) what="restore from maximised to picture"; slack=16 ;;
    esac
    lost=${TIMEOUTS[$row]:-0}
    if [ "$n" = 0 ]; then
        echo "ROW|$what|0|-|-|-|-|${ASIDE[$row]:-0}|-|-|-|MISS (no samples)|$lost"
        continue
    fi
    echo "$what|$n|$med|$p99|$max|$lost|$(raw_p99 "${RAW_SAMPLES[$row]:-}")|${ASIDE[$row]:-0}" | awk -F'|' -v rp="$RP99" -v d="$D" -v s="$slack" '{
        goal = rp + d + s
        verdict = ($4 <= goal && $6 == 0) ? "PASS" : "MISS"
        printf "ROW|%s|%s|%s|%s|%s|%s|%s|%.1fx|%.1f|<= %.1f|%s|%s\n", $1, $2, $3, $4, $5, $7, $8, ($4 / (rp > 0 ? rp : 1)), $4 - d, goal, verdict, $6
    }'
done
