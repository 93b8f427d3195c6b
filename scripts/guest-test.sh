#!/bin/sh
# The real USB HID path: boots a small QEMU guest (Debian's kernel from /boot, plain emulation)
# from an initramfs with busybox, the uhid and hid-generic modules, korvex-cli, korvex-mini-emu
# and their libraries, and runs the checks of scripts/guest-checks.sh there against /dev/hidrawN.
# Then times the same transfers against the in-process simulated device here. One line per
# check; exits non-zero when a check fails; one line and status 0 when something is missing.
set -eu
cd "$(dirname "$0")/.."
bin=build/bin
skip() {
    echo "guest test skipped: $*"
    exit 0
}

if [ ! -x "$bin/korvex-cli" ] || [ ! -x "$bin/korvex-mini-emu" ]; then
    skip "$bin/korvex-cli or $bin/korvex-mini-emu is not built"
fi
for tool in qemu-system-x86_64 cpio modprobe ldd; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool not installed (sh scripts/install-deps.sh)"
done
[ -x /bin/busybox ] || skip "busybox not installed (sh scripts/install-deps.sh)"
kernel=""
for modules in $(ls -d /lib/modules/* 2>/dev/null | sort -r); do
    version=$(basename "$modules")
    if [ -r "/boot/vmlinuz-$version" ] && modprobe -S "$version" --show-depends uhid >/dev/null 2>&1; then
        kernel=/boot/vmlinuz-$version
        break
    fi
done
[ -n "$kernel" ] || skip "no readable /boot/vmlinuz-* with its uhid module (linux-image-amd64; needs root)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
initrd=$work/initrd
mkdir -p "$initrd/bin" "$initrd/sbin" "$initrd/usr/bin" "$initrd/usr/sbin" "$initrd/dev" \
    "$initrd/proc" "$initrd/sys" "$initrd/tmp" "$initrd/modules"

# A program and the shared libraries it loads, at their own paths.
copy_program() {
    strip --strip-debug -o "$initrd/usr/bin/$(basename "$1")" "$1" 2>/dev/null ||
        cp "$1" "$initrd/usr/bin/"
    for library in $(ldd "$1" | awk '/\// { print ($2 == "=>") ? $3 : $1 }'); do
        mkdir -p "$initrd$(dirname "$library")"
        cp -L "$library" "$initrd$library"
    done
}
cp /bin/busybox "$initrd/bin/busybox"
ldd /bin/busybox >/dev/null 2>&1 && copy_program /bin/busybox
copy_program "$bin/korvex-cli"
copy_program "$bin/korvex-mini-emu"

# uhid and hid-generic with the modules they need, in loading order.
modprobe -S "$version" -a --show-depends uhid hid-generic | awk '$1 == "insmod" { print $2 }' |
    awk '!seen[$0]++' >"$work/modules"
while read -r module; do
    name=$(basename "$module" | sed 's/\.ko.*$//').ko
    case "$module" in
    *.xz) xz -dc "$module" >"$initrd/modules/$name" ;;
    *.zst) zstd -qdc "$module" >"$initrd/modules/$name" ;;
    *) cp "$module" "$initrd/modules/$name" ;;
    esac
    echo "$name" >>"$initrd/modules.list"
done <"$work/modules"

head -c $((33 * 32)) /dev/urandom >"$initrd/fw33.hash"
head -c $((7680 * 32)) /dev/urandom >"$initrd/fw7680.hash"
cp scripts/guest-checks.sh "$initrd/checks.sh"
cat >"$initrd/init" <<'INIT'
#!/bin/busybox sh
/bin/busybox --install -s
export PATH=/bin:/sbin:/usr/bin:/usr/sbin
mount -t proc proc /proc
mount -t sysfs sysfs /sys
mount -t devtmpfs devtmpfs /dev
for module in $(cat /modules.list); do insmod "/modules/$module"; done
sh /checks.sh
poweroff -f
INIT
chmod 755 "$initrd/init"
(cd "$initrd" && find . | cpio -o -H newc --quiet) | gzip -1 >"$work/initrd.gz"

# Plain emulation by default: a guest does not boot with KVM on these machines.
# KORVEX_GUEST_ACCEL=kvm tries KVM where it works.
accel=${KORVEX_GUEST_ACCEL:-tcg}
start=$(date +%s)
status=0
timeout 170 qemu-system-x86_64 -accel "$accel" -m 512 -smp 1 -nodefaults -display none -no-reboot \
    -serial "file:$work/console.log" -kernel "$kernel" -initrd "$work/initrd.gz" \
    -append "console=ttyS0 quiet panic=-1 rdinit=/init" </dev/null >"$work/qemu.log" 2>&1 ||
    status=$?
elapsed=$(($(date +%s) - start))
tr -d '\r' <"$work/console.log" | sed -n 's/^guest: //p' | sed 's/^/guest: /'
if [ "$status" -ne 0 ] || ! grep -q '^guest: done, 0 failed' "$work/console.log"; then
    echo "guest test FAILED (qemu status $status, $elapsed s)"
    grep -q '^guest: done' "$work/console.log" || tail -n 20 "$work/console.log" "$work/qemu.log"
    exit 1
fi
echo "guest test: all checks passed, guest ran $elapsed s ($(basename "$kernel"), $accel)"

# The same transfers against the in-process simulated device, for comparison.
seconds_of() { tr -d '\r' <"$work/console.log" | sed -n "s/^guest: ok   $1: .*(\([0-9.]*\) s)\$/\1/p"; }
host_time() {
    from=$(date +%s.%N)
    "$bin/korvex-cli" "$@" --simulate "$work/sim" >/dev/null
    awk -v a="$from" -v b="$(date +%s.%N)" 'BEGIN { printf "%.3f", b - a }'
}
"$bin/korvex-cli" defaults -o "$work/defaults.cfg" >/dev/null
read_host=$(host_time read -o "$work/read.cfg")
write_host=$(host_time write "$work/defaults.cfg")
firmware_host=$(host_time firmware "$initrd/fw7680.hash")
echo "guest test: 192-page read $(seconds_of read) s in the guest, $read_host s in-process here"
echo "guest test: 192-page write $(seconds_of write) s in the guest, $write_host s in-process here"
echo "guest test: 7680-page upload $(seconds_of 'firmware 7680') s in the guest, $firmware_host s in-process here"
