#!/bin/sh
# Runs a Windows program under the project's own Wine prefix, quietly, with
# Wine's Mono and Gecko installers switched off. Used by CTest and the scripts.
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${TUMBLEWIT_WINEPREFIX:-$here/build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Tests have no sound card: without an audio driver the sounds fail silently
# instead of filling the log with ALSA's complaints.
if [ "${TUMBLEWIT_NO_AUDIO:-0}" = 1 ]; then
    export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winealsa.drv,winepulse.drv,wineoss.drv=d"
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-run: preparing the Wine prefix in $WINEPREFIX (once)..." >&2
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi
exec wine "$@"
