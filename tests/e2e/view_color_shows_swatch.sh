#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# F2 opens "Print Size"; Enter there hides the main window and shows
# "Preview Color" with a 2 x 2 swatch of the mixed colour: 2800 twips, that
# is 187 pixels, wide on a 1024x768 screen.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"

app_start
pid=$APP_PID
preview=$(open_preview "$pid") || exit 1

[ "$(find_windows "$MAIN_TITLE_RE" "$pid" | count_lines)" -eq 0 ] ||
    fail "the main window is still visible with the preview"
[ "$(find_windows '^Print Size$' "$pid" | count_lines)" -eq 0 ] ||
    fail "the print-size dialog is still visible with the preview"

# The swatch's top is 1000 twips (67 px) below the client area's top and
# its text fills its first 60 px or so: look lower down, in its middle.
window_geometry "$preview"
client_top=$((WIN_Y + WIN_H - 490)) # the client area is 7350 twips high
y=$((client_top + 67 + 150))
x=$((WIN_X + WIN_W / 2))
wait_pixels "$CYAN" "$x" "$y"

# Inside its 2-pixel sunken frame the swatch is cyan along that row: the
# outer width, 187 +- 2 px, less the frame on both sides.
shot="$WORK/preview.png"
screenshot "$shot"
inner=$(convert "$shot" -crop "${WIN_W}x1+${WIN_X}+${y}" +repage -depth 8 txt:- |
    grep -c '#00FFFF' || true)
width=$((inner + 4))
((width >= 185 && width <= 189)) || fail "the swatch is $width px wide, not 2800 / 15 = 187"

press_key "$preview" Escape
wait_exit "$pid" 5
[ "$EXIT_STATUS" -eq 0 ] || fail "Esc in the preview ended the program with status $EXIT_STATUS"
