#!/bin/sh
# Runs the Windows build of korvex-cli under wine: the command-line test program's cases through
# korvex-cli.exe, then the same commands through both builds, whose outputs must be identical
# byte for byte; then the configurator and the setup program (scripts/test-windows-gui.sh).
# Needs build/ (scripts/run-tests.sh) and build-windows-gui/ (scripts/build-windows.sh); with
# KORVEX_WINDOWS_GUI=0 only korvex-cli.exe, from build-windows/.
# Prints one line per check and "N passed, N failed" at the end.
set -u
cd "$(dirname "$0")/.."
root=$(pwd)
linux="$root/build/bin/korvex-cli"
windows_build="$root/build-windows-gui"
[ "${KORVEX_WINDOWS_GUI:-1}" = 0 ] && windows_build="$root/build-windows"
exe="$windows_build/bin/korvex-cli.exe"
. scripts/wine-checks.sh
for needed in "$linux" "$root/build/bin/test-cli" "$exe" "$wine"; do
    [ -x "$needed" ] || { echo "test-windows: $needed is missing" >&2; exit 1; }
done

start_wine "$windows_build/wine-prefix" "$exe"
work=$(mktemp -d)
trap 'rm -rf "$work"; /usr/lib/wine/wineserver -k 2>/dev/null' EXIT

started=$(date +%s)
# wine converts a program's arguments from the Unix locale's character set, and without a UTF-8
# locale it keeps only the low 7 bits of every byte: wine runs under C.UTF-8 whatever the
# caller's locale, and the test program runs once with the caller's locale and once with none.
wine_locale=LC_ALL=C.UTF-8
no_locale="-u LANG -u LANGUAGE -u LC_ALL -u LC_CTYPE -u LC_MESSAGES -u LC_COLLATE -u LC_NUMERIC"
for locale in "the caller's locale" "no locale"; do
    unset_locale=""
    [ "$locale" = "no locale" ] && unset_locale=$no_locale
    # shellcheck disable=SC2086
    check "the command-line test program through korvex-cli.exe, $locale" env $unset_locale \
        KORVEX_BIN_DIR="$root/build/bin" KORVEX_SOURCE_DIR="$root" \
        KORVEX_CLI="env $wine_locale $wine $exe" "$root/build/bin/test-cli" --gtest_brief=1
done
export "$wine_locale"

win() { "$wine" "$exe" "$@"; }
same() { cmp "$1" "$2"; }

mkdir -p "$work/linux" "$work/windows"
head -c 40000 /dev/urandom >"$work/firmware.hash"
time="--time 2026-12-08T21:30"
both() {  # OUTPUT-NAME, then the arguments with @OUT@ for the output and @IN@ for the inputs' folder
    out=$1
    shift
    linux_args=$(printf '%s ' "$@" | sed "s|@OUT@|$work/linux/$out|g; s|@IN@|$work|g")
    windows_args=$(printf '%s ' "$@" | sed "s|@OUT@|$(winpath "$work/windows/$out" | sed 's/\\/\\\\/g')|g; s|@IN@|$(winpath "$work" | sed 's/\\/\\\\/g')|g")
    # shellcheck disable=SC2086
    "$linux" $linux_args >"$work/linux/$out.stdout" 2>&1 && win $windows_args >"$work/windows/$out.stdout" 2>&1 &&
        same "$work/linux/$out" "$work/windows/$out"
}
check "defaults: the same configuration file" both d.cfg defaults -o @OUT@
cp "$work/linux/d.cfg" "$work/station.cfg"
sed -i 's/^Callsign=NOCALL/Callsign=SP5AB/' "$work/station.cfg"
check "encode: the same image" both e.bin encode @IN@/station.cfg -o @OUT@ $time
cp "$work/linux/e.bin" "$work/image.bin"
check "decode: the same configuration file" both x.cfg decode @IN@/image.bin -o @OUT@
check "ruf: the same remote update file" both u.ruf ruf @IN@/station.cfg @IN@/firmware.hash -o @OUT@ $time
tr -d '\r' <"$work/station.cfg" >"$work/lf-only.cfg"
check "encode of a file with LF-only lines: the same image" both lf.bin encode @IN@/lf-only.cfg -o @OUT@ $time
check "a configuration file with LF-only lines encodes as its CRLF original" same "$work/linux/lf.bin" "$work/linux/e.bin"

# The simulated device: written by one build, read back by the other.
check "write to a simulated device (backslash path)" win write "$(winpath "$work/station.cfg")" $time --simulate "$(winpath "$work/sim")"
check "read back by the Linux build" sh -c "'$linux' read -o '$work/linux/back.cfg' --simulate '$work/sim' >/dev/null && grep -q '^Callsign=SP5AB' '$work/linux/back.cfg'"
check "read by both builds: the same file" both r.cfg read -o @OUT@ --simulate @IN@/sim
cd "$work" && check "a relative path with a backslash" sh -c "'$wine' '$exe' defaults -o 'windows\\rel.cfg' && cmp linux/d.cfg windows/rel.cfg"
cd "$root" || exit 1
check "the real device search finds no Korvex Mini" sh -c "'$wine' '$exe' version | tr -d '\r' | grep -qx 'Korvex Mini not found.'"

echo "wine checks took $(($(date +%s) - started)) s"
echo "windows: $passed passed, $failed failed"
/usr/lib/wine/wineserver -k 2>/dev/null
gui=0
if [ "${KORVEX_WINDOWS_GUI:-1}" != 0 ]; then
    sh scripts/test-windows-gui.sh || gui=1
fi
[ "$failed" -eq 0 ] && [ "$gui" -eq 0 ]
