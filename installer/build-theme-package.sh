#!/bin/sh
# Builds a theme package, a setup program for one theme, with NSIS.
# Usage: installer/build-theme-package.sh <theme folder> <output folder>
# The folder holds one theme file (*.vlr) and everything it names; its name names the package:
# themes/Ocean gives <output folder>/Ocean-theme.exe.
set -eu
[ $# -eq 2 ] || { echo "usage: installer/build-theme-package.sh <theme folder> <output folder>" >&2; exit 2; }
repo=$(cd "$(dirname "$0")/.." && pwd)
. "$repo/installer/nsis-files.sh"
[ -d "$1" ] || { echo "build-theme-package: $1 is not a folder" >&2; exit 1; }
theme=$(cd "$1" && pwd)
name=$(basename "$theme")
file=$(theme_file "$theme")
mkdir -p "$2"
out=$(cd "$2" && pwd)

work=$(mktemp -d "${TMPDIR:-/tmp}/velmora-theme.XXXXXX")
trap 'rm -rf "$work"' EXIT
nsis_file_lists "$theme" '$INSTDIR' "$work/install.nsh" "$work/uninstall.nsh"

# The theme's own "Copyright" line, for the package's version information only.
copyright=$(tr -d '\r' <"$theme/$file" | sed -n 's/^[[:space:]]*[Cc][Oo][Pp][Yy][Rr][Ii][Gg][Hh][Tt][[:space:]]*=[[:space:]]*//p' | head -n 1)

package="$out/$name-theme.exe"
makensis -V2 -WX -NOCD \
    "-DSOURCE_DIR=$repo" "-DTHEME_NAME=$(nsis_escape "$name")" "-DTHEME_FILE=$(nsis_escape "$file")" \
    "-DTHEME_COPYRIGHT=$(nsis_escape "${copyright:-Copyright (c) the theme's author}")" \
    "-DFILES=$work" "-DOUT_FILE=$package" "$repo/installer/ThemePackage.nsi"
echo "Theme package: $package"
