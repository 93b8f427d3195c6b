#!/bin/sh
# Installs what the Windows build and its tests under wine need: mingw-w64, NSIS, the host Qt tools,
# wine with its fonts, Xvfb, openbox and xdotool. Unpacks Debian's hidapi source package into
# build-windows/hidapi-source for hidapi's Windows backend. The hidapi and qt6-base source
# packages need a deb-src entry for the mirror apt already uses, which this script adds when it
# is missing. Does nothing more when all of it is there.
set -eu
cd "$(dirname "$0")/.."
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

packages="g++-mingw-w64-x86-64-posix dpkg-dev zip nsis qt6-base-dev qt6-base-dev-tools cmake
ninja-build wine64 fonts-wine xvfb openbox xdotool x11-utils imagemagick unzip"
missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done

source_dir=build-windows/hidapi-source
if ! apt-get source --print-uris hidapi >/dev/null 2>&1; then
    [ -n "$(apt-cache policy | grep -E '^ +[0-9]+ https?:')" ] || $sudo apt-get update -qq
    # The mirror and release of the first plain Debian package list apt reads.
    mirror=$(apt-cache policy | awk '$2 ~ /^https?:/ && $3 ~ /\/main$/ && $3 !~ /-/ {
        split($3, suite, "/"); print $2, suite[1]; exit }')
    [ -n "$mirror" ] || { echo "windows-deps: no Debian mirror found in apt's lists" >&2; exit 1; }
    set -- $mirror
    echo "Adding a deb-src entry for $1 $2"
    printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
        "$1" "$2" | $sudo tee /etc/apt/sources.list.d/korvex-deb-src.sources >/dev/null
    $sudo apt-get update -qq
fi
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    [ -n "$(find /var/lib/apt/lists -name '*Packages*' 2>/dev/null | head -n 1)" ] || $sudo apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
fi
if [ ! -f "$source_dir/windows/hid.c" ]; then
    work=$(mktemp -d)
    (cd "$work" && apt-get source --download-only hidapi >/dev/null 2>&1 &&
        dpkg-source --no-check -x ./*.dsc unpacked >/dev/null)
    mkdir -p build-windows
    rm -rf "$source_dir"
    mv "$work/unpacked" "$source_dir"
    rm -rf "$work"
fi
