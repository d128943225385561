#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# The program opens its main window titled "Tintwell . . ." centred on a
# 1024x768 screen, and the sample across its top shows cyan. Under a window
# manager (openbox) the main window and the preview are centred with their
# frames.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"

app_start
win=$(wait_window "$MAIN_TITLE_RE" "$APP_PID") || exit 1

window_geometry "$win"
# The client area is 655x456 on this screen; the menu bar adds to the height.
((WIN_W >= 653 && WIN_W <= 657)) || fail "window is $WIN_W px wide, not 655"
((WIN_H >= 456 && WIN_H <= 500)) || fail "window is $WIN_H px high, not 456 plus a menu bar"
dx=$((2 * WIN_X + WIN_W - 1024)) dy=$((2 * WIN_Y + WIN_H - 768))
((${dx#-} <= 6 && ${dy#-} <= 6)) ||
    fail "window at $WIN_X,$WIN_Y size ${WIN_W}x$WIN_H is not centred on the 1024x768 screen"

# shellcheck disable=SC2046 # the points are words on purpose
wait_pixels "$CYAN" $(sample_points "$win")

# Checked last, so that a wrong title does not hide the rest.
title=$(xdotool getwindowname "$win")
[ "$title" = "$MAIN_TITLE" ] || fail "the title bar says '$title', not '$MAIN_TITLE'"

# Under a window manager the whole window, its frame included, is centred,
# and so is the preview that takes its place.
# frame_centred WINDOW WHAT: the window's frame (_NET_FRAME_EXTENTS: left,
# right, top, bottom) lies in the middle of the screen, to 2 px.
frame_centred() {
    local deadline extents left right top bottom fx fy fw fh cx cy cw ch
    deadline=$(($(now_us) + E2E_TIMEOUT * 1000000))
    until extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$') &&
        [ -n "${extents// /}" ]; do
        [ "$(now_us)" -lt "$deadline" ] || fail "$2: the window manager gave no frame"
        sleep 0.05
    done
    IFS=', ' read -r left right top bottom <<<"$extents"
    # xwininfo, not xdotool: xdotool counts a framed window's offset twice.
    until
        eval "$(xwininfo -id "$1" | awk -F: '/Absolute upper-left X/ { print "cx=" $2 + 0 }
            /Absolute upper-left Y/ { print "cy=" $2 + 0 } /Width/ { print "cw=" $2 + 0 }
            /Height/ { print "ch=" $2 + 0 }')"
        fx=$((cx - left)) fy=$((cy - top))
        fw=$((cw + left + right)) fh=$((ch + top + bottom))
        dx=$((2 * fx + fw - 1024)) dy=$((2 * fy + fh - 768))
        ((${dx#-} <= 4 && ${dy#-} <= 4))
    do
        [ "$(now_us)" -lt "$deadline" ] ||
            fail "$2: its frame at $fx,$fy size ${fw}x$fh is not centred on the 1024x768 screen"
        sleep 0.05
    done
}

press_key "$win" Escape
wait_exit "$APP_PID" 5
start_openbox
app_start
win=$(wait_window "$MAIN_TITLE_RE" "$APP_PID") || exit 1
frame_centred "$win" "the main window under openbox"
preview=$(open_preview "$APP_PID") || exit 1
frame_centred "$preview" "the preview under openbox"
