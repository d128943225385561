#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# "Print Size" left open beside the preview and closed by its close box hands
# the activation, and the keyboard, back to the preview, whose swatch turns
# 2 x 2 at once: on the bare X server, then under a window manager (openbox).
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"

# wait_swatch PREVIEW WIDTH WHEN: the swatch comes to be WIDTH +- 2 px wide
# along a row through its middle (frame included; the client is 490 px high).
wait_swatch() {
    local deadline width=0 y
    deadline=$(($(now_us) + E2E_TIMEOUT * 1000000))
    until ((width >= $2 - 2 && width <= $2 + 2)); do
        [ "$(now_us)" -lt "$deadline" ] || fail "$3: the swatch is $width px wide, not $2"
        window_geometry "$1"
        y=$((WIN_Y + WIN_H - 490 + 67 + 150))
        screenshot "$WORK/preview.png"
        width=$(($(convert "$WORK/preview.png" -crop "${WIN_W}x1+${WIN_X}+${y}" +repage \
            -depth 8 txt:- | grep -c '#00FFFF' || true) + 4))
    done
}

scenario() {
    local pid preview dialog
    app_start
    pid=$APP_PID
    preview=$(open_preview "$pid") || exit 1
    wait_swatch "$preview" 187 "$1, opened"
    window_geometry "$preview" # Change Size: the third button, below the menu bar
    xdotool mousemove --window "$preview" 168 $((WIN_H - 490 + 20)) click 1
    dialog=$(wait_window '^Print Size$' "$pid") || exit 1
    press_key "$dialog" Tab
    xdotool key 5
    # Back to the preview, which a window manager raises over the dialog.
    xdotool windowfocus --sync "$preview" windowraise "$preview"
    wait_swatch "$preview" 467 "$1, width 5 picked"
    # A click on its close box makes the dialog active; the window manager
    # then asks it to close (WM_DELETE_WINDOW).
    xdotool windowfocus --sync "$dialog"
    python3 -c 'import sys; sys.path.insert(0, sys.argv[1]); import xwindows
xwindows.Display().close(int(sys.argv[2]))' "$(dirname "$0")/../monkey" "$dialog"
    wait_gone '^Print Size$' "$pid" "$1: the dialog after its close box"
    wait_swatch "$preview" 187 "$1, the dialog closed"
    xdotool key Escape # to the window with the keyboard: the preview ends the program
    wait_exit "$pid" 5
    [ "$EXIT_STATUS" -eq 0 ] || fail "$1: the program ended with status $EXIT_STATUS"
}

scenario "bare X server"
start_openbox
scenario "under openbox"
