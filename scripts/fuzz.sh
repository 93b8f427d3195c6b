#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60) on a copy of
# its checked-in corpus.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for source in fuzz/*_fuzz.cpp; do
    target=$(basename "$source" .cpp)
    work=$(mktemp -d)
    cp -r "fuzz/corpus/$target/." "$work/" 2>/dev/null || true
    echo "fuzzing $target for ${seconds}s"
    "build-fuzz/bin/$target" -max_total_time="$seconds" -max_len=8192 -print_final_stats=0 "$work" \
        2>&1 | tail -n 2
    rm -rf "$work"
done
