#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Every window and control on the desktop's accessibility bus, where screen
# readers read them, reached with the keyboard alone (accessibility.py).
# Skipped, with the reason, where the machine cannot start the bus.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"

e2e_need_accessibility_bus

# The about window's link hands its address to the desktop's opener.
record_opener

dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/accessibility.py" "$APP" "$WORK" \
    2> >(grep -v -e 'Failed to set fd limit' -e 'Activating service' -e 'Successfully activated' >&2)
