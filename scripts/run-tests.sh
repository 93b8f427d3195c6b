#!/bin/sh
# Builds and runs every test twice: a normal build (build/) and an AddressSanitizer +
# UndefinedBehaviorSanitizer build (build-sanitize/), both warning-free. The fuzz targets'
# corpora are replayed in both; with clang available each fuzz target also runs for a minute.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh

cmake --preset default
cmake --build --preset default
ctest --preset default

cmake --preset sanitize
cmake --build --preset sanitize
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset sanitize

if command -v clang++-14 >/dev/null 2>&1; then
    sh scripts/fuzz.sh 60
fi
