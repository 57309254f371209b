#!/bin/bash
# Builds Tumblewit with warnings as errors (64-bit with its tests, and 32-bit
# to keep it buildable), then runs every test, several at a time: each one
# under Wine gets a display, a Wine prefix and a Wine server of its own from
# the harness (tests/harness), which stops them afterwards.
# Arguments go to CTest: ./test.sh -R fuzz runs only the fuzz test.
set -euo pipefail
TUMBLEWIT_ROOT=$(cd "$(dirname "$0")" && pwd)
cd "$TUMBLEWIT_ROOT"
source scripts/setup.sh

tumblewit_install_missing
tumblewit_build build/win64 toolchain-mingw64.cmake -DTUMBLEWIT_WERROR=ON
tumblewit_build build/win32 toolchain-mingw32.cmake -DTUMBLEWIT_TESTS=OFF -DTUMBLEWIT_WERROR=ON \
    -DTUMBLEWIT_GENERATOR="$TUMBLEWIT_ROOT/build/win64/host-generator/tumblewit-generator"

echo "==> Running the tests"
# The tests under Wine wait on the screen and on Wine more than they
# compute: one more at a time than there are cores keeps both busy.
ctest --test-dir build/win64 --output-on-failure -j "$(($(nproc) + 1))" "$@"
