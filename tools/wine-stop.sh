#!/bin/sh
# Ends every Wine process of one prefix (if the prefix exists).
[ -d "$1" ] || exit 0
WINEPREFIX="$(cd "$1" && pwd)" wineserver -k >/dev/null 2>&1 || true
