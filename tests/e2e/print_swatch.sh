#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Print in the preview and Yes to "PRINT NOW?": the default printer, a
# private CUPS queue, receives one job, a one-page PDF with the swatch at the
# size it has on the screen, centred across the page near its top, with its
# caption in its top-left corner. A second Print makes a second job.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"
e2e_private_cups

DPI=144 # the page is read back at this resolution

app_start
pid=$APP_PID
preview=$(open_preview "$pid") || exit 1

# The toolbar's Print button: 3030 to 4030 twips from the left of the client
# area (the 7350-twip, 490-pixel high part below the menu bar), 600 high.
print_once() {
    window_geometry "$preview"
    local client_top=$((WIN_Y + WIN_H - 490))
    xdotool mousemove $((WIN_X + 235)) $((client_top + 20)) click 1
    local question
    question=$(wait_window '^PRINT NOW\?$' "$pid") || exit 1
    press_key "$question" Return # Yes is the default button
}

print_once
wait_cups_jobs 1 || fail "no print job reached the queue after Yes"
pdf=$(ls "$CUPS_JOBS"/job-*.pdf)
pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
[ "$pages" = 1 ] || fail "the job has $pages pages, not 1"
pdftoppm -r "$DPI" -png -singlefile "$pdf" "$WORK/page"
page="$WORK/page.png"
keep_artifact "$page" print_swatch_page.png
page_width=$(identify -format '%w' "$page")

# The swatch is the cyan area: exactly cyan, as the PDF keeps the picture
# without loss. Its box on the page, WxH+X+Y.
box=$(convert "$page" -fill white +opaque '#00FFFF' -format '%@' info:)
[[ "$box" =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] ||
    fail "no pixel of the swatch's cyan on the printed page"
width=${BASH_REMATCH[1]} left=${BASH_REMATCH[3]} top=${BASH_REMATCH[4]}

# 2800 twips less the swatch's frame on the screen: a little under 1.95 in.
inches=$(awk -v w="$width" -v dpi="$DPI" 'BEGIN { printf "%.3f", w / dpi }')
awk -v i="$inches" 'BEGIN { exit !(i >= 1.88 && i <= 1.96) }' ||
    fail "the swatch is printed $inches in wide, not a little under 1.95 in"
# Centred for its outer width of 2800 twips (half of it is 140 px here); the
# margins of the page cancel out.
want_left=$((page_width / 2 - 1400 * DPI / 1440))
off=$((left - want_left))
((${off#-} <= 3)) ||
    fail "the swatch starts $left px from the page's left edge, not $want_left"
# 1000 twips below the top of the printable area, which lies within a
# quarter of an inch of the paper's edge (at it, on this raw queue).
((top >= 1000 * DPI / 1440 - 2 && top <= 1360 * DPI / 1440)) ||
    fail "the swatch starts $top px from the top of the page, not 1000 twips below the margin"
dark=$(convert "$page" -crop "80x40+$left+$top" +repage -colorspace gray \
    -format '%[fx:minima.intensity < 0.3 ? 1 : 0]' info:)
[ "$dark" = 1 ] || fail "no dark caption text in the printed swatch's top-left corner"

print_once
wait_cups_jobs 2 || fail "a second Print made no second job"

press_key "$preview" Escape
wait_exit "$pid" 5
