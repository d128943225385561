#!/usr/bin/env bash
# Print through a driverless IPP Everywhere queue, the way current printers
# are set up, to CUPS's own IPP printer: CUPS's whole filter chain turns the
# program's PDF into the PWG raster that the printer keeps. On Letter, then
# on A4 paper, the page that arrives is one page of that paper with the
# swatch at its natural size, in its exact colour, centred across the paper
# near its top.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(dirname "$0")
source "$here/ipp-printer.sh"
ipp_printer_namespace "$0" "$@"
E2E_BUDGET=110 # three jobs through the whole filter chain
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
preview=$PREVIEW natural=$NATURAL

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
    [ "$pages" = 1 ] || fail "$paper: the printer got $pages pages, not 1"
    awk -v w="$width" -v h="$height" -v d="$dpi" -v ww="$want_w" -v wh="$want_h" \
        'BEGIN { exit !(w / d - ww < 0.02 && ww - w / d < 0.02 && h / d - wh < 0.02 && wh - h / d < 0.02) }' ||
        fail "$paper: the page is $((width)) x $height dots at $dpi dpi, not $want_w x $want_h in"
    [ -n "${left:-}" ] || fail "$paper: no dot of the swatch's exact colour $COLOUR on the page"
    local printed
    printed=$(awk -v l="$left" -v r="$right" -v d="$dpi" 'BEGIN { printf "%.4f", (r - l + 1) / d }')
    awk -v p="$printed" -v n="$natural" 'BEGIN { exit !(p / n > 0.99 && p / n < 1.01) }' ||
        fail "$paper: the swatch is $printed in wide on the paper, not its natural $natural in"
    # Centred across the paper for its outer width, which has a frame more.
    awk -v l="$left" -v r="$right" -v w="$width" -v d="$dpi" \
        'BEGIN { off = ((l + r + 1) / 2 - w / 2) / d; exit !(off > -0.06 && off < 0.02) }' ||
        fail "$paper: the swatch spans dots $left to $right of $width: not centred"
    # 1000 twips below the top of the printable area, a margin's width below the edge.
    awk -v t="$top" -v d="$dpi" 'BEGIN { i = t / d; exit !(i > 0.69 && i < 0.69 + 0.3) }' ||
        fail "$paper: the swatch starts $top dots from the top, not 1000 twips below the margin"
    unset left right top bottom
}

check_page letter 8.5 11
# The queue's default paper changed in its settings: the next print follows.
lpadmin -p "$QUEUE" -o media=iso_a4_210x297mm
check_page a4 8.2677 11.6929
# The person's own default (lpoptions, in the private HOME) goes before the queue's.
lpoptions -p "$QUEUE" -o media=na_legal_8.5x14in
check_page legal 8.5 14

press_key "$preview" Escape
wait_exit "$pid" 5
