#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# A second copy started while one runs shows "SORRY" and no main window, and
# ends with status 0 when the box is dismissed; the first copy goes on.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"

app_start
first=$APP_PID
main=$(wait_window "$MAIN_TITLE_RE" "$first") || exit 1
# shellcheck disable=SC2046
wait_pixels "$CYAN" $(sample_points "$main")

app_start
second=$APP_PID
box=$(wait_window "$SORRY_TITLE_RE" "$second") || exit 1
sorry_title=$(xdotool getwindowname "$box")

# The box is all the second copy shows: no main window of its own, and
# exactly one main window on the screen, the first copy's.
others=$(other_windows "$second" "$box" | count_lines)
[ "$others" -eq 0 ] || fail "the second copy shows $others window(s) besides the message box"
mains=$(find_windows "$MAIN_TITLE_RE" | count_lines)
[ "$mains" -eq 1 ] || fail "$mains main windows on the screen, expected the first copy's only"

press_key "$box" Return
wait_exit "$second"
[ "$EXIT_STATUS" -eq 0 ] || fail "the second copy ended with status $EXIT_STATUS, not 0"

# The first copy is untouched: still running, its window still there and
# repainted where the box was, and it still answers the keyboard.
is_running "$first" || fail "the first copy ended when the second was refused"
[ "$(find_windows "$MAIN_TITLE_RE" "$first" | count_lines)" -eq 1 ] ||
    fail "the first copy's main window is gone"
# shellcheck disable=SC2046
wait_pixels "$CYAN" $(sample_points "$main")
press_key "$main" Escape
wait_exit "$first"
[ "$EXIT_STATUS" -eq 0 ] || fail "the first copy ended with status $EXIT_STATUS after Esc"

# Checked last, so that a wrong title does not hide how the copies behave.
[ "$sorry_title" = "$SORRY_TITLE" ] || fail "the message box is titled '$sorry_title', not '$SORRY_TITLE'"
