#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Print through a driverless IPP Everywhere queue, the way current printers
# are set up, to CUPS's own IPP printer: CUPS's whole filter chain turns the
# program's PDF into the PWG raster that the printer keeps. On Letter, then
# on A4 paper, the page that arrives is one page of that paper with the
# swatch at its natural size, in its exact colour, centred across the paper
# near its top; and so on Letter through a class of printers.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(dirname "$0")
source "$here/ipp-printer.sh"
ipp_printer_namespace "$0" "$@"
E2E_BUDGET=140 # four jobs through the whole filter chain
source "$here/harness.sh"
e2e_begin "$1"
start_ipp_printer "$WORK" || fail "the IPP printer did not start"
e2e_private_cups
QUEUE=tintwell-ipp
lpadmin -p "$QUEUE" -E -v "$IPP_URI" -m everywhere ||
    fail "CUPS made no driverless queue for the IPP printer"
lpadmin -d "$QUEUE"

COLOUR=255,0,51
app_start
pid=$APP_PID
preview_of_colour "$pid"
preview=$PREVIEW

print_and_read() {
    local before question deadline
    before=$(find "$IPP_SPOOL" -name '*.pwg' | wc -l)
    window_geometry "$preview"
    xdotool mousemove $((WIN_X + 235)) $((WIN_Y + WIN_H - 470)) click 1
    question=$(wait_window '^PRINT NOW\?$' "$pid") || exit 1
    press_key "$question" Return
    deadline=$(($(now_us) + 40000000))
    until [ "$(find "$IPP_SPOOL" -name '*.pwg' | wc -l)" -gt "$before" ]; do
        [ "$(now_us)" -lt "$deadline" ] || fail "no page reached the IPP printer"
        sleep 0.2
    done
    # The printer writes the file as the job comes, and CUPS's backend waits
    # for the printer to finish: the file is whole once CUPS's job is done.
    PWG=$(find "$IPP_SPOOL" -name '*.pwg' -printf '%T@ %p\n' | sort -n | tail -1 | cut -d' ' -f2-)
    until [ "$(lpstat -o "$QUEUE" | wc -l)" = 0 ]; do
        [ "$(now_us)" -lt "$deadline" ] || fail "the job did not complete"
        sleep 0.2
    done
    eval "$(python3 "$here/pwg_raster.py" "$PWG" "$COLOUR")"
}

check_page() {
    local paper=$1 want_w=$2 want_h=$3
    local started=$(now_us)
    print_and_read
    echo "$paper: $(( ($(now_us) - started) / 1000 )) ms" >&2
    keep_artifact "$PWG" "print_real_printer_$paper.pwg"
    [ -n "${left:-}" ] || fail "$paper: no dot of the swatch's exact colour $COLOUR on the page"
    check_swatch_page "$paper" "$want_w" "$want_h" "$left" "$right" "$top" 0.01
    unset left right top bottom
}

check_page letter 8.5 11
# The queue's default paper changed in its settings: the next print follows.
lpadmin -p "$QUEUE" -o media=iso_a4_210x297mm
check_page a4 8.2677 11.6929
# The person's own default (lpoptions, in the private HOME) goes before the queue's.
lpoptions -p "$QUEUE" -o media=na_legal_8.5x14in
check_page legal 8.5 14
# A class of two driverless printers, as in a computer room: it describes
# no paper of its own, and the page is its printers' Letter.
for member in Lab_1 Lab_2; do
    lpadmin -p "$member" -E -v "$IPP_URI" -m everywhere ||
        fail "CUPS made no driverless queue $member for the IPP printer"
    lpadmin -p "$member" -c Lab
done
cupsenable Lab
cupsaccept Lab
lpoptions -d Lab >/dev/null
QUEUE=Lab
check_page class 8.5 11

press_key "$preview" Escape
wait_exit "$pid" 5
