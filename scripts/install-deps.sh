#!/bin/sh
# Installs the Debian 12 packages that building and testing need (sudo when not root).
# Does nothing when they are all present already.
set -eu
packages="build-essential cmake ninja-build pkgconf qt6-base-dev qt6-base-dev-tools libhidapi-dev
libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth fonts-dejavu-core clang-14 libclang-rt-14-dev
libcli11-dev nlohmann-json3-dev scdoc
dbus at-spi2-core python3-pyatspi imagemagick orca speech-dispatcher espeak-ng openbox xdotool
dpkg-dev file lintian appstream desktop-file-utils debootstrap wget
qemu-system-x86 linux-image-amd64 busybox-static cpio"
missing=""
for package in $packages; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing="$missing $package"
done
[ -z "$missing" ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing:$missing"
$sudo apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends $missing
