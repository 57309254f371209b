#!/bin/bash
# Shows that the audio test fails for a reason: it builds the game again with
# one fault in its sound at a time, runs the audio test on each, and reports
# which checks caught it. Run after ./test.sh has built build/win64; it takes
# about two minutes a fault. Nothing here is part of the game.
#
#   tests/audio/show_failures.sh [FAULT ...]
#
# Faults: wrong (a find plays the miss cue), late (the found cue 300 ms after
# the release), missing (a miss plays nothing), pulse (the good build through
# Wine's PulseAudio driver). Exits 1 if any fault passed the test.
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD="$ROOT/build/win64"
GENERATOR="$BUILD/host-generator/tumblewit-generator"
REFERENCE="$BUILD/bench/tumblewit-reference.exe"
for file in "$BUILD/tumblewit.exe" "$BUILD/tests/e2e_probe.exe" "$REFERENCE" "$GENERATOR"; do
    [ -f "$file" ] || { echo "show_failures: missing $file; run ./test.sh first" >&2; exit 1; }
done
XDRIVE=$(grep -o '^TUMBLEWIT_XDRIVE:[A-Z]*=.*' "$BUILD/CMakeCache.txt" | cut -d= -f2-)
[ -x "$XDRIVE" ] || XDRIVE="$BUILD/host-realinput/xdrive"
[ -x "$XDRIVE" ] || { echo "show_failures: no xdrive in $BUILD; run ./test.sh first" >&2; exit 1; }
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tumblewit-faults.XXXXXX")
trap 'rm -rf "$WORK"' EXIT
# After the trap above: the display's own take-down is added to it.
source "$ROOT/scripts/setup.sh"
TUMBLEWIT_ROOT=$ROOT tumblewit_virtual_display

# The game's source with one fault in it, built into WORK/FAULT/build.
build_with_fault() {   # FAULT
    local source="$WORK/$1/src"
    mkdir -p "$source"
    git -C "$ROOT" archive HEAD | tar -x -C "$source"
    local rules="$source/rules/differences.cpp"
    case "$1" in
        wrong) sed -i 's/PlatformPlaySound(WAV_FOUND, CUE_FLAGS);/PlatformPlaySound(WAV_MISS, CUE_FLAGS);/' "$rules" ;;
        late) sed -i -e '1i #include <windows.h>' \
                  -e 's/PlatformPlaySound(WAV_FOUND, CUE_FLAGS);/Sleep(300); PlatformPlaySound(WAV_FOUND, CUE_FLAGS);/' "$rules" ;;
        missing) sed -i 's/PlatformPlaySound(WAV_MISS, CUE_FLAGS);//' "$rules" ;;
    esac
    if cmp -s "$rules" "$ROOT/rules/differences.cpp"; then
        echo "show_failures: the $1 fault did not apply to rules/differences.cpp" >&2
        return 1
    fi
    local log="$WORK/$1/build.log"
    { cmake -S "$source" -B "$WORK/$1/build" -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$source/cmake/toolchain-mingw64.cmake" \
          -DTUMBLEWIT_TESTS=OFF -DTUMBLEWIT_GENERATOR="$GENERATOR" &&
          cmake --build "$WORK/$1/build" --target tumblewit -j2; } >"$log" 2>&1 || {
        echo "show_failures: building the $1 fault failed:" >&2
        tail -20 "$log" >&2
        return 1
    }
}

faults=("$@")
[ ${#faults[@]} -gt 0 ] || faults=(wrong late missing pulse)
caught_all=1
for fault in "${faults[@]}"; do
    echo "==> fault: $fault"
    game="$BUILD/tumblewit.exe"
    driver=""
    case "$fault" in
        wrong | late | missing)
            build_with_fault "$fault" || { caught_all=0; continue; }
            game="$WORK/$fault/build/tumblewit.exe" ;;
        pulse) driver=pulse ;;
        *) echo "show_failures: unknown fault $fault" >&2; exit 2 ;;
    esac
    keep="$BUILD/audio-faults/$fault"
    TUMBLEWIT_AUDIO_DRIVER=$driver bash "$ROOT/tests/audio/audio_test.sh" --game "$game" \
        --probe "$BUILD/tests/e2e_probe.exe" --xdrive "$XDRIVE" --reference "$REFERENCE" --root "$ROOT" \
        --sounds "$BUILD/generated" --keep "$keep" >"$WORK/$fault.out" 2>&1
    status=$?
    if [ $status = 0 ]; then
        echo "    NOT CAUGHT: the audio test passed"
        caught_all=0
    else
        echo "    caught (exit $status):"
        grep -E '^ *FAIL' "$WORK/$fault.out" | sed 's/^ */    /'
    fi
done
[ $caught_all = 1 ]
