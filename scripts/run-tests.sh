#!/bin/sh
# Builds and runs every test twice: a normal build (build/) and an AddressSanitizer +
# UndefinedBehaviorSanitizer build (build-sanitize/), both warning-free. The fuzz targets'
# corpora are replayed in both; with clang available each fuzz target also runs for a minute. Then the
# Debian package is built, checked and installed into a fresh Debian 12 root, korvex-cli runs
# against korvex-mini-emu on the kernel's USB HID stack in a QEMU guest, and the Windows programs
# are cross-built and run under wine.
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

# Each runs even when one before it fails; each says in one line when it is skipped.
failed=0
sh scripts/package-test.sh || failed=1
sh scripts/guest-test.sh || failed=1

# korvex-cli and the configurator cross-built for Windows and run under wine. Qt for mingw is built
# first where it is not cached on this machine (scripts/qt-mingw.sh, about 10 minutes on 2 idle cores,
# once); KORVEX_WINDOWS_GUI=0 leaves the configurator out and builds no Qt.
{ sh scripts/build-windows.sh && sh scripts/test-windows.sh; } || failed=1
exit "$failed"
