#!/bin/bash
# Installs what building and testing Tumblewit needs, from Debian's packages,
# when it is missing, and builds. Sourced by play.sh, test.sh and bench.sh.

tumblewit_packages=(
    cmake make pkg-config g++                         # host tools and the generator
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    mingw-w64-x86-64-dev mingw-w64-i686-dev           # the Windows cross toolchain
    libcairo2-dev libfreetype-dev fonts-noto-cjk      # the generator's drawing and fonts
    googletest                                        # test framework sources
    wine wine64                                       # runs the game and its tests
    xvfb xauth x11-utils                              # the virtual display
    openbox                                           # a window manager, for the frame test
    libx11-dev libxtst-dev                            # real clicks through XTEST
    python3-pytest python3-numpy                      # the harness that plays the game from outside
    libasound2-plugins pulseaudio-utils               # Wine's ALSA sound into the desktop's server
    pulseaudio                                        # the audio test's server
    ffmpeg                                            # loudness of the sounds (ebur128)
    strip-nondeterminism                              # the players' zip: fixed entry order
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
