#!/bin/bash
# Builds Tumblewit (64-bit with its tests, and 32-bit to keep it buildable),
# then runs every test under Wine on a virtual display of its own.
# Arguments go to CTest: ./test.sh -R fuzz runs only the fuzz test.
set -euo pipefail
TUMBLEWIT_ROOT=$(cd "$(dirname "$0")" && pwd)
cd "$TUMBLEWIT_ROOT"
source scripts/setup.sh

tumblewit_install_missing
tumblewit_build build/win64 toolchain-mingw64.cmake
tumblewit_build build/win32 toolchain-mingw32.cmake -DTUMBLEWIT_TESTS=OFF \
    -DTUMBLEWIT_GENERATOR="$TUMBLEWIT_ROOT/build/win64/host-generator/tumblewit-generator"

# A display of our own, and nothing of ours left running afterwards.
display=99
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
echo "==> Starting Xvfb on :$display"
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export WINEPREFIX="$TUMBLEWIT_ROOT/build/wineprefix-test"
cleanup() {
    WINEPREFIX="$WINEPREFIX" wineserver -k >/dev/null 2>&1 || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=":$display"
export TUMBLEWIT_TESTING=1
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "error: Xvfb did not start on :$display" >&2; exit 1; }

echo "==> Preparing Wine"
scripts/wine-run.sh cmd /c exit 0 >/dev/null 2>&1 || true

echo "==> Running the tests"
ctest --test-dir build/win64 --output-on-failure "$@"
