#!/bin/bash
# Installs what building and testing Tumblewit needs, from Debian's packages,
# when it is missing, builds, and gives the tests a display of their own.
# Sourced by play.sh, test.sh and bench.sh.

tumblewit_packages=(
    cmake make pkg-config g++                         # host tools and the generator
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    mingw-w64-x86-64-dev mingw-w64-i686-dev           # the Windows cross toolchain
    libcairo2-dev libfreetype-dev fonts-noto-cjk      # the generator's drawing and fonts
    googletest                                        # test framework sources
    wine wine64                                       # runs the game and its tests
    xvfb xauth xdotool imagemagick x11-utils          # virtual display, window lookup, screenshots
    libx11-dev libxtst-dev                            # real clicks through XTEST
    libasound2-plugins pulseaudio-utils               # Wine's ALSA sound into the desktop's server
    pulseaudio python3-numpy                          # the audio test's server and analysis
    ffmpeg                                            # loudness of the sounds (ebur128)
    strip-nondeterminism python3-pytest               # the players' zip: fixed entry order, its test
)

tumblewit_install_missing() {
    local missing=()
    for package in "${tumblewit_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "==> Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then sudo=sudo; else
            echo "error: need root (or sudo) to install: ${missing[*]}" >&2
            return 1
        fi
    fi
    if ! command -v apt-get >/dev/null; then
        echo "error: apt-get not found; install these yourself: ${missing[*]}" >&2
        return 1
    fi
    $sudo apt-get update -qq || { echo "error: apt-get update failed" >&2; return 1; }
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" \
        >/tmp/tumblewit-apt.log 2>&1 || {
        echo "error: package installation failed; see /tmp/tumblewit-apt.log" >&2
        tail -20 /tmp/tumblewit-apt.log >&2
        return 1
    }
}

# tumblewit_build DIR TOOLCHAIN [extra cmake args...]
# Builds everything, or only TUMBLEWIT_BUILD_TARGET when that is set.
tumblewit_build() {
    local dir=$1 toolchain=$2
    mkdir -p "$TUMBLEWIT_ROOT/$dir"
    shift 2
    echo "==> Configuring $dir"
    cmake -S "$TUMBLEWIT_ROOT" -B "$TUMBLEWIT_ROOT/$dir" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$TUMBLEWIT_ROOT/cmake/$toolchain" "$@" >"$TUMBLEWIT_ROOT/$dir/configure.log" 2>&1 || {
        echo "error: configuring $dir failed:" >&2
        tail -30 "$TUMBLEWIT_ROOT/$dir/configure.log" >&2
        return 1
    }
    echo "==> Building $dir${TUMBLEWIT_BUILD_TARGET:+ ($TUMBLEWIT_BUILD_TARGET)}"
    cmake --build "$TUMBLEWIT_ROOT/$dir" -j "$(nproc)" ${TUMBLEWIT_BUILD_TARGET:+--target "$TUMBLEWIT_BUILD_TARGET"}
}

# tumblewit_virtual_display: starts an Xvfb display of our own for the tests'
# Wine prefix (no audio driver, windows Wine frames itself), exports DISPLAY,
# WINEPREFIX and TUMBLEWIT_TESTING, prepares Wine, and stops that Wine and
# that display when the script exits, after whatever EXIT trap the caller set.
tumblewit_virtual_display() {
    # Xvfb picks a free display itself and writes its number once it is
    # ready, so two runs starting together never race for one display.
    local display_file
    display_file=$(mktemp)
    echo "==> Starting Xvfb"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    tumblewit_xvfb_pid=$!
    eval "set -- $(trap -p EXIT)"
    tumblewit_caller_exit_trap=${3:-}
    trap 'tumblewit_stop_virtual_display; eval "$tumblewit_caller_exit_trap"' EXIT
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        kill -0 "$tumblewit_xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    local display
    display=$(head -n 1 "$display_file")
    rm -f "$display_file"
    [ -n "$display" ] || { echo "error: Xvfb did not start" >&2; return 1; }
    echo "==> Xvfb is on :$display"
    export WINEPREFIX="$TUMBLEWIT_ROOT/build/wineprefix-test"
    export DISPLAY=":$display"
    export TUMBLEWIT_TESTING=1
    xdpyinfo >/dev/null 2>&1 || { echo "error: Xvfb on :$display does not answer" >&2; return 1; }
    echo "==> Preparing Wine"
    # A Wine server left to itself exits three seconds after its last
    # program; a program started just as it goes can die before its first
    # line (seen once in six runs, at the first test). This one stays until
    # the display is stopped.
    wineserver -p >/dev/null 2>&1 || true
    "$TUMBLEWIT_ROOT/scripts/wine-run.sh" cmd /c exit 0 >/dev/null 2>&1 || true
}

# Stops our Wine server (the tests' prefix only) and our Xvfb.
tumblewit_stop_virtual_display() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
    kill "$tumblewit_xvfb_pid" 2>/dev/null || true
    wait "$tumblewit_xvfb_pid" 2>/dev/null || true
}
