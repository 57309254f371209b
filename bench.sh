#!/bin/bash
# Builds the game and its benchmark, then times it under Wine on a virtual
# display of its own and prints two tables with the machine they came from:
# real input (XTEST clicks timed to pixels on the screen, against a reference
# window and the busy delay), then the in-process figures (posted messages).
# Not part of the tests; rerun it whenever you like. See bench/README.md.
#
#   ./bench.sh [--real-input-only] [--games N] [in-process options]
#
# --games N: games played with real input (4). Other arguments go to the
# in-process benchmark program (--clicks N, --seed S, --startup-runs N).
set -euo pipefail
TUMBLEWIT_ROOT=$(cd "$(dirname "$0")" && pwd)
cd "$TUMBLEWIT_ROOT"
source scripts/setup.sh

tumblewit_install_missing
# Only the build's errors and warnings are shown; the rest goes to a log.
if ! tumblewit_build build/bench toolchain-mingw64.cmake -DTUMBLEWIT_TESTS=OFF -DTUMBLEWIT_BENCH=ON \
        >/tmp/tumblewit-bench-build.log 2>&1; then
    grep -E 'error|Error|warning' /tmp/tumblewit-bench-build.log | head -40 >&2
    echo "error: building the benchmark failed; the whole log is /tmp/tumblewit-bench-build.log" >&2
    exit 1
fi
[ -x build/bench/host-realinput/xdrive ] || { echo "error: xdrive was not built (is libxtst-dev installed?)" >&2; exit 1; }
PYTHONPATH=tests PYTHONDONTWRITEBYTECODE=1 exec /usr/bin/python3 bench/report.py build/bench "$@"
