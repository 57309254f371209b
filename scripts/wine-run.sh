#!/bin/sh
# Runs a Windows program under the project's own Wine prefix, quietly, with
# Wine's Mono and Gecko installers switched off. Used by CTest and the scripts.
#
# TUMBLEWIT_TESTING=1 selects the tests' own prefix: no audio driver (the
# sounds fail silently instead of filling the log with ALSA's complaints),
# and windows that Wine frames itself, so nothing waits on a window manager
# the virtual display doesn't have.
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ "${TUMBLEWIT_TESTING:-0}" = 1 ]; then
    export WINEPREFIX="$here/build/wineprefix-test"
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winealsa.drv,winepulse.drv,wineoss.drv=d"
else
    export WINEPREFIX="$here/build/wineprefix"
fi
if [ ! -f "$WINEPREFIX/.tumblewit-ready" ]; then
    echo "wine-run: preparing the Wine prefix in $WINEPREFIX (once)..." >&2
    mkdir -p "$WINEPREFIX"
    # Marked ready only when every step worked, so a failed start is tried
    # again next time instead of leaving a half-made prefix for good.
    ready=1
    wineboot -i >/dev/null 2>&1 || ready=0
    if [ "$ready" = 1 ] && [ "${TUMBLEWIT_TESTING:-0}" = 1 ]; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || ready=0
    fi
    wineserver -w
    if [ "$ready" = 1 ]; then
        touch "$WINEPREFIX/.tumblewit-ready"
    else
        echo "wine-run: preparing $WINEPREFIX failed; it will be tried again" >&2
    fi
fi
exec wine "$@"
