#!/bin/sh
# Runs the setup tests in a Wine prefix made fresh for the run, inside the build folder: the
# machine starts without anything of ours on it, not even the control the other tests register.
# Usage: run-installer-tests.sh <prefix> <installer_tests.exe> [test options]
# The prefix is a copy of a pristine one (<prefix>.pristine), booted once and never run in.
set -eu
prefix=$1
shift
pristine="$prefix.pristine"
for p in "$prefix" "$pristine"; do
    case "$p" in
        "$HOME/.wine"|"$HOME/.wine/"*) echo "run-installer-tests: refusing to use $p" >&2; exit 2 ;;
    esac
done
# No menu or file-type entries for the Linux desktop: the setup's shortcut and file type stay
# inside the prefix.
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export XDG_DATA_HOME="$pristine.xdg/data" XDG_CONFIG_HOME="$pristine.xdg/config"

if [ ! -f "$pristine/system.reg" ]; then
    rm -rf "$pristine"
    mkdir -p "$pristine"
    WINEPREFIX="$pristine" wineboot -i </dev/null >/dev/null 2>&1
    WINEPREFIX="$pristine" wineserver -w </dev/null >/dev/null 2>&1 || true
    # The user's folders are links to the Unix home folder; plain folders keep everything here.
    for link in "$pristine"/drive_c/users/*/* \
                "$pristine"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/Templates; do
        if [ -L "$link" ]; then rm "$link" && mkdir "$link"; fi
    done
fi

export WINEPREFIX="$prefix"
[ -d "$prefix" ] && { wineserver -k </dev/null >/dev/null 2>&1 || true; }
rm -rf "$prefix"
cp -a "$pristine" "$prefix"

# A persistent server and Wine's services, started with their output detached, so that ctest
# does not wait for them (see tools/wine-run.sh).
wineserver -p 60 </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
rc=0
wine "$@" || rc=$?
wineserver -k </dev/null >/dev/null 2>&1 || true
exit $rc
