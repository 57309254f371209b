#!/bin/sh
# Runs a Windows program under the project's own Wine prefix, quietly, with
# Wine's Mono and Gecko installers switched off. Used by CTest and the scripts.
#
# TUMBLEWIT_TESTING selects the prefix:
#   unset or 0  build/wineprefix, for playing: sound as chosen below
#   1           build/wineprefix-test, the tests': no audio driver (the sounds
#               fail silently instead of filling the log with ALSA's
#               complaints), and windows that Wine frames itself, so nothing
#               waits on a window manager the virtual display doesn't have
#   audio       build/wineprefix-audio, the audio test's: sound chosen exactly
#               as for playing, windows framed as in the tests' prefix
#
# Sound. Wine's PulseAudio driver (winepulse) ends every 8-bit cue with a
# full-scale pop; its ALSA driver (winealsa) plays them cleanly. So where a
# PulseAudio or PipeWire server answers, Wine is told to use ALSA, and ALSA
# (through the pulse plugin of libasound2-plugins) to play into that server,
# by alsa-pulse.conf, which leaves the player's own ~/.asoundrc alone. With
# no server, Wine picks its driver itself. TUMBLEWIT_AUDIO_DRIVER=alsa, pulse
# or default overrides the choice (pulse brings the pops back).
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
framed_by_wine=0
with_sound=1
case "${TUMBLEWIT_TESTING:-0}" in
    1)
        export WINEPREFIX="$here/build/wineprefix-test"
        # No game pad or USB bus drivers either: each test's own Wine
        # server would start them, and the mouse comes through X instead.
        export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winealsa.drv,winepulse.drv,wineoss.drv=d;winebus.sys,wineusb.sys=d"
        framed_by_wine=1
        with_sound=0
        ;;
    audio)
        export WINEPREFIX="$here/build/wineprefix-audio"
        framed_by_wine=1
        ;;
    *)
        export WINEPREFIX="$here/build/wineprefix"
        ;;
esac

# Succeeds when a PulseAudio server (PipeWire's counts) is there to play into:
# the one PULSE_SERVER names, or the session's own socket, and it answers.
sound_server_answers() {
    if [ -z "${PULSE_SERVER:-}" ]; then
        socket="${PULSE_RUNTIME_PATH:-${XDG_RUNTIME_DIR:-/run/user/$(id -u)}/pulse}/native"
        [ -S "$socket" ] || return 1
        # Naming the server keeps pactl from starting one of its own.
        server="unix:$socket"
    else
        server=$PULSE_SERVER
    fi
    command -v pactl >/dev/null || return 0
    timeout 5 pactl --server="$server" info >/dev/null 2>&1
}

driver=off
if [ "$with_sound" = 1 ]; then
    driver=${TUMBLEWIT_AUDIO_DRIVER:-}
    if [ -z "$driver" ]; then
        if sound_server_answers; then driver=alsa; else driver=default; fi
    fi
    case "$driver" in
        alsa) export ALSA_CONFIG_PATH="$here/scripts/alsa-pulse.conf" ;;
        pulse | default) ;;
        *)
            echo "wine-run: TUMBLEWIT_AUDIO_DRIVER must be alsa, pulse or default, not '$driver'" >&2
            exit 2
            ;;
    esac
fi

if [ ! -f "$WINEPREFIX/.tumblewit-ready" ]; then
    echo "wine-run: preparing the Wine prefix in $WINEPREFIX (once)..." >&2
    mkdir -p "$WINEPREFIX"
    # Marked ready only when every step worked, so a failed start is tried
    # again next time instead of leaving a half-made prefix for good.
    ready=1
    wineboot -i >/dev/null 2>&1 || ready=0
    if [ "$ready" = 1 ] && [ "$framed_by_wine" = 1 ]; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || ready=0
    fi
    wineserver -w
    if [ "$ready" = 1 ]; then
        touch "$WINEPREFIX/.tumblewit-ready"
    else
        echo "wine-run: preparing $WINEPREFIX failed; it will be tried again" >&2
    fi
fi

# Wine frames a window more thinly than Windows does (4 px borders and a
# 19 px caption, against 8 px and 23 px at 96 DPI), which left the game's
# 959 x 667 window a 951 x 640 client area and a white band beside its
# 943 x 628 pictures. These metrics (in twips, 15 a pixel) give every
# prefix the frame of Windows, so players and tests see what Windows shows.
# Written once per prefix; the file beside the registry remembers it.
metrics="BorderWidth=-75 CaptionHeight=-330"
if [ "$(cat "$WINEPREFIX/.tumblewit-metrics" 2>/dev/null)" != "$metrics" ]; then
    for setting in $metrics; do
        wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v "${setting%%=*}" /d "${setting#*=}" /f \
            >/dev/null 2>&1 || {
            echo "wine-run: could not set Wine's window metrics in $WINEPREFIX" >&2
            exit 1
        }
    done
    echo "$metrics" >"$WINEPREFIX/.tumblewit-metrics"
fi

# The driver is written to the prefix only when the choice changes; the file
# beside the registry remembers the last one.
if [ "$driver" != off ] && [ "$(cat "$WINEPREFIX/.tumblewit-audio" 2>/dev/null)" != "$driver" ]; then
    if [ "$driver" = default ]; then
        wine reg delete 'HKCU\Software\Wine\Drivers' /v Audio /f >/dev/null 2>&1
    else
        wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d "$driver" /f >/dev/null 2>&1 || {
            echo "wine-run: could not set Wine's audio driver to $driver in $WINEPREFIX" >&2
            exit 1
        }
    fi
    echo "$driver" >"$WINEPREFIX/.tumblewit-audio"
fi
exec wine "$@"
