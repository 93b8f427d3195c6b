#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60) on a copy of
# its checked-in corpus.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
failed=0
# A small quarantine keeps freed memory warm for the next input: the default one makes every
# allocation touch fresh pages, which costs more than most inputs' work.
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=16:thread_local_quarantine_size_kb=64:max_malloc_fill_size=0}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for source in fuzz/*_fuzz.cpp; do
    target=$(basename "$source" .cpp)
    work=$(mktemp -d)
    cp -r "fuzz/corpus/$target/." "$work/" 2>/dev/null || true
    # The longest input: a profile's rules hold line by line, so two KiB (a hundred lines) try
    # them all, and faster; the others take a whole image or configuration file.
    case "$target" in
        profilefile_fuzz) max_len=2048 ;;
        *) max_len=8192 ;;
    esac
    echo "fuzzing $target for ${seconds}s, inputs up to $max_len bytes"
    status=0
    "build-fuzz/bin/$target" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 \
        -artifact_prefix="$work/" "$work" >"$work.log" 2>&1 || status=$?
    if [ "$status" -ne 0 ]; then
        # A finding: show the report and keep the input that caused it.
        tail -n 40 "$work.log"
        mkdir -p build-fuzz/findings
        cp "$work"/crash-* "$work"/leak-* "$work"/timeout-* build-fuzz/findings/ 2>/dev/null || true
        failed=1
    else
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work.log")
        speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work.log")
        echo "$target: $runs executions, $speed per second, no findings"
    fi
    rm -rf "$work" "$work.log"
done
exit "$failed"
