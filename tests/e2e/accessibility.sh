#!/usr/bin/env bash
# Every window and control on the desktop's accessibility bus, where screen
# readers read them, reached with the keyboard alone (accessibility.py).
# Skipped, with the reason, where the machine cannot start the bus.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"

skip() {
    echo "SKIPPED: $TEST_NAME: $*"
    exit 77
}
command -v dbus-run-session >/dev/null || skip "no dbus-run-session (Debian package dbus)"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "no at-spi-bus-launcher (package at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "no pyatspi (package python3-pyatspi)"

# The about window's link hands its address to the desktop's opener.
record_opener

dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/accessibility.py" "$APP" "$WORK" \
    2> >(grep -v -e 'Failed to set fd limit' -e 'Activating service' -e 'Successfully activated' >&2)
