#!/bin/sh
# Runs every fuzz target of a fuzz build folder for FUZZ_SECONDS each (default 60).
set -eu
dir="$1"
seconds="${FUZZ_SECONDS:-60}"
for target in "$dir"/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$dir/corpus/$name"
    mkdir -p "$corpus"
    seeds="$(dirname "$0")/../fuzz/seeds/$name"
    echo "== $name ($seconds s)"
    if [ -d "$seeds" ]; then
        "$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus" "$seeds"
    else
        "$target" -max_total_time="$seconds" -print_final_stats=1 "$corpus"
    fi
done
