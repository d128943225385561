#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# A copy that is killed (SIGKILL: no clean-up of any kind) leaves its lock
# file behind; the next start must take it over and open its main window.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"

app_start
killed=$APP_PID
wait_window "$MAIN_TITLE_RE" "$killed" >/dev/null || exit 1
locks=$(find "$XDG_RUNTIME_DIR" -name 'tintwell.lock*' | count_lines)
[ "$locks" -ge 1 ] || fail "the running copy holds no lock file in $XDG_RUNTIME_DIR"

kill -KILL "$killed"
wait_exit "$killed"
[ -n "$(find "$XDG_RUNTIME_DIR" -name 'tintwell.lock*')" ] ||
    fail "the killed copy left no lock file behind, so this test proves nothing"

app_start
next=$APP_PID
win=$(wait_window "$MAIN_TITLE_RE" "$next") || exit 1
[ "$(find_windows "$SORRY_TITLE_RE" | count_lines)" -eq 0 ] ||
    fail "the next start shows SORRY: the killed copy's lock blocks it"
# shellcheck disable=SC2046
wait_pixels "$CYAN" $(sample_points "$win")

# The copy that took the lock over holds it: a third copy is refused.
app_start
third=$APP_PID
box=$(wait_window "$SORRY_TITLE_RE" "$third") || exit 1
press_key "$box" Return
wait_exit "$third"
[ "$EXIT_STATUS" -eq 0 ] || fail "the refused copy ended with status $EXIT_STATUS"

press_key "$win" Escape
wait_exit "$next"
