#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Esc in the main window ends the program at once, with status 0.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"

app_start
pid=$APP_PID
win=$(wait_window "$MAIN_TITLE_RE" "$pid") || exit 1

press_key "$win" Escape
wait_exit "$pid" 5
[ "$EXIT_STATUS" -eq 0 ] || fail "the program ended with status $EXIT_STATUS after Esc"
[ "$(find_windows "$MAIN_TITLE_RE" | count_lines)" -eq 0 ] ||
    fail "a main window is still on the screen after the program ended"

# Ending by Esc lets go of the single-instance lock: the next start opens
# its main window, with no "SORRY".
app_start
next=$APP_PID
win=$(wait_window "$MAIN_TITLE_RE" "$next") || exit 1
[ "$(find_windows "$SORRY_TITLE_RE" | count_lines)" -eq 0 ] ||
    fail "the next start was refused after Esc ended the first"
press_key "$win" Escape
wait_exit "$next" 5
