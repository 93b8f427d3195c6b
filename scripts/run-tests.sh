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

# korvex-cli cross-built for Windows and run under wine; the configurator too where Qt for mingw is
# built on this machine already. Its first build takes about 40 minutes of both cores, more than
# the whole test command: KORVEX_WINDOWS_GUI=1 builds it (once; it is cached), =0 leaves it out.
windows_gui() {  # the Windows build's packages, then whether the configurator is built too
    sh scripts/windows-deps.sh || return 1
    [ -z "${KORVEX_WINDOWS_GUI:-}" ] || return 0
    KORVEX_WINDOWS_GUI=0
    if sh scripts/qt-mingw.sh --cached >/dev/null 2>&1; then
        KORVEX_WINDOWS_GUI=1
    else
        echo "skipped: the configurator for Windows, as Qt for mingw is not built on this machine" \
            "yet (KORVEX_WINDOWS_GUI=1 sh scripts/run-tests.sh builds it, about 40 minutes)"
    fi
}
{ windows_gui && export KORVEX_WINDOWS_GUI && sh scripts/build-windows.sh && sh scripts/test-windows.sh; } ||
    failed=1
exit "$failed"
