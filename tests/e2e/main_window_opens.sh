#!/usr/bin/env bash
# The program opens its main window titled "Tintwell . . ." centred on a
# 1024x768 screen, and the sample across its top shows cyan.
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
