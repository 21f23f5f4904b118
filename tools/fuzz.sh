#!/usr/bin/env bash
# Fuzzes one target for as long as asked, with a random seed, to find new
# faults; the test command only replays the corpus and fuzzes a fixed number
# of runs. New inputs go to build/fuzz/long/TARGET and anything that fails to
# build/fuzz/artifacts/TARGET; the corpus in fuzz/corpus is only read. Keep
# what a fault needs in the corpus, committed with the fix (the command to do
# so is printed at the end).
# Usage: tools/fuzz.sh TARGET MINUTES   (targets: the fuzz_*.cpp in fuzz/)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# != 2 ] || [ ! -f "fuzz/fuzz_$1.cpp" ] || ! [[ $2 =~ ^[0-9]+$ ]]; then
    echo "usage: $0 TARGET MINUTES; targets: $(cd fuzz && ls fuzz_*.cpp | sed 's/^fuzz_//; s/\.cpp$//' | xargs)" >&2
    exit 2
fi
target=$1 minutes=$2
tools/install-deps.sh
mkdir -p build
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DORB_FUZZ=ON \
    >build/fuzz.configure.log
cmake --build build/fuzz -j"$(nproc)" --target "fuzz_$target"

found=build/fuzz/long/$target artifacts=build/fuzz/artifacts/$target
mkdir -p "$found" "$artifacts"
QT_HASH_SEED=0 UBSAN_OPTIONS=print_stacktrace=1 "build/fuzz/fuzz/fuzz_$target" \
    -max_total_time=$((minutes * 60)) -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$found" "fuzz/corpus/$target"
echo "New inputs: $(ls "$found" | wc -l) in $found. To keep those that add coverage:"
echo "  build/fuzz/fuzz/fuzz_$target -merge=1 fuzz/corpus/$target $found"
