#!/bin/sh
# Hears the configurator through the Orca screen reader as a blind user does: Orca, its speech
# server (speech logged to a file instead of a sound card), a window manager and the configurator
# on a simulated device run under Xvfb on a private session bus; orca-listen.py presses keys and
# fails when an expected utterance is missing. Usage: orca-test.sh PROGRAM.
# KORVEX_ORCA_KEEP=DIR keeps the speech, Orca's debug log and the program's output in DIR.
set -eu
program=$1
python=/usr/bin/python3  # pyatspi and Orca are Debian packages: Debian's own Python
for tool in orca speech-dispatcher openbox xdotool xvfb-run xauth dbus-run-session \
    /usr/libexec/at-spi-bus-launcher /usr/lib/speech-dispatcher-modules/sd_generic "$python"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "screen-reader: FAIL Orca cannot start: $tool is missing (sh scripts/install-deps.sh)"
        exit 1
    fi
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
# -noreset: an X server resets when its last client leaves, and a client that connects meanwhile
# (the configurator, just after the accessibility bus set its property and left) is refused.
xvfb-run -a -s "-noreset -screen 0 1280x1024x24" \
    dbus-run-session -- "$python" "$(dirname "$0")/orca-listen.py" "$program" "$work"
