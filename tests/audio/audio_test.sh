#!/bin/bash
# Audio test: hears the built game. A private PulseAudio server with one null
# sink takes what the game plays, through the same Wine audio settings
# ./play.sh uses (scripts/wine-run.sh, in the audio test's own prefix); the
# sink's monitor is recorded while the game is played with real mouse input
# through the X server (XTEST), and the recording is matched against the
# game's own WAVE resources by hear.py.
#
#   audio_test.sh --game tumblewit.exe --probe e2e_probe.exe --xdrive XDRIVE
#                 --reference tumblewit-reference.exe
#                 --root REPO --sounds GENERATED_DIR --keep DIR
#
# First the floor: the reference window plays the game's found and miss cues
# at six releases, at the release itself, and the game's busy delay is timed.
# What a cue costs there is Wine's and the sound server's share under the
# machine's load at the time; the game's cues are held to it.
# Then the play: the title music from launch through its first loop; start;
# one find; nine misses; back to the title; the music again. The recording
# and what hear.py made of it are kept in DIR.
#
# Exits 77 (skipped) only when no PulseAudio server is installed.
set -uo pipefail

GAME="" PROBE="" XDRIVE="" REFERENCE="" ROOT="" SOUNDS="" KEEP=""
while [ $# -gt 0 ]; do
    case "$1" in
        --game) GAME=$2; shift 2 ;;
        --probe) PROBE=$2; shift 2 ;;
        --xdrive) XDRIVE=$2; shift 2 ;;
        --reference) REFERENCE=$2; shift 2 ;;
        --root) ROOT=$2; shift 2 ;;
        --sounds) SOUNDS=$2; shift 2 ;;
        --keep) KEEP=$2; shift 2 ;;
        *) echo "audio_test: unknown option $1" >&2; exit 2 ;;
    esac
done
for name in GAME PROBE XDRIVE REFERENCE ROOT SOUNDS KEEP; do
    [ -n "${!name}" ] || { echo "FAIL: --${name,,} is required" >&2; exit 2; }
done
for file in "$GAME" "$PROBE" "$XDRIVE" "$REFERENCE" "$ROOT/scripts/wine-run.sh" "$SOUNDS/music.wav"; do
    [ -f "$file" ] || { echo "FAIL: missing $file (build first)" >&2; exit 1; }
done

if ! command -v pulseaudio >/dev/null || ! command -v parec >/dev/null || ! command -v pactl >/dev/null; then
    echo "SKIP: no PulseAudio server to play into (pulseaudio, parec and pactl, from Debian's"
    echo "      pulseaudio and pulseaudio-utils; ./test.sh installs them where it can)."
    exit 77
fi
PYTHON=/usr/bin/python3
"$PYTHON" -c 'import numpy' 2>/dev/null || {
    echo "FAIL: $PYTHON lacks numpy (Debian's python3-numpy)" >&2
    exit 1
}
[ -n "${DISPLAY:-}" ] || {
    echo "FAIL: DISPLAY is not set; run this through ./test.sh (which starts Xvfb) or on a display." >&2
    exit 1
}
HERE=$(cd "$(dirname "$0")" && pwd)
WINE_RUN="$ROOT/scripts/wine-run.sh"
export TUMBLEWIT_TESTING=audio
export WINEPREFIX="$ROOT/build/wineprefix-audio"

# ------------------------------------------------- what this run started
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tumblewit-audio.XXXXXX")
mkdir -p "$WORK/run" "$WORK/home" "$KEEP"
rm -f "$KEEP"/recording.* "$KEEP"/events.txt "$KEEP"/report.txt "$KEEP"/stalls.txt "$KEEP"/wine-trace.txt
SERVER_PID="" PAREC_PID="" RECORD_PID="" MOUSE_PID="" PROBE_PID="" WATCH_PID=""
STOP_FILE="$WORK/stop"
stop_pid() {   # PID: ask it to end, then make it
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null
    for _ in $(seq 30); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}
cleanup() {
    [ -n "$PROBE_PID" ] && close_window
    # Every Wine process of the audio prefix is this test's.
    wineserver -k >/dev/null 2>&1
    [ -n "$MOUSE_PID" ] && { exec 3>&- ; stop_pid "$MOUSE_PID"; }
    stop_pid "$PAREC_PID"
    stop_pid "$RECORD_PID"
    stop_pid "$WATCH_PID"
    stop_pid "$SERVER_PID"
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# ------------------------------------------------------ the sound server
# Its own socket, runtime folder and home; one null sink; no idle exit.
SOCKET="$WORK/run/native"
HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/run" pulseaudio -n --daemonize=no --use-pid-file=no \
    --exit-idle-time=-1 --high-priority=yes --realtime=yes --log-level=info --log-target=file:"$KEEP/pulseaudio.log" \
    -L "module-null-sink sink_name=tumblewit_test rate=44100 channels=2" \
    -L "module-native-protocol-unix socket=$SOCKET auth-anonymous=1" >/dev/null 2>&1 &
SERVER_PID=$!
export PULSE_SERVER="unix:$SOCKET"
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || {
    echo "FAIL: the private PulseAudio server did not start:"
    tail -5 "$WORK/pulseaudio.log"
    exit 1
}
echo "  sound server at $PULSE_SERVER, null sink tumblewit_test"

# ---------------------------------------------------------------- layout
# (Asked up to three times, as in the e2e test: the first Wine program after
# the wineserver went away can fail while the server comes up again.) This
# also prepares the prefix and sets its audio driver.
LAYOUT=""
for _ in 1 2 3; do
    LAYOUT=$("$WINE_RUN" "$PROBE" layout 2>"$WORK/layout.err" | tr -d '\r')
    grep -q '^AREA_1_0=' <<<"$LAYOUT" && break
    sleep 1
done
grep -q '^AREA_1_0=' <<<"$LAYOUT" || { echo "FAIL: the probe printed no layout: $(head -c 500 "$WORK/layout.err")"; exit 1; }
eval "$LAYOUT"
echo "  Wine audio driver: $(cat "$WINEPREFIX/.tumblewit-audio" 2>/dev/null || echo unknown)"

# A point of level 1's altered scene at least 8 pixels from every area.
miss_point() {
    local sl st sr sb x y k l t r b clear
    read -r sl st sr sb <<<"$ALTERED_SCENE"
    for ((y = st + 20; y < sb - 10; y += 10)); do
        for ((x = sl + 20; x < sr - 10; x += 10)); do
            clear=1
            for ((k = 0; k < AREAS_PER_LEVEL; k++)); do
                local v="AREA_1_$k"
                read -r l t r b <<<"${!v}"
                if [ $x -gt $((l - 8)) ] && [ $x -lt $((r + 8)) ] && [ $y -gt $((t - 8)) ] && [ $y -lt $((b + 8)) ]; then
                    clear=0
                    break
                fi
            done
            [ $clear = 1 ] && { echo "$x $y"; return 0; }
        done
    done
    return 1
}
read -r MISS_X MISS_Y <<<"$(miss_point)"
[ -n "$MISS_X" ] || { echo "FAIL: no miss point in level 1"; exit 1; }

# ------------------------------------------------ recording and the mouse
RATE=44100
mkfifo "$WORK/sound"
nice -n -10 "$PYTHON" "$HERE/timed_record.py" "$KEEP/recording.raw" $RATE <"$WORK/sound" &
RECORD_PID=$!
# The moments the machine holds every ordinary process back, at the game's
# priority; a cue late by one of them is the machine's doing.
"$PYTHON" "$HERE/stall_watch.py" "$KEEP/stalls.txt" &
WATCH_PID=$!
nice -n -10 parec --device=tumblewit_test.monitor --raw --format=s16le --rate=$RATE --channels=2 --latency-msec=10 \
    >"$WORK/sound" 2>"$WORK/parec.err" &
PAREC_PID=$!
# The mouse is xdrive, the e2e tests' XTEST tool. Every click and mark goes
# to events.txt as "LABEL SECONDS" on the clock the recorder stamps with.
coproc XDRIVE_PROC { exec "$XDRIVE" 2>"$WORK/mouse.err"; }
MOUSE_PID=$XDRIVE_PROC_PID
read -r -t 10 started <&"${XDRIVE_PROC[0]}"
[ "$started" = ready ] || { echo "FAIL: the XTEST mouse did not start: $started $(cat "$WORK/mouse.err")"; exit 1; }
: >"$KEEP/events.txt"
drive() {   # COMMAND ...; the reply's first number in REPLY_MS
    local reply
    echo "$*" >&"${XDRIVE_PROC[1]}" || return 1
    read -r -t 10 reply <&"${XDRIVE_PROC[0]}" || return 1
    [[ $reply == ok* ]] || { echo "FAIL: xdrive: $reply" >&2; return 1; }
    read -r _ REPLY_MS _ <<<"$reply"
}
note() { awk -v label="$1" -v ms="$2" 'BEGIN { printf "%s %.6f\n", label, ms / 1000 }' >>"$KEEP/events.txt"; }
mark() { drive now && note "$1" "$REPLY_MS"; }

CX=0 CY=0
# Clicks at client coordinates and names the release for hear.py.
click_at() {   # LABEL X Y
    drive click $((CX + $2)) $((CY + $3)) && note "$1" "$REPLY_MS"
}
click_button() {   # LABEL SPOT
    local x y w h
    read -r x y w h <<<"${!2}"
    click_at "$1" $((x + w / 2)) $((y + h / 2))
}

# ------------------------------------------------------------------ play
# The game starts only once the recording runs and the mouse answers.
for _ in $(seq 100); do
    [ "$(stat -c %s "$KEEP/recording.raw" 2>/dev/null || echo 0)" -gt $((RATE * 4 / 2)) ] && break
    sleep 0.1
done
[ "$(stat -c %s "$KEEP/recording.raw")" -gt 0 ] || { echo "FAIL: the recording did not start: $(cat "$WORK/parec.err")"; exit 1; }
# Starts a program through the probe, waits for its window, and aims the
# clicks at its client area; "launch" and "window" marks carry PREFIX. (Up
# to three tries, as for the layout: a Wine program started while the last
# one's wineserver is going away can fail at once.)
open_window() {   # PREFIX WHAT PROGRAM PROBE_ARGS...
    local prefix=$1 what=$2 line="" deadline
    shift 2
    for _ in 1 2 3; do
        rm -f "$STOP_FILE"
        mark "${prefix}launch"
        # Wine's own trace says when each PlaySound call was made, on the
        # clicks' clock: the game's share of a cue's time, apart from Wine's.
        WINEDEBUG=${TUMBLEWIT_AUDIO_TRACE:-+timestamp,+winmm} E2E_RUN_TAG=audio "$WINE_RUN" "$PROBE" launch "$@" \
            >"$WORK/probe.out" 2>>"$KEEP/wine-trace.txt" &
        PROBE_PID=$!
        deadline=$((SECONDS + 30))
        while [ $SECONDS -lt $deadline ] && ! grep -q '^client ' "$WORK/probe.out" 2>/dev/null; do
            kill -0 "$PROBE_PID" 2>/dev/null || break
            sleep 0.05
        done
        line=$(tr -d '\r' <"$WORK/probe.out" | grep '^client ')
        [ -n "$line" ] && break
        echo "  the $what did not appear: $(tr -d '\r' <"$WORK/probe.out" | tr '\n' ' ')"
        close_window
        sleep 1
    done
    [ -n "$line" ] || { echo "FAIL: the $what did not appear in three tries"; exit 1; }
    mark "${prefix}window"
    read -r _ CX CY _ <<<"$line"
    echo "  $what's client area at ($CX,$CY)"
}
# Ends what the probe started (it ends only that process when the file
# appears) and the probe.
close_window() {
    touch "$STOP_FILE"
    for _ in $(seq 50); do kill -0 "$PROBE_PID" 2>/dev/null || break; sleep 0.1; done
    stop_pid "$PROBE_PID"
    PROBE_PID=""
}

# The floor: six cues played by the reference window at the release.
open_window ref- "reference window" "$REFERENCE" "$STOP_FILE" 60 TumblewitReference sound "Z:$GAME"
sleep 1
for n in 1 2 3 4 5 6; do
    click_at "ref$n" 200 200
    sleep 1.2
done
close_window

open_window "" "game window" "$GAME" "$STOP_FILE" 180

# The music is 33.7 s long: the title screen stays up past its first loop.
sleep 37
click_button start START_BUTTON
sleep 1.5
read -r l t r b <<<"$AREA_1_0"
click_at find $(((l + r) / 2)) $(((t + b) / 2))
sleep 1.2
for n in 1 2 3 4 5 6 7 8 9; do
    click_at "miss$n" "$MISS_X" "$MISS_Y"
    sleep 1.1
done
sleep 0.5   # the ninth miss raises the game-over screen
click_button back BACK_BUTTON
sleep 3
mark end

# Everything stops before the recording is judged.
close_window
echo quit >&"${XDRIVE_PROC[1]}" 2>/dev/null
stop_pid "$MOUSE_PID"
MOUSE_PID=""
# Ending parec ends the pipe, and the recorder writes its start time.
stop_pid "$PAREC_PID"
PAREC_PID=""
wait "$RECORD_PID" 2>/dev/null
RECORD_PID=""
stop_pid "$WATCH_PID"
WATCH_PID=""
[ -s "$KEEP/recording.raw.start" ] || { echo "FAIL: nothing was recorded: $(cat "$WORK/parec.err")"; exit 1; }

# The busy delay the game's paint runs, timed now, under the same load: a
# release can wait for the paint under way before its cue is asked for.
read -r DELAY_MEDIAN _ DELAY_MAX <<<"$("$WINE_RUN" "$REFERENCE" delay 15 2>/dev/null | tr -d '\r' | awk '/^delay/ { print $2, $3, $4 }')"
[ -n "$DELAY_MAX" ] || { echo "FAIL: the reference did not time the busy delay"; exit 1; }

"$PYTHON" "$HERE/hear.py" --recording "$KEEP/recording.raw" --rate $RATE --events "$KEEP/events.txt" \
    --sounds "$SOUNDS" --busy-delay-ms "$DELAY_MEDIAN" "$DELAY_MAX" --stalls "$KEEP/stalls.txt" --wine-trace "$KEEP/wine-trace.txt" | tee "$KEEP/report.txt"
exit "${PIPESTATUS[0]}"
