#!/bin/sh
# Runs the Windows configurator and its setup program under wine on a virtual X display (Xvfb and
# openbox): the main window and its title; --version and --help; "Write config" and "Read config"
# pressed with xdotool against a simulated device, the device's image compared byte for byte with
# what korvex-cli writes from the same file at the same time; a screenshot of the main window
# (build-windows-gui/configurator-wine.png); then a silent install into the wine prefix, the
# installed programs, and the uninstaller. Needs build/ (scripts/run-tests.sh) and
# build-windows-gui/ (scripts/build-windows.sh). Prints one line per check and "N passed, N failed".
set -u
cd "$(dirname "$0")/.."
root=$(pwd)
out=$root/build-windows-gui
gui=$out/bin/korvex-configurator.exe
linux=$root/build/bin/korvex-cli
setup=$(ls "$out"/korvex-mini-configurator-*-setup.exe 2>/dev/null | head -n 1)
. scripts/wine-checks.sh
[ -f "$setup" ] || { echo "test-windows-gui: the setup program is missing in $out" >&2; exit 1; }
for needed in "$linux" "$gui" "$wine" /usr/bin/Xvfb /usr/bin/openbox /usr/bin/xdotool \
    /usr/bin/xwininfo /usr/bin/import; do
    [ -x "$needed" ] || { echo "test-windows-gui: $needed is missing" >&2; exit 1; }
done
title="Korvex Mini Configurator v1.10"
time="2026-12-08T21:30"

work=$(mktemp -d)
display_pid=""
cleanup() {
    /usr/lib/wine/wineserver -k 2>/dev/null
    [ -z "$display_pid" ] || kill "$display_pid" "$wm_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

started=$(date +%s)

# A display of its own: the first free number from 90 on.
number=90
while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
export DISPLAY=":$number"
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
display_pid=$!
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >"$work/openbox.log" 2>&1 &
wm_pid=$!

# A wine prefix of its own, with the Tahoma font that Qt takes for Windows' dialog font: without
# it Qt falls back to a wide serif font that the window's fields are too narrow for.
start_wine "$out/wine-prefix-gui" "$out/bin/korvex-cli.exe"
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp /usr/share/wine/fonts/tahoma*.ttf "$fonts/" 2>/dev/null
tahoma() {
    [ -f "$fonts/tahoma.ttf" ] ||
        { echo "wine has no Tahoma (/usr/share/wine/fonts/tahoma.ttf, Debian's fonts-wine):" \
            "the window would be judged in a fallback font that clips its fields"; return 1; }
}
check "Tahoma is in the wine prefix" tahoma
tahoma >/dev/null
has_tahoma=$?

check "--version prints the version" sh -c "'$wine' '$gui' --version | tr -d '\r' | grep -qx '$title'"
check "--help prints the usage" sh -c "'$wine' '$gui' --help | tr -d '\r' | grep -q '^Usage: korvex-configurator'"

# The windows of the program that are not its main window: its message boxes and questions.
boxes() {
    xdotool search --onlyvisible --name . 2>/dev/null | while read -r id; do
        [ "$id" = "$main" ] || echo "$id"
    done
}
# Answers every open box with its first button: the focus starts on the default, the last button
# (Cancel in a question), and Tab goes round to the first ("Write" in the write question,
# "Discard" in the question on unsaved changes, OK where there is only OK); space presses it.
answer_boxes() {
    for box in $(boxes); do
        echo "answered a box titled \"$(xdotool getwindowname "$box")\"" >>"$work/boxes.log"
        xdotool windowactivate --sync "$box" >/dev/null 2>&1 || xdotool windowfocus "$box"
        xdotool key --clearmodifiers Tab space
        sleep 0.5
    done
}
# Presses keys in the main window: the buttons by their underlined letters (alt+r "Read config",
# alt+w "Write config"), wherever the focus was left by the action before.
keys() {
    xdotool windowactivate --sync "$main" >/dev/null 2>&1 || xdotool windowfocus "$main"
    xdotool key --clearmodifiers "$@"
}
# Waits (at most three minutes: a write with its backup read and verify is 576 page exchanges,
# slow under wine) until FILE has the bytes of EXPECTED with no box open, answering boxes.
settles_to() {
    for _ in $(seq 360); do
        answer_boxes
        if cmp -s "$1" "$2" && [ -z "$(boxes)" ]; then
            return 0
        fi
        sleep 0.5
    done
    echo "the device's eeprom.bin never became the expected image"
    cat "$work/boxes.log" 2>/dev/null
    cmp -l "$1" "$2" | head -n 5
    return 1
}
# Waits until a box has come and gone and none has come for two seconds.
box_answered() {
    answered=0
    quiet=0
    for _ in $(seq 120); do
        if [ -n "$(boxes)" ]; then
            answer_boxes
            answered=1
            quiet=0
        elif [ "$answered" -eq 1 ]; then
            quiet=$((quiet + 1))
            [ "$quiet" -lt 4 ] || return 0
        fi
        sleep 0.5
    done
    echo "no box came"
    return 1
}
window_shown() {
    for _ in $(seq 120); do
        main=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
        [ -n "$main" ] && break
        sleep 0.5
    done
    [ -n "$main" ] || { echo "no window titled \"$title\" within a minute"; return 1; }
    xwininfo -id "$main" >"$work/window.txt"
    grep -q "Map State: IsViewable" "$work/window.txt" &&
        grep -q "^xwininfo: Window id: 0x[0-9a-f]* \"$title\"\$" "$work/window.txt"
}

# The simulated device of the window, and korvex-cli's own devices for the expected images. The
# window reads the device before a write and writes only what changes, so korvex-cli first puts
# other settings there (at another time); without a backup korvex-cli writes whatever it holds.
"$linux" defaults -o "$work/defaults.cfg" >/dev/null
sed 's/^Callsign=NOCALL/Callsign=SP5AB/; s/^Beacon1_msg=.*/Beacon1_msg=Korvex under wine/' \
    "$work/defaults.cfg" >"$work/station.cfg"
put() {  # FOLDER FILE TIME: the image korvex-cli leaves on a simulated device
    "$linux" write "$2" --time "$3" --no-backup --simulate "$1" >/dev/null
}
put "$work/expect-defaults" "$work/defaults.cfg" "$time"
put "$work/expect-station" "$work/station.cfg" "$time"
device="$work/device"
put "$device" "$work/station.cfg" 2025-01-02T03:04
main=""
if [ "$has_tahoma" -eq 0 ]; then
    "$wine" "$gui" --simulate "$(winpath "$device")" --time "$time" >"$work/gui.log" 2>&1 &
    check "the main window is shown, titled \"$title\"" window_shown
fi
if [ -n "$main" ]; then
    sleep 1
    import -window "$main" "$out/configurator-wine.png" 2>/dev/null
    check "a screenshot of the main window" test -s "$out/configurator-wine.png"
    keys alt+w  # "Write config"
    check "\"Write config\" leaves the image that korvex-cli writes from the same settings" \
        settles_to "$device/eeprom.bin" "$work/expect-defaults/eeprom.bin"

    # "Read config" takes korvex-cli's settings into the window; written again (over other
    # settings) at the window's time, they give korvex-cli's image of the same file at that time
    # only when every setting came across.
    put "$device" "$work/station.cfg" 2025-01-02T03:04
    keys alt+r  # "Read config"
    check "\"Read config\" ends with the firmware version box" box_answered
    put "$device" "$work/defaults.cfg" 2025-01-02T03:04
    keys alt+w  # "Write config"
    check "\"Read config\" read every setting: written again, the image is korvex-cli's" \
        settles_to "$device/eeprom.bin" "$work/expect-station/eeprom.bin"
    xdotool windowclose "$main" 2>/dev/null || xdotool key --window "$main" alt+F4
    box_answered >/dev/null 2>&1
fi

# The zip: both programs as built, README.txt with CRLF line ends, their licence and hidapi's, the
# settings reference and the user guide with its pictures inside.
zip=$(ls "$out"/korvex-mini-configurator-*-windows-x86_64.zip 2>/dev/null | head -n 1)
zip_holds() {
    [ -n "$zip" ] || { echo "no zip in $out"; return 1; }
    members=$(unzip -Z1 "$zip" | tr '\n' ' ')
    [ "$members" = "LICENSE LICENSE-hidapi.txt README.txt korvex-cli.exe korvex-configurator.exe korvex-guide.html korvex-settings.html " ] ||
        { echo "the zip holds: $members"; return 1; }
    unzip -p "$zip" korvex-configurator.exe | cmp - "$gui" || return 1
    unzip -p "$zip" korvex-cli.exe | cmp - "$out/bin/korvex-cli.exe" || return 1
    lines=$(unzip -p "$zip" README.txt | wc -l)
    returns=$(unzip -p "$zip" README.txt | tr -cd '\r' | wc -c)
    [ "$lines" -gt 0 ] && [ "$lines" -eq "$returns" ] ||
        { echo "README.txt: $returns of $lines lines end in CRLF"; return 1; }
    inside=$(unzip -p "$zip" korvex-guide.html | grep -c 'src="data:image/png;base64,') || true
    outside=$(unzip -p "$zip" korvex-guide.html | grep -c 'src="guide/') || true
    [ "$inside" -gt 0 ] && [ "$outside" -eq 0 ] ||
        { echo "korvex-guide.html: $inside pictures inside, $outside outside"; return 1; }
}
check "the zip holds both programs, README.txt (CRLF), their licence, hidapi's, the settings reference and the user guide" zip_holds

# The setup program, silent, into the prefix's Program Files; then the uninstaller.
programs="$WINEPREFIX/drive_c/Program Files/Korvex Mini Configurator"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Korvex Mini Configurator.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\KorvexMiniConfigurator'
check "the setup program installs silently (/S)" "$wine" "$setup" /S
check "both programs and the user guide are in Program Files" \
    test -f "$programs/korvex-configurator.exe" -a -f "$programs/korvex-cli.exe" -a -f "$programs/uninstall.exe" -a -f "$programs/korvex-guide.html"
check "the Start menu entry \"Korvex Mini Configurator\"" test -f "$shortcut"
check "the uninstaller is registered among the installed apps" \
    sh -c "'$wine' reg query '$key' /v UninstallString | tr -d '\r' | grep -q 'uninstall.exe'"
check "the installed configurator runs" \
    sh -c "'$wine' 'C:\\Program Files\\Korvex Mini Configurator\\korvex-configurator.exe' --version | tr -d '\r' | grep -qx '$title'"
check "the installed korvex-cli runs" \
    sh -c "'$wine' 'C:\\Program Files\\Korvex Mini Configurator\\korvex-cli.exe' defaults -o '$(winpath "$work/installed.cfg")' >/dev/null &&
        cmp '$work/defaults.cfg' '$work/installed.cfg'"
uninstalled() {
    "$wine" "C:\\Program Files\\Korvex Mini Configurator\\uninstall.exe" /S || return 1
    # The uninstaller runs on from a copy of itself in the temporary folder.
    for _ in $(seq 120); do
        [ -e "$programs" ] || [ -e "$shortcut" ] || break
        sleep 0.5
    done
    [ ! -e "$programs" ] || { echo "left behind:"; ls -la "$programs"; return 1; }
    [ ! -e "$shortcut" ] || { echo "left behind: $shortcut"; return 1; }
    ! "$wine" reg query "$key" >/dev/null 2>&1 || { echo "still registered: $key"; return 1; }
}
check "the uninstaller removes the programs, the entry and the registration" uninstalled

echo "configurator under wine took $(($(date +%s) - started)) s"
echo "windows configurator: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
