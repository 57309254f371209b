#!/bin/bash
# Builds Tumblewit and starts it under Wine on the current display.
set -euo pipefail
TUMBLEWIT_ROOT=$(cd "$(dirname "$0")" && pwd)
cd "$TUMBLEWIT_ROOT"
source scripts/setup.sh

tumblewit_install_missing

# No display, no game: say so before spending minutes on a build.
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    echo "error: no display to show the game on (DISPLAY is '${DISPLAY:-}')." >&2
    echo "       Run this from a desktop session, or start one, e.g. 'Xvfb :1 & DISPLAY=:1 ./play.sh'." >&2
    exit 1
fi

TUMBLEWIT_BUILD_TARGET=tumblewit tumblewit_build build/win64 toolchain-mingw64.cmake

echo "==> Starting build/win64/tumblewit.exe"
exec scripts/wine-run.sh build/win64/tumblewit.exe
