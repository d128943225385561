#!/usr/bin/env bash
# What a screen-reader user hears: Orca, the desktop's screen reader, run
# against the program while the keyboard walks through every window
# (screen_reader.py). Orca logs what it would say instead of speaking.
# Skipped, with the reason, where Orca or the accessibility bus cannot start.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"

skip() {
    echo "SKIPPED: $TEST_NAME: $*"
    exit 77
}
command -v orca >/dev/null || skip "no orca (Debian package orca)"
command -v dbus-run-session >/dev/null || skip "no dbus-run-session (Debian package dbus)"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "no at-spi-bus-launcher (package at-spi2-core)"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || skip "no pyatspi (package python3-pyatspi)"

# Print asks its question only with a default printer: a private queue.
e2e_private_cups
# Orca keeps its settings under the private HOME.
export XDG_DATA_HOME="$HOME/.local/share"

dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$APP" "$WORK" \
    2> >(grep -v -e 'Failed to set fd limit' -e 'Activating service' -e 'Successfully activated' \
        -e 'SpiRegistry daemon is running' >&2)
