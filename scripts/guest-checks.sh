#!/bin/sh
# Runs inside the QEMU guest of guest-test.sh (busybox sh): each row of the table starts
# korvex-mini-emu with its options, runs korvex-cli against it through /dev/hidrawN and hidapi,
# and checks the exit status and one line of the output (a whole line, as a grep pattern). Prints one "guest: " line per check.

# name | emulator options ("-": no emulator) | korvex-cli arguments | status | expected line |
# kill the emulator (SIGKILL) once the output has this line ("-": never)
checks='
version        |                      | version                    | 0 | Firmware version: 1.10  | -
read           |                      | read -o /tmp/read.cfg      | 0 | Eeprom read success.    | -
write          |                      | write /tmp/defaults.cfg    | 0 | Eeprom write success    | -
firmware 33    |                      | firmware /fw33.hash        | 0 | Firmware upgrade success | -
firmware 7680  |                      | firmware /fw7680.hash      | 0 | Firmware upgrade success | -
silent page    | --sim-fault silent:5 | read -o /tmp/silent.cfg    | 1 | Page read error: 6/192  | -
emulator killed |                     | firmware /fw7680.hash      | 1 | Page write error: [0-9]*/7680 | Page written: 200/7680
write cut off  | --folder /tmp/emu --sim-fault unplug:write:10 | write /tmp/station.cfg --backup-dir /tmp/backups | 1 | The device now holds a partly written configuration .* | -
restore        | --folder /tmp/emu        | restore --backup-dir /tmp/backups | 0 | Eeprom verify success | -
not found      | -                    | version                    | 1 | Korvex Mini not found.  | -
'

failed=0
# Seconds since boot, to the hundredth.
now() { cut -d ' ' -f 1 /proc/uptime; }
trim() { echo "$1" | sed 's/^ *//; s/ *$//'; }
hidraw_present() { ls /dev/hidraw* >/dev/null 2>&1; }

# Waits up to five seconds for the hidraw node to appear (yes) or go (no).
wait_hidraw() {
    tries=0
    while [ "$tries" -lt 500 ]; do
        if hidraw_present; then [ "$1" = yes ] && return 0; else [ "$1" = no ] && return 0; fi
        usleep 10000
        tries=$((tries + 1))
    done
    return 1
}

korvex-cli defaults -o /tmp/defaults.cfg >/dev/null
# A station that differs from a fresh device, for the write that is cut off and then restored.
cp /tmp/defaults.cfg /tmp/station.cfg
korvex-cli set /tmp/station.cfg Txdelay=300 >/dev/null

echo "$checks" | while IFS='|' read -r name emulator arguments status expected kill_at; do
    name=$(trim "$name")
    [ -n "$name" ] || continue
    emulator=$(trim "$emulator")
    arguments=$(trim "$arguments")
    status=$(trim "$status")
    expected=$(trim "$expected")
    kill_at=$(trim "$kill_at")
    emu=""
    if [ "$emulator" != "-" ]; then
        # shellcheck disable=SC2086
        korvex-mini-emu $emulator >/tmp/emu.log 2>&1 &
        emu=$!
        if ! wait_hidraw yes; then
            echo "guest: FAIL $name: no /dev/hidraw node from korvex-mini-emu: $(cat /tmp/emu.log)"
            kill -9 "$emu" 2>/dev/null
            failed=$((failed + 1))
            echo "$failed" >/tmp/failed
            continue
        fi
    fi
    start=$(now)
    # shellcheck disable=SC2086
    timeout 20 korvex-cli $arguments >/tmp/out.log 2>&1 &
    cli=$!
    if [ "$kill_at" != "-" ]; then
        while kill -0 "$cli" 2>/dev/null && ! grep -qF "$kill_at" /tmp/out.log; do
            usleep 2000
        done
        kill -9 "$emu" 2>/dev/null
    fi
    wait "$cli"
    got=$?
    seconds=$(awk -v a="$start" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }')
    if [ -n "$emu" ]; then
        kill "$emu" 2>/dev/null
        wait "$emu" 2>/dev/null
        wait_hidraw no
    fi
    if [ "$got" = "$status" ] && grep -qx "$expected" /tmp/out.log; then
        echo "guest: ok   $name: exit $got, \"$(grep -x "$expected" /tmp/out.log | head -n 1)\" (${seconds} s)"
    else
        echo "guest: FAIL $name: exit $got (wanted $status), \"$expected\" wanted; output ends:"
        tail -n 3 /tmp/out.log | sed 's/^/guest:        /'
        failed=$((failed + 1))
    fi
    echo "$failed" >/tmp/failed
done

echo "guest: done, $(cat /tmp/failed 2>/dev/null || echo 0) failed"
