#!/bin/sh
# Builds the setup program with NSIS from the Windows build and the sample themes.
# Usage: installer/build-setup.sh <windows build folder> <output folder>
# Writes <output folder>/Velmora-<version>-setup.exe, the version taken from the program's
# version resource; VELMORA_SETUP_VERSION gives another (the tests build an older setup so).
set -eu
[ $# -eq 2 ] || { echo "usage: installer/build-setup.sh <windows build folder> <output folder>" >&2; exit 2; }
repo=$(cd "$(dirname "$0")/.." && pwd)
. "$repo/installer/nsis-files.sh"
win=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)

exe="$win/app/win32/Velmora.exe"
ocx="$win/flintor/win32/Flintor.ocx"
for f in "$exe" "$ocx"; do
    [ -f "$f" ] || { echo "build-setup: $f has not been built (make windows)" >&2; exit 1; }
done
version=${VELMORA_SETUP_VERSION:-$(sed -n 's/^#define VELMORA_VERSION_TEXT "\(.*\)"$/\1/p' \
    "$repo/app/win32/version.h")}
[ -n "$version" ] || { echo "build-setup: no version in version.h" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-setup.XXXXXX")
trap 'rm -rf "$work"' EXIT
: >"$work/samples-install.nsh"
: >"$work/samples-uninstall.nsh"
for vlr in "$repo"/themes/*/*.vlr; do
    folder=$(dirname "$vlr")
    name=$(basename "$folder")
    file=$(theme_file "$folder")
    dest="\$INSTDIR\\Themes\\$(nsis_escape "$name")"
    nsis_file_lists "$folder" "$dest" "$work/$name.install" "$work/$name.uninstall"
    {
        cat "$work/$name.install"
        printf '!insertmacro ADD_SAMPLE_ENTRY "%s\\%s"\n' "$dest" "$(nsis_escape "$file")"
    } >>"$work/samples-install.nsh"
    {
        cat "$work/$name.uninstall"
        printf '!insertmacro REMOVE_SAMPLE_ENTRY "%s\\%s"\n' "$dest" "$(nsis_escape "$file")"
    } >>"$work/samples-uninstall.nsh"
done

setup="$out/Velmora-$version-setup.exe"
makensis -V2 -WX -NOCD \
    "-DSOURCE_DIR=$repo" "-DVELMORA_EXE=$exe" "-DFLINTOR_OCX=$ocx" "-DSAMPLES=$work" \
    "-DVERSION=$version" "-DOUT_FILE=$setup" "$repo/installer/Velmora.nsi"
echo "Setup program: $setup"
