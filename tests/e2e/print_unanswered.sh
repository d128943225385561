#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# A printing system that takes connections and never answers (a hung cupsd,
# a print server that is down): after Print the windows go on painting and
# answering keys, one "Tintwell" message says so after a few seconds, and
# Esc while a print waits still ends the program at once.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"

# The silent printing system, and no printer settings of the machine's.
export CUPS_SERVERROOT="$WORK/cups" CUPS_SERVER="$WORK/cups/cups.sock"
unset LPDEST PRINTER
mkdir -p "$CUPS_SERVERROOT"
python3 -c '
import socket, sys, time
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
server.listen(16)
held = []
while True:
    held.append(server.accept()[0])
' "$CUPS_SERVER" &
silent=$!
APP_PIDS+=("$silent") # ended with the program by the harness
until [ -S "$CUPS_SERVER" ]; do sleep 0.05; done

app_start
pid=$APP_PID
preview=$(open_preview "$pid") || exit 1

click_print() {
    window_geometry "$preview"
    xdotool mousemove $((WIN_X + 235)) $((WIN_Y + WIN_H - 470)) click 1
}

started=$(now_us)
click_print
sleep 0.5
# The File menu opens and closes while the print waits.
windows=$(find_windows '' "$pid" | count_lines)
press_key "$preview" alt+f
deadline=$(($(now_us) + 2000000))
until [ "$(find_windows '' "$pid" | count_lines)" -gt "$windows" ]; do
    [ "$(now_us)" -lt "$deadline" ] || fail "the File menu did not open while the print waited"
    sleep 0.05
done
press_key "$preview" Escape
message=$(wait_window '^Tintwell$' "$pid")
waited=$((($(now_us) - started) / 1000))
((waited >= 4000)) || fail "the printing system was given up on after $waited ms, not a few seconds"
press_key "$message" Return
wait_gone '^Tintwell$' "$pid" "the message about the silent printing system"
[ -n "$(find_windows '^Preview Color$' "$pid")" ] || fail "the preview did not stay"

# Esc while a print waits ends the program at once.
click_print
sleep 0.5
press_key "$preview" Escape
wait_exit "$pid" 2
