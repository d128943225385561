#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# The save button in the preview under Qt's GTK 3 platform theme: the save
# dialog is GTK's own file chooser, not Qt's, and a full path typed into
# its name box receives a 24-bit BMP file; the preview's caption shows the
# file's name. A screenshot of the
# GTK dialog is kept in E2E_ARTIFACTS.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"

# Without Qt's GTK 3 theme plugin, beside the Qt the program loads, Qt
# quietly falls back to its own dialog, which save_swatch.sh covers.
qt_core=$(ldd "$APP" | awk '$1 ~ /^libQt6Core\.so/ { print $3 }')
[ -e "$(dirname "$qt_core")/qt6/plugins/platformthemes/libqgtk3.so" ] ||
    e2e_skip "Qt's GTK 3 platform theme (libqgtk3.so, Debian package qt6-gtk-platformtheme) is not installed"

export QT_QPA_PLATFORMTHEME=gtk3
# GTK on this test's X server, in its own default look (the checks below
# read its Save button), whatever the caller's desktop uses.
unset GDK_BACKEND GTK_THEME GDK_SCALE GDK_DPI_SCALE
# GTK keeps the chooser's settings in memory rather than in dconf, finds
# files without gvfs and starts no accessibility bridge; with no session
# bus it can reach, nothing it does lands in the desktop's session.
export GSETTINGS_BACKEND=memory GIO_USE_VFS=local NO_AT_BRIDGE=1
export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/no-session-bus"

folder="$WORK/pictures"
mkdir -p "$folder"
# The dialog opens in the program's current folder: one of the test's own,
# with nothing in it to read.
cd "$folder"

app_start
pid=$APP_PID

# The GTK theme calls gtk_init, which ends the whole program at once when
# GTK cannot open the display.
deadline=$(($(now_us) + E2E_TIMEOUT * 1000000))
while [ -z "$(find_windows "$MAIN_TITLE_RE" "$pid")" ] && [ "$(now_us)" -lt "$deadline" ]; do
    if ! is_running "$pid"; then
        reason=$(grep -m 1 -o 'cannot open display.*' "$WORK/app-0.log" || true)
        [ -z "$reason" ] || e2e_skip "GTK $reason"
        break
    fi
    sleep 0.05
done

# Return in "Print Size" takes the sizes under the GTK theme too, whose
# lists would open on it.
preview=$(open_preview "$pid") || exit 1

window_geometry "$preview"
client_top=$((WIN_Y + WIN_H - 490))
wait_pixels "$CYAN" $((WIN_X + WIN_W / 2)) $((client_top + 67 + 150))

# The toolbar's save button, as in save_swatch.sh.
xdotool mousemove $((WIN_X + 367)) $((client_top + 20)) click 1
dialog=$(wait_window '^Select File To Save To \.\.\.$' "$pid") || exit 1

# GTK's dialog, not a QFileDialog: GtkFileChooserDialog gives its window
# the role "GtkFileChooserDialog", which Qt never sets on its own. And GDK
# talks to the X server over a connection of its own, so its window's
# client leader is GDK's, not the one all of Qt's windows share.
role=$(xprop -id "$dialog" WM_WINDOW_ROLE)
[ "$role" = 'WM_WINDOW_ROLE(STRING) = "GtkFileChooserDialog"' ] ||
    fail "the save dialog is not GTK's file chooser: $role"
dialog_leader=$(xprop -id "$dialog" WM_CLIENT_LEADER)
qt_leader=$(xprop -id "$preview" WM_CLIENT_LEADER)
[ "${dialog_leader##* }" != "${qt_leader##* }" ] ||
    fail "the save dialog was made over Qt's X connection ($dialog_leader)"

# GTK's chooser opens wider than the 1024x768 screen; made smaller, the
# whole of it is in the screenshot and its Save button can be seen. (With
# no window manager the X server takes the new size at once.)
dialog_x=62 dialog_y=64 dialog_w=900 dialog_h=640
xdotool windowsize "$dialog" "$dialog_w" "$dialog_h" windowmove "$dialog" "$dialog_x" "$dialog_y"

# save_button_darkest: the darkest grey (0-255) in the middle of the Save
# button, GTK's bottom right button, on a fresh screenshot. Its label is
# grey (about 150) while Save is unavailable and near black once it is.
save_button_darkest() {
    screenshot "$WORK/gtk-dialog.png"
    convert "$WORK/gtk-dialog.png" -crop 80x30+$((dialog_x + dialog_w - 90))+$((dialog_y + dialog_h - 40)) +repage \
        -colorspace gray -format '%[fx:int(255*minima)] %[fx:int(255*maxima)]' info:
}

# wait_save_button STATE: waits until GTK has drawn the Save button
# "unavailable" (a light button with a grey label) or "available" (the
# label near black); fails, with what was seen, after the timeout.
wait_save_button() {
    local deadline seen darkest lightest
    deadline=$(($(now_us) + E2E_TIMEOUT * 1000000))
    while :; do
        seen=$(save_button_darkest)
        read -r darkest lightest <<<"$seen"
        if [ "$lightest" -ge 230 ]; then
            if [ "$1" = unavailable ] && [ "$darkest" -ge 120 ] && [ "$darkest" -le 200 ]; then
                return 0
            fi
            if [ "$1" = available ] && [ "$darkest" -lt 100 ]; then
                return 0
            fi
        fi
        [ "$(now_us)" -lt "$deadline" ] ||
            fail "GTK's Save button was not drawn $1 (darkest and lightest grey: $seen)"
        sleep 0.1
    done
}

# With the name box empty, Save is unavailable: GTK has painted the
# dialog at its new size.
wait_save_button unavailable

# The name box has the focus when the chooser opens. GTK takes a moment to
# make Save available after the name changes, and until then it ignores
# Return: a person sees the button light up before pressing it.
xdotool windowfocus --sync "$dialog"
xdotool type --delay 10 "$folder/gtk-swatch.bmp"
wait_save_button available
keep_artifact "$WORK/gtk-dialog.png" save_native_dialog_gtk.png
xdotool key Return
wait_gone '^Select File To Save To \.\.\.$' "$pid" "GTK's file chooser"

# The caption changes once the file is written.
deadline=$(($(now_us) + E2E_TIMEOUT * 1000000))
while [ -n "$(find_windows '^Preview Color$' "$pid")" ]; do
    [ "$(now_us)" -lt "$deadline" ] ||
        fail "the preview's caption stayed 'Preview Color'; in $folder: $(ls -A "$folder")"
    sleep 0.05
done
[ -n "$(find_windows '^gtk-swatch\.bmp$' "$pid")" ] ||
    fail "the preview's caption is '$(xdotool getwindowname "$preview")', not 'gtk-swatch.bmp'; in $folder: $(ls -A "$folder")"
file="$folder/gtk-swatch.bmp"
[ -f "$file" ] || fail "no $file; in $folder: $(ls -A "$folder")"
[ "$(head -c 2 "$file")" = BM ] || fail "$file does not hold a BMP picture"
depth=$(od -An -tu1 -j28 -N1 "$file" | tr -d ' ')
[ "$depth" = 24 ] || fail "$file has $depth bits a pixel, not 24"
keep_artifact "$file" save_native_dialog_gtk-swatch.bmp

press_key "$preview" Escape
wait_exit "$pid" 5
