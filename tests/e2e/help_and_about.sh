#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# F1 opens the help window centred over the main window and out of the task
# bar; Esc closes it and the main window stays. The About window is painted
# in the mixed colour, and its links hand the makers' web and mail addresses
# to the desktop's opener (a recording xdg-open first on PATH).
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
source "$(dirname "$0")/harness.sh"
e2e_begin "$1"

record_opener

app_start
pid=$APP_PID
main=$(wait_window "$MAIN_TITLE_RE" "$pid") || exit 1

press_key "$main" F1
help=$(wait_window '^Tintwell  HELP$' "$pid") || exit 1
window_geometry "$main"
main_cx=$((WIN_X + WIN_W / 2)) main_cy=$((WIN_Y + WIN_H / 2))
window_geometry "$help"
dx=$((WIN_X + WIN_W / 2 - main_cx)) dy=$((WIN_Y + WIN_H / 2 - main_cy))
((${dx#-} <= 3 && ${dy#-} <= 3)) || fail "help window is off the main window's centre by $dx,$dy"
xprop -id "$help" WM_TRANSIENT_FOR | grep -q 'window id' ||
    fail "help window is not transient: a task bar would list it"

press_key "$help" Escape
wait_gone '^Tintwell  HELP$' "$pid" "help window after Esc"
is_running "$pid" || fail "the program ended with the help window"
[ -n "$(find_windows "$MAIN_TITLE_RE" "$pid")" ] || fail "the main window went with the help window"

press_key "$main" alt+h
xdotool key a
about=$(wait_window '^About Tintwell\.\.\.$' "$pid") || exit 1
window_geometry "$about"
# Beside the rights line, above the first rule: the window's own background.
wait_pixels "$CYAN" $((WIN_X + 330)) $((WIN_Y + 165))

# The links sit on the bottom line: Send Mail on the left, Web Site on the right.
xdotool mousemove --window "$about" 280 377 click 1
xdotool mousemove --window "$about" 70 377 click 1
deadline=$(($(now_us) + E2E_TIMEOUT * 1000000))
until [ "$(count_lines <"$OPENED" 2>/dev/null)" = 2 ]; do
    [ "$(now_us)" -lt "$deadline" ] || fail "the opener was asked for: $(cat "$OPENED" 2>/dev/null)"
    sleep 0.05
done
expected=$'http://www.tintwell.example/\nmailto:comments@tintwell.example'
[ "$(cat "$OPENED")" = "$expected" ] ||
    fail "the opener was given '$(cat "$OPENED")'"

# The window answers at once after the links: Esc closes it.
press_key "$about" Escape
wait_gone '^About Tintwell' "$pid" "about window after Esc"
