#!/bin/bash
# Builds Tumblewit with warnings as errors (64-bit with its tests, and 32-bit
# to keep it buildable), then runs every test under Wine, beside each other,
# with a display and a Wine server of their own that are stopped afterwards.
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
# The end-to-end tests wait on the screen more than they compute: one more
# at a time than there are cores keeps both busy.
PYTHONPATH=tests PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 -m harness \
    ctest --test-dir build/win64 --output-on-failure -j "$(($(nproc) + 1))" "$@"
