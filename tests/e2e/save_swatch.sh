#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# The save button in the preview, through Qt's file dialog: "teal.jpg" and
# "teal.gif" under the JPEG and GIF file types, and "teal", each receive a
# BMP file of exactly that name with the swatch's
# pixels, and the caption shows the bare name; a cancelled save keeps it; a
# save that cannot be written says so, and the caption and the file stay.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"

folder="$WORK/pictures"
mkdir -p "$folder"

app_start
pid=$APP_PID
preview=$(open_preview "$pid") || exit 1

# The swatch on the screen: cyan inside its frame, measured along a row
# below its caption.
window_geometry "$preview"
client_top=$((WIN_Y + WIN_H - 490))
row=$((client_top + 67 + 150))
wait_pixels "$CYAN" $((WIN_X + WIN_W / 2)) "$row"
screenshot "$WORK/preview.png"
swatch_width=$(convert "$WORK/preview.png" -crop "${WIN_W}x1+${WIN_X}+${row}" +repage \
    -depth 8 txt:- | grep -c '#00FFFF' || true)

# The toolbar's save button: 5010 to 6010 twips from the left, below the
# menu bar. The dialog opens with the focus in its file name box.
open_save_dialog() {
    xdotool mousemove $((WIN_X + 367)) $((client_top + 20)) click 1
    wait_window '^Select File To Save To \.\.\.$' "$pid"
}

save_as() { # NAME [KEYS that pick the file type below the name box]
    local dialog
    dialog=$(open_save_dialog) || exit 1
    xdotool windowfocus --sync "$dialog"
    [ -z "${2:-}" ] || xdotool key Tab $2 shift+Tab
    xdotool type --delay 10 "$1"
    xdotool key Return
}

wait_caption() {
    local deadline
    deadline=$(($(now_us) + E2E_TIMEOUT * 1000000))
    until [ "$(xdotool getwindowname "$preview")" = "$1" ]; do
        [ "$(now_us)" -lt "$deadline" ] ||
            fail "the preview's caption is '$(xdotool getwindowname "$preview")', not '$1'"
        sleep 0.05
    done
}

# check_bitmap FILE: a BMP with the swatch's size and colour.
check_bitmap() {
    [ "$(head -c 2 "$1")" = BM ] || fail "$1 does not hold a BMP picture"
    local size
    size=$(identify -format '%w %h' "bmp:$1")
    [ "$size" = "$swatch_width $swatch_width" ] ||
        fail "$1 is '$size', not a BMP of the ${swatch_width}-pixel square swatch"
    local centre
    centre=$(pixel "bmp:$1" $((swatch_width / 2)) $((swatch_width / 2)))
    [ "$centre" = "$CYAN" ] || fail "$1 shows $centre in its middle, not cyan"
}

save_as "$folder/teal.jpg" Down
wait_caption teal.jpg
check_bitmap "$folder/teal.jpg"
keep_artifact "$folder/teal.jpg" save_swatch_teal.bmp
save_as "$folder/teal.gif" "Down Down"
wait_caption teal.gif
check_bitmap "$folder/teal.gif"

save_as "$folder/teal"
wait_caption teal
check_bitmap "$folder/teal"
[ ! -e "$folder/teal.bmp" ] || fail "an extension was added to a name typed without one"

dialog=$(open_save_dialog) || exit 1
press_key "$dialog" Escape
sleep 0.5
wait_caption teal

# "teal" is a file, so nothing can be written inside it.
before=$(md5sum <"$folder/teal")
save_as "$folder/teal/blue.bmp"
message=$(wait_window '^Tintwell$' "$pid") || exit 1
press_key "$message" Return
wait_caption teal
[ "$(md5sum <"$folder/teal")" = "$before" ] || fail "a failed save changed the earlier file"
[ "$(ls "$folder" | count_lines)" -eq 3 ] || fail "a failed save left a file behind: $(ls "$folder")"

press_key "$preview" Escape
wait_exit "$pid" 5
