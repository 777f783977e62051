#!/bin/sh
# The folders of the program stand in layers; a file includes only from its own layer or one
# below it. Prints every folder with the folders it uses and fails on an include that climbs.
#
# From the ground up. A win32/ folder stands just above its parent: it may include its parent
# and anything below, and the portable folders never include a win32/ folder.
set -eu
cd "$(dirname "$0")/.."
layers="platform registry store browser theme ui flintor mainwindow editor app"

rank() {  # rank of a folder: twice its layer's position, plus one for its win32/ side
    base=${1%/win32}
    i=0
    for layer in $layers; do
        if [ "$layer" = "$base" ]; then
            [ "$base" = "$1" ] && echo $((2 * i)) || echo $((2 * i + 1))
            return
        fi
        i=$((i + 1))
    done
    echo -1
}

status=0
for folder in $(for l in $layers; do echo "$l"; [ -d "$l/win32" ] && echo "$l/win32"; done); do
    own=$(rank "$folder")
    used=$(grep -ho '^#include "[^"]*/[^"]*"' "$folder"/*.h "$folder"/*.cpp "$folder"/*.rc \
               2>/dev/null | sed 's/^#include "//; s#/[^/]*"$##' | sort -u | grep -vx "$folder" || true)
    printf '%-18s uses: %s\n' "$folder" "$(echo $used)"
    for target in $used; do
        theirs=$(rank "$target")
        portable_to_win32=false
        case "$folder/$target" in */win32/*) ;; *win32) portable_to_win32=true ;; esac
        if [ "$theirs" -lt 0 ] || [ "$theirs" -gt "$own" ] || $portable_to_win32; then
            echo "  UPWARD: $folder includes from $target" >&2
            status=1
        fi
    done
done
[ $status -eq 0 ] && echo "No folder includes from one above it."
exit $status
