#!/bin/sh
# The test command's fuzz run of one target: the committed corpus is replayed,
# then RUNS inputs are tried from a fixed seed. New inputs go only to OUTPUT,
# emptied first, so every run of the same commit does the same.
# Usage: replay-and-fuzz.sh TARGET OUTPUT CORPUS RUNS
set -eu
target=$1 output=$2 corpus=$3 runs=$4
rm -rf "$output"
mkdir -p "$output"
exec "$target" -seed=1 -runs="$runs" -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 -reload=0 \
    -artifact_prefix="$output/" "$output" "$corpus"
