#!/bin/sh
# Builds the Debian package (build/), checks it with lintian, desktop-file-validate and
# appstreamcli, then installs it with apt into a fresh Debian 12 minbase root made by debootstrap
# from the mirror apt uses here, where both programs must run. KORVEX_BUILD_DIR: another build
# folder than build/. One line per check; exits non-zero
# when a check fails, and says so in one line when a step is skipped for lack of something.
set -eu
cd "$(dirname "$0")/.."
build=${KORVEX_BUILD_DIR:-build}
suite=bookworm
package=korvex-mini-configurator
failed=0
root=""
work=$(mktemp -d)

cleanup() {
    if [ -n "$root" ]; then
        umount "$root/proc" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

pass() { echo "package: ok   $*"; }
fail() {
    echo "package: FAIL $*"
    failed=1
}
skip() { echo "package: skipped $*"; }

[ -f "$build/CMakeCache.txt" ] || cmake --preset default >/dev/null
cmake --build "$build" --target package >"$work/cpack.log" 2>&1 || {
    tail -n 30 "$work/cpack.log"
    fail "cmake --build $build --target package"
    exit 1
}
deb=$(ls -t "$build"/${package}_*.deb | head -n 1)
echo "package: $deb, $(($(stat -c %s "$deb") / 1024)) KiB"
echo "package: Depends: $(dpkg-deb -f "$deb" Depends)"

# The packaged files themselves, as a desktop and a software centre read them.
dpkg-deb -x "$deb" "$work/files"
# The documents generated at build time: the settings reference as HTML and manual page, and the
# user guide with the pictures it shows.
reference=usr/share/doc/$package/korvex-settings.html
guide=usr/share/doc/$package/korvex-guide.html
if [ -s "$work/files/$reference" ] &&
    grep -q '<section id="Callsign">' "$work/files/$reference" &&
    zcat "$work/files/usr/share/man/man5/korvex-settings.5.gz" | grep -q '^\.SH NAME'; then
    pass "settings reference installed: /$reference, korvex-settings(5)"
else
    fail "settings reference: /$reference or /usr/share/man/man5/korvex-settings.5.gz missing"
fi
missing=""
for picture in $(sed -n 's/.*<img src="\([^"]*\)".*/\1/p' "$work/files/$guide" 2>/dev/null); do
    [ -s "$work/files/usr/share/doc/$package/$picture" ] || missing="$missing $picture"
done
if [ -s "$work/files/$guide" ] && [ -z "$missing" ]; then
    pass "user guide installed with its pictures: /$guide"
else
    fail "user guide: /$guide or its pictures missing:$missing"
fi
if command -v lintian >/dev/null 2>&1; then
    if lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1; then
        pass "lintian: no errors, no warnings"
    else
        fail "lintian:"
        grep -E '^(E|W):' "$work/lintian.log" || cat "$work/lintian.log"
    fi
else
    skip "lintian: not installed (sh scripts/install-deps.sh)"
fi
if command -v desktop-file-validate >/dev/null 2>&1; then
    for entry in "$work"/files/usr/share/applications/*.desktop; do
        if desktop-file-validate "$entry" >"$work/desktop.log" 2>&1 &&
            ! grep -q 'error:' "$work/desktop.log"; then
            pass "desktop-file-validate $(basename "$entry")"
        else
            fail "desktop-file-validate $(basename "$entry"):"
            cat "$work/desktop.log"
        fi
    done
else
    skip "desktop-file-validate: not installed (sh scripts/install-deps.sh)"
fi
if command -v appstreamcli >/dev/null 2>&1; then
    for metainfo in "$work"/files/usr/share/metainfo/*.xml; do
        if appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1; then
            pass "appstreamcli validate $(basename "$metainfo")"
        else
            fail "appstreamcli validate $(basename "$metainfo"):"
            cat "$work/appstream.log"
        fi
    done
else
    skip "appstreamcli: not installed (sh scripts/install-deps.sh)"
fi

# A fresh Debian 12 root from the mirror apt uses, and apt installing the package into it.
mirror=$(apt-cache policy 2>/dev/null | awk -v suite="$suite/main" '$3 == suite { print $2; exit }')
if [ "$(id -u)" -ne 0 ]; then
    skip "install into a fresh Debian 12 root: needs root (debootstrap, chroot)"
elif ! command -v debootstrap >/dev/null 2>&1; then
    skip "install into a fresh Debian 12 root: debootstrap not installed"
elif [ -z "$mirror" ] || ! wget -q -T 10 -t 1 --spider "$mirror/dists/$suite/Release"; then
    [ -n "$mirror" ] || mirror="no $suite mirror among the sources of apt"
    skip "install into a fresh Debian 12 root: Debian's packages cannot be reached ($mirror)"
else
    root="$work/root"
    start=$(date +%s)
    if debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$work/debootstrap.log" 2>&1; then
        pass "debootstrap --variant=minbase $suite from $mirror ($(($(date +%s) - start)) s)"
    else
        tail -n 20 "$work/debootstrap.log"
        fail "debootstrap --variant=minbase $suite from $mirror"
        exit 1
    fi
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    mount -t proc proc "$root/proc"
    cp "$deb" "$root/tmp/"
    in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

    # No udev runs in the root: the maintainer scripts must go through regardless.
    start=$(date +%s)
    if in_root apt-get update -qq >"$work/apt.log" 2>&1 &&
        in_root DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
            "/tmp/$(basename "$deb")" >>"$work/apt.log" 2>&1; then
        pass "apt-get install ./$(basename "$deb") without a running udev ($(($(date +%s) - start)) s)"
    else
        tail -n 30 "$work/apt.log"
        fail "apt-get install ./$(basename "$deb")"
        exit 1
    fi
    for file in /usr/bin/korvex-cli /usr/bin/korvex-configurator \
        /usr/lib/udev/rules.d/70-korvex-mini.rules /usr/share/applications/korvex-configurator.desktop \
        /usr/share/icons/hicolor/256x256/apps/korvex-configurator.png; do
        [ -e "$root$file" ] || fail "installed: $file is missing"
    done

    # korvex-cli --version once the command line offers it; the program's version is the package's.
    version=$(dpkg-deb -f "$deb" Version)
    if in_root korvex-cli --help 2>&1 | grep -q -- '--version'; then
        if in_root korvex-cli --version 2>&1 | grep -qF "$version"; then
            pass "korvex-cli --version shows $version"
        else
            fail "korvex-cli --version does not show $version"
        fi
    else
        skip "korvex-cli --version: this korvex-cli has no --version option"
    fi
    if in_root korvex-cli defaults -o /tmp/x.cfg >"$work/cli.log" 2>&1 &&
        grep -q '^\[Radio\]' "$root/tmp/x.cfg"; then
        pass "korvex-cli defaults -o x.cfg"
    else
        cat "$work/cli.log"
        fail "korvex-cli defaults -o x.cfg"
    fi
    # Still running after five seconds (timeout's status 124): the window came up and stayed.
    status=0
    in_root QT_QPA_PLATFORM=offscreen timeout 5 korvex-configurator >"$work/gui.log" 2>&1 ||
        status=$?
    if [ "$status" -eq 124 ]; then
        pass "korvex-configurator runs offscreen for 5 s"
    else
        cat "$work/gui.log"
        fail "korvex-configurator offscreen ended with status $status within 5 s"
    fi
    if in_root apt-get purge -y "$package" >"$work/purge.log" 2>&1 &&
        [ ! -e "$root/usr/lib/udev/rules.d/70-korvex-mini.rules" ]; then
        pass "apt-get purge $package without a running udev"
    else
        tail -n 20 "$work/purge.log"
        fail "apt-get purge $package"
    fi
fi
exit "$failed"
