#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# What a screen-reader user hears: Orca, the desktop's screen reader, run
# against the program while the keyboard walks through every window
# (screen_reader.py). Orca logs what it would say instead of speaking.
# Skipped, with the reason, where Orca or the accessibility bus cannot start.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"

command -v orca >/dev/null || e2e_skip "no orca (Debian package orca)"
e2e_need_accessibility_bus

# Print asks its question only with a default printer: a private queue.
e2e_private_cups
# Orca keeps its settings under the private HOME.
export XDG_DATA_HOME="$HOME/.local/share"

# Its status is the test's: 77 when Orca or the bus could not start.
status=0
dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$APP" "$WORK" \
    2> >(grep -v -e 'Failed to set fd limit' -e 'Activating service' -e 'Successfully activated' \
        -e 'SpiRegistry daemon is running' >&2) || status=$?
exit "$status"
