#!/bin/sh
# Runs a Windows program under Wine in a project-local prefix (never ~/.wine).
# A persistent wineserver is started first with its output detached, so that a runner
# reading this program's output through a pipe (ctest) does not wait for Wine's services.
set -eu
: "${WINEPREFIX:?WINEPREFIX must name a project-local Wine prefix}"
case "$WINEPREFIX" in
    "$HOME/.wine"|"$HOME/.wine/"*) echo "wine-run: refusing to use $WINEPREFIX" >&2; exit 2 ;;
esac
export WINEPREFIX WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            wineboot -i </dev/null >/dev/null 2>&1
            wineserver -w </dev/null >/dev/null 2>&1 || true
        fi
    ) 9>"$WINEPREFIX.lock"
fi
wineserver -p 60 </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
exec wine "$@"
