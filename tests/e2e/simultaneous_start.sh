#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Two copies started at the same moment: exactly one main window; the other
# copy shows "SORRY" and ends.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"

# Both copies wait at a gate (a named pipe) and pass it together: each reads
# one line, and both lines are written at once. This script holds the pipe
# open, so a copy that reaches the gate late still finds its line.
gate="$WORK/gate"
mkfifo "$gate"
exec 3<>"$gate"
for copy in 1 2; do
    (
        exec 3>&-
        read -r _ <"$gate"
        exec "$APP"
    ) >"$WORK/app-race-$copy.log" 2>&1 &
    APP_PIDS+=("$!")
done
a=${APP_PIDS[0]} b=${APP_PIDS[1]}
printf 'go\ngo\n' >&3

# Whichever copy won, the other one shows the box.
deadline=$(($(now_us) + E2E_TIMEOUT * 1000000))
while :; do
    box_a=$(find_windows "$SORRY_TITLE_RE" "$a")
    box_b=$(find_windows "$SORRY_TITLE_RE" "$b")
    [ -n "$box_a$box_b" ] && break
    [ "$(now_us)" -lt "$deadline" ] || fail "neither copy said SORRY: both run"
    sleep 0.05
done
[ -z "$box_a" ] || [ -z "$box_b" ] || fail "both copies said SORRY: neither runs"
if [ -n "$box_a" ]; then
    winner=$b loser=$a box=$box_a
else
    winner=$a loser=$b box=$box_b
fi

main=$(wait_window "$MAIN_TITLE_RE" "$winner") || exit 1
[ "$(find_windows "$MAIN_TITLE_RE" | count_lines)" -eq 1 ] ||
    fail "more than one main window on the screen"
[ "$(other_windows "$loser" "$box" | count_lines)" -eq 0 ] ||
    fail "the refused copy shows more than its message box"

press_key "$box" Return
wait_exit "$loser"
[ "$EXIT_STATUS" -eq 0 ] || fail "the refused copy ended with status $EXIT_STATUS"
is_running "$winner" || fail "the copy that won ended when the other was refused"
[ "$(find_windows "$MAIN_TITLE_RE" | count_lines)" -eq 1 ] ||
    fail "the winner's main window is gone"

press_key "$main" Escape
wait_exit "$winner"
