#!/usr/bin/env bash
# "Print Size" left open beside the preview, then closed by its close box:
# the preview gets the activation (and so the keyboard) back, and its swatch
# turns 2 x 2 at once, because the closed dialog's sizes went with it. Run on
# the bare X server, then under a window manager (openbox).
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"
command -v openbox >/dev/null || fail "'openbox' is missing (scripts/install-deps installs it)"

# The swatch's width in pixels along a row through its middle, 2-pixel
# sunken frame included (the preview's client area is 7350 twips high).
swatch_width() {
    local shot="$WORK/preview.png" y inner
    window_geometry "$1"
    y=$((WIN_Y + WIN_H - 490 + 67 + 150))
    screenshot "$shot"
    inner=$(convert "$shot" -crop "${WIN_W}x1+${WIN_X}+${y}" +repage -depth 8 txt:- |
        grep -c '#00FFFF' || true)
    echo $((inner + 4))
}

# wait_swatch PREVIEW LOW HIGH WHEN: the swatch comes to a width in the range.
wait_swatch() {
    local deadline width
    deadline=$(($(now_us) + E2E_TIMEOUT * 1000000))
    until width=$(swatch_width "$1") && ((width >= $2 && width <= $3)); do
        [ "$(now_us)" -lt "$deadline" ] || fail "$4: the swatch is $width px wide, not $2-$3"
        sleep 0.1
    done
}

# The close box as a window manager presses it: WM_DELETE_WINDOW.
close_box() {
    python3 -c 'import sys; sys.path.insert(0, sys.argv[1]); import xwindows
xwindows.Display().close(int(sys.argv[2]))' "$(dirname "$0")/../monkey" "$1"
}

scenario() {
    local where=$1 pid preview dialog
    app_start
    pid=$APP_PID
    preview=$(open_preview "$pid") || exit 1
    wait_swatch "$preview" 185 189 "$where, opened"
    # Change Size: the toolbar's third button, below the menu bar.
    window_geometry "$preview"
    xdotool mousemove --window "$preview" 168 $((WIN_H - 490 + 20)) click 1
    dialog=$(wait_window '^Print Size$' "$pid") || exit 1
    press_key "$dialog" Tab
    xdotool key 5
    xdotool windowfocus --sync "$preview"
    wait_swatch "$preview" 465 469 "$where, width 5 picked"
    # A person's click on the close box makes the dialog active first.
    xdotool windowfocus --sync "$dialog"
    close_box "$dialog"
    wait_gone '^Print Size$' "$pid" "$where: the dialog after its close box"
    wait_swatch "$preview" 185 189 "$where, the dialog closed"
    # The keyboard is the preview's again: Esc there ends the program.
    xdotool key Escape
    wait_exit "$pid" 5
    [ "$EXIT_STATUS" -eq 0 ] || fail "$where: the program ended with status $EXIT_STATUS"
}

scenario "bare X server"
openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
APP_PIDS+=("$!") # ended with the program's copies
deadline=$(($(now_us) + E2E_TIMEOUT * 1000000))
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    [ "$(now_us)" -lt "$deadline" ] || fail "openbox did not start: $(cat "$WORK/openbox.log")"
    sleep 0.1
done
scenario "under openbox"
