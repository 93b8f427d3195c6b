#!/bin/sh
# What a screen reader sees of the configurator: starts it under Xvfb on a private session bus with
# its own accessibility bus and walks its tree with pyatspi (atspi-walk.py). Usage:
# atspi-test.sh PROGRAM. KORVEX_A11Y_SHOTS=DIR also keeps screenshots of the screen in DIR.
set -eu
program=$1
python=/usr/bin/python3  # pyatspi is a Debian package: Debian's own Python
for tool in xvfb-run xauth dbus-run-session /usr/libexec/at-spi-bus-launcher "$python"; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "accessibility: $tool is missing (sh scripts/install-deps.sh)"
        exit 1
    fi
done
if ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "accessibility: pyatspi is missing (sh scripts/install-deps.sh)"
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
# The window at 200 % is 1470 pixels wide: a screen that holds it whole.
# -noreset: an X server resets when its last client leaves, and a client that connects meanwhile
# (the configurator, just after the accessibility bus set its property and left) is refused.
xvfb-run -a -s "-noreset -screen 0 1600x1000x24" \
    dbus-run-session -- "$python" "$(dirname "$0")/atspi-walk.py" "$program" "$work"
