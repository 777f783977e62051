# Shell functions of the setup builders (sourced): the NSIS lines that install a folder's files
# and remove exactly those files again, and the folder's one theme file. Paths hold
# backslashes, so every line goes out through printf '%s' (sh's echo would read "\n" in them).

# A text inside an NSIS double-quoted string: "$" stands for itself only when doubled, and a
# double quote is written $\".
nsis_escape() {
    printf '%s' "$1" | sed 's/\$/$$/g; s/"/$\\"/g'
}

# nsis_file_lists <folder> <destination as an NSIS path> <install.nsh> <uninstall.nsh>
# Every regular file below the folder except hidden ones (names starting with a dot); the
# uninstall lines delete the files, then the folders deepest first, the destination last.
nsis_file_lists() {
    src=$(cd "$1" && pwd)
    dest=$2
    : >"$3"
    : >"$4"
    bad=$(cd "$src" && find . -name '.?*' -prune -o -print | grep '["*?<>|:\\]' || true)
    if [ -n "$bad" ]; then
        printf 'nsis-files: names Windows cannot hold in %s:\n%s\n' "$src" "$bad" >&2
        return 1
    fi
    dirs=$(cd "$src" && find . -name '.?*' -prune -o -type d -print | LC_ALL=C sort)
    printf '%s\n' "$dirs" | while IFS= read -r dir; do
        win="$dest$(nsis_escape "${dir#.}" | tr '/' '\\')"
        printf 'SetOutPath "%s"\n' "$win" >>"$3"
        (cd "$src/$dir" && find . -maxdepth 1 -type f ! -name '.*' | LC_ALL=C sort) |
            while IFS= read -r file; do
                name=${file#./}
                printf 'File "%s"\n' "$(nsis_escape "$src${dir#.}/$name")" >>"$3"
                printf 'Delete "%s\\%s"\n' "$win" "$(nsis_escape "$name")" >>"$4"
            done
    done
    printf '%s\n' "$dirs" | LC_ALL=C sort -r | while IFS= read -r dir; do
        printf 'RMDir "%s%s"\n' "$dest" "$(nsis_escape "${dir#.}" | tr '/' '\\')" >>"$4"
    done
}

# theme_file <folder>: the name of the folder's one theme file (*.vlr, any letter case).
theme_file() {
    found=$(cd "$1" && find . -maxdepth 1 -type f -iname '*.vlr' | sed 's|^\./||')
    count=$(printf '%s' "$found" | grep -c . || true)
    if [ "$count" -ne 1 ]; then
        printf 'nsis-files: %s must hold exactly one theme file (*.vlr); it holds %s\n' \
            "$1" "$count" >&2
        return 1
    fi
    printf '%s\n' "$found"
}
