#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# At twice the scale (QT_SCALE_FACTOR=2 on a 2048x1536 screen, which is
# 1024x768 to the program) the main window has its 1x layout at twice the
# pixels: menu bar included, so the menu font grew in proportion too.
# The 2x screenshot is kept in E2E_ARTIFACTS (the README's comes from it).
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"

unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING
app_start
win=$(wait_window "$MAIN_TITLE_RE" "$APP_PID") || exit 1
# shellcheck disable=SC2046 # the points are words on purpose
wait_pixels "$CYAN" $(sample_points "$win")
window_geometry "$win"
w1=$WIN_W h1=$WIN_H
press_key "$win" Escape
wait_exit "$APP_PID"

stop_private_xvfb
start_private_xvfb "$WORK" 2048x1536
export QT_SCALE_FACTOR=2
app_start
win=$(wait_window "$MAIN_TITLE_RE" "$APP_PID") || exit 1
# shellcheck disable=SC2046
wait_pixels "$CYAN" $(sample_points "$win")
window_geometry "$win"

if [ -n "${E2E_ARTIFACTS:-}" ]; then
    mkdir -p "$E2E_ARTIFACTS"
    convert "$WORK/screen.png" -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" +repage \
        "$E2E_ARTIFACTS/main_window_2x.png"
fi
dw=$((WIN_W - 2 * w1)) dh=$((WIN_H - 2 * h1))
((${dw#-} <= 4 && ${dh#-} <= 4)) ||
    fail "at 2x the window is ${WIN_W}x$WIN_H, not twice its 1x size ${w1}x$h1"
