#!/bin/sh
# Starts Velmora.exe under Wine in a prefix of its own inside the Windows build folder, with the
# sample themes installed. Usage: tools/run.sh <windows-build-dir> [theme file]
#
# A theme file (relative to the current folder or the repository, or absolute) is passed as the
# program's whole command line, its Windows path in double quotes, as a double-click does.
# With a display the program runs in the foreground. Without one it runs under a private Xvfb:
# the script waits for its first window, saves a screenshot (SCREENSHOT, default
# <build>/screenshot.png beside the Windows build folder), then ends the program and Wine.
# VELMORA_RUN_PROGRAM runs another Windows program instead (a path, or a Wine program such as
# notepad), to try the screenshot path. Without a theme file the headless run selects the entry
# VELMORA_RUN_SELECT (default Ocean; empty for none) in the main window's list before the
# screenshot, as a user's click would.
set -eu

usage="usage: tools/run.sh <windows-build-dir> [theme file]"
[ $# -ge 1 ] || { echo "$usage" >&2; exit 2; }
repo=$(cd "$(dirname "$0")/.." && pwd)

# No display: run this script again inside a private Xvfb that ends with it.
if [ -z "${DISPLAY:-}" ]; then
    exec "$repo/tools/with-xvfb.sh" env VELMORA_RUN_HEADLESS=1 "$0" "$@"
fi
headless="${VELMORA_RUN_HEADLESS:-0}"

win=$(cd "$1" && pwd)
theme="${2:-}"
prefix="$win/run-prefix"
case "$prefix" in
    "$HOME/.wine"|"$HOME/.wine/"*) echo "run: refusing to use $prefix" >&2; exit 2 ;;
esac
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

program="${VELMORA_RUN_PROGRAM:-$win/app/win32/Velmora.exe}"
name=$(basename "$program")
if [ -z "${VELMORA_RUN_PROGRAM:-}" ] && [ ! -f "$program" ]; then
    echo "run: $program has not been built (run 'make run', which builds it first)" >&2
    exit 1
fi

# The theme file named on the command line, found the way a user means it.
theme_path=""
if [ -n "$theme" ]; then
    case "$theme" in
        /*) theme_path="$theme" ;;
        *) if [ -e "$theme" ]; then theme_path="$PWD/$theme"; else theme_path="$repo/$theme"; fi ;;
    esac
    [ -f "$theme_path" ] || echo "run: note: $theme_path does not exist; passing it anyway"
fi

# The prefix is made once; the first boot takes several seconds.
if [ ! -f "$prefix/system.reg" ]; then
    echo "Preparing the Wine prefix $prefix (once)..."
    mkdir -p "$prefix"
    wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w </dev/null >/dev/null 2>&1 || true
fi
# A persistent server started with its output detached, and Wine's services booted, so that
# nothing Wine leaves running holds this script's output open.
wineserver -p 30 </dev/null >/dev/null 2>&1 || true
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
stop_wine() { wineserver -k </dev/null >/dev/null 2>&1 || true; }

# The sample themes, copied into the prefix and entered in the installed-theme store.
themes_win='C:\Program Files\Velmora\Themes'
themes_dir="$prefix/drive_c/Program Files/Velmora/Themes"
mkdir -p "$themes_dir"
reg="$win/run-themes.reg"
printf 'REGEDIT4\r\n\r\n' >"$reg"
installed=""
for vlr in "$repo"/themes/*/*.vlr; do
    [ -f "$vlr" ] || continue
    folder=$(basename "$(dirname "$vlr")")
    rm -rf "${themes_dir:?}/$folder"
    cp -r "$(dirname "$vlr")" "$themes_dir/$folder"
    # ThemeTitle as the program reads it: first in section [Velmora], any letter case, blanks
    # and enclosing quotes dropped; a theme without one is "[Untitled]".
    title=$(tr -d '\r' <"$vlr" | awk '
        /^[ \t]*\[/ { s = tolower($0); gsub(/[ \t]/, "", s); in_section = (s == "[velmora]"); next }
        in_section {
            eq = index($0, "="); if (eq == 0) next
            key = tolower(substr($0, 1, eq - 1)); gsub(/^[ \t]+|[ \t]+$/, "", key)
            if (key != "themetitle") next
            value = substr($0, eq + 1); gsub(/^[ \t]+|[ \t]+$/, "", value)
            if (value ~ /^".*"$/ || value ~ /^\047.*\047$/)
                value = substr(value, 2, length(value) - 2)
            print value; exit
        }')
    [ -n "$title" ] || title="[Untitled]"
    file_win="$themes_win\\$folder\\$(basename "$vlr")"
    printf '[HKEY_LOCAL_MACHINE\\Software\\Tolvane\\Quenmark\\Velmoras\\%s]\r\n@="%s"\r\n\r\n' \
        "$title" "$(printf '%s' "$file_win" | sed 's/\\/\\\\/g; s/"/\\"/g')" >>"$reg"
    installed="$installed $title"
done
wine regedit /S "$(winepath -w "$reg")" </dev/null >/dev/null 2>&1 ||
    echo "run: warning: the sample themes could not be entered in the registry" >&2
echo "Sample themes installed:$installed"

# The animation control, when it has been built.
ocx="$win/flintor/win32/Flintor.ocx"
if [ -f "$ocx" ]; then
    if wine regsvr32 /s "$(winepath -w "$ocx")" </dev/null >/dev/null 2>&1; then
        echo "Flintor.ocx registered"
    else
        echo "run: warning: regsvr32 could not register $ocx" >&2
    fi
fi

# The command line goes through a batch file, which hands it to the program exactly as
# written (Wine would escape quotes given as an argument). Batch files expand %, so double it.
if [ -f "$program" ]; then program_win=$(winepath -w "$program"); else program_win="$program"; fi
line="\"$program_win\""
if [ -n "$theme_path" ]; then
    line="$line \"$(winepath -w "$theme_path")\""
fi
bat="$win/run-velmora.bat"
printf '@echo off\r\n%s\r\n' "$(printf '%s' "$line" | sed 's/%/%%/g')" >"$bat"
printf "Starting %s under Wine: %s\n" "$name" "$line"

if [ "$headless" != 1 ]; then
    rc=0
    wine cmd /c "$(winepath -w "$bat")" || rc=$?
    exit $rc
fi

# Without a display: wait for the first mapped window larger than a pixel (Wine keeps some
# hidden 1x1 windows of its own), let it paint, take the screenshot, end everything.
shot="${SCREENSHOT:-$(dirname "$win")/screenshot.png}"
select=""
if [ -z "$theme" ] && [ -z "${VELMORA_RUN_PROGRAM:-}" ]; then
    select="${VELMORA_RUN_SELECT-Ocean}"
fi
selector="$win/tests/velmora_select.exe"
trap stop_wine EXIT
trap "exit 130" INT TERM
rm -f "$shot"
wine cmd /c "$(winepath -w "$bat")" </dev/null &
pid=$!
first_window() {
    xwininfo -root -children 2>/dev/null | awk '
        $1 ~ /^0x/ { for (i = NF; i > 1; i--) if ($i ~ /^[0-9]+x[0-9]+[+-]/) {
            split($i, g, /[x+-]/); if (g[1] > 1 && g[2] > 1) print $1; break } }' |
        while read -r id; do
            if xwininfo -id "$id" 2>/dev/null | grep -q "Map State: IsViewable"; then
                echo "$id"
                break
            fi
        done
}
waited=0
while :; do
    window=$(first_window)
    if [ -n "$window" ]; then
        title=$(xwininfo -id "$window" | sed -n 's/^xwininfo: Window id: [^ ]* //p')
        if [ -n "$select" ] && [ -f "$selector" ]; then
            # Waits for the main window itself, then selects as the end-to-end tests do.
            wine "$selector" "$select" </dev/null >/dev/null 2>&1 ||
                echo "run: could not select \"$select\" in the main window" >&2
        fi
        sleep 1.5
        mkdir -p "$(dirname "$shot")"
        xwd -root -silent | convert xwd:- "png:$shot"
        echo "$name showed a window $title; screenshot saved to $shot"
        stop_wine
        wait "$pid" 2>/dev/null || true
        exit 0
    fi
    if ! kill -0 "$pid" 2>/dev/null; then
        rc=0
        wait "$pid" || rc=$?
        echo "$name ended (exit code $rc) without showing a window; no screenshot taken."
        exit "$rc"
    fi
    if [ "$waited" -ge 80 ]; then
        echo "$name showed no window within 20 seconds; ending it. No screenshot taken." >&2
        exit 1
    fi
    sleep 0.25
    waited=$((waited + 1))
done
