# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Tintwell end-to-end - what every test script shares. Sourced, not run.
# shellcheck shell=bash source-path=SCRIPTDIR
# shellcheck disable=SC2034 # the variables are for the scripts that source this
#
# A script calls e2e_begin with the program's path, then starts copies with
# app_start (the pid is in APP_PID), finds windows, presses keys and reads
# pixels of the screen. Everything it started is ended by the exit trap,
# whether the script passes or fails.

source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
# shellcheck source=../../scripts/private-cups.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/private-cups.sh"

E2E_TIMEOUT=${E2E_TIMEOUT:-15} # seconds to wait for anything a person would see
E2E_BUDGET=${E2E_BUDGET:-50} # seconds a whole script may take; CTest gives 10 more
MAIN_TITLE="Tintwell . . ."
MAIN_TITLE_RE='^Tintwell \. \. \.'
SORRY_TITLE="SORRY"
SORRY_TITLE_RE='^SORRY'

APP=""
APP_PID=""
APP_PIDS=()
EXIT_STATUS=""
WORK=""
TEST_NAME=""
WATCHDOG_PID=""

e2e_begin() {
    APP=$1
    TEST_NAME=$(basename "$0" .sh)
    if [ ! -x "$APP" ]; then
        echo "FAIL: no program at '$APP'" >&2
        exit 1
    fi
    local tool
    for tool in Xvfb xdotool import convert; do
        if ! command -v "$tool" >/dev/null; then
            echo "FAIL: '$tool' is missing (scripts/install-deps installs it)" >&2
            exit 1
        fi
    done
    WORK=$(mktemp -d "${TMPDIR:-/tmp}/tintwell-e2e.XXXXXX")
    trap e2e_cleanup EXIT
    trap 'echo "FAIL: $TEST_NAME: line $LINENO: $BASH_COMMAND" >&2' ERR
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 141' PIPE
    trap 'echo "FAIL: $TEST_NAME: took longer than $E2E_BUDGET s" >&2; exit 143' TERM
    # Ends the script through its trap before CTest's timeout would kill it
    # outright and leave the X server and the program running.
    (
        trap 'kill "$timer" 2>/dev/null; wait "$timer"; exit 0' TERM
        sleep "$E2E_BUDGET" &
        timer=$!
        wait "$timer"
        kill -TERM $$
    ) &
    WATCHDOG_PID=$!

    # The lock file that keeps a second copy out lives here: private to this
    # test, so that no other copy on the machine can answer for ours.
    mkdir -m 0700 "$WORK/runtime"
    export XDG_RUNTIME_DIR="$WORK/runtime"
    export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_CACHE_HOME="$WORK/home/.cache"
    mkdir -p "$HOME"
    # The program picks the X11 platform itself when DISPLAY is set.
    unset QT_QPA_PLATFORM
    start_private_xvfb "$WORK"
}

e2e_cleanup() {
    local status=$? pid
    for pid in "${APP_PIDS[@]}"; do
        if kill -0 "$pid" 2>/dev/null; then
            kill -KILL "$pid" 2>/dev/null || true
        fi
        wait "$pid" 2>/dev/null || true
    done
    stop_private_xvfb
    stop_private_cups
    if [ "$(type -t stop_ipp_printer)" = function ]; then
        stop_ipp_printer # ipp-printer.sh
    fi
    if [ -n "$WATCHDOG_PID" ]; then
        kill "$WATCHDOG_PID" 2>/dev/null || true
        wait "$WATCHDOG_PID" 2>/dev/null || true
    fi
    if [ "$status" -eq 0 ]; then
        echo "PASS: $TEST_NAME"
    fi
    [ -n "$WORK" ] && rm -rf "$WORK"
    exit "$status"
}

# e2e_skip REASON: ends the test as skipped (77), saying why.
e2e_skip() {
    echo "SKIPPED: $TEST_NAME: $*"
    exit 77
}

# e2e_need_accessibility_bus: skips the test, saying why, where the machine
# lacks what the desktop's accessibility bus and reading it need.
e2e_need_accessibility_bus() {
    command -v dbus-run-session >/dev/null || e2e_skip "no dbus-run-session (Debian package dbus)"
    [ -x /usr/libexec/at-spi-bus-launcher ] || e2e_skip "no at-spi-bus-launcher (package at-spi2-core)"
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || e2e_skip "no pyatspi (package python3-pyatspi)"
}

# e2e_private_cups: a private CUPS scheduler whose default queue keeps each
# job's PDF in CUPS_JOBS, for the program started after it. Where the machine
# allows none, the test ends as skipped (77) with the reason.
e2e_private_cups() {
    local status=0
    start_private_cups || status=$?
    [ "$status" -ne 77 ] || e2e_skip "$CUPS_SKIP_REASON"
    [ "$status" -eq 0 ] || fail "the private CUPS scheduler did not start"
}

# fail MESSAGE: says what went wrong, with the windows on the screen, the
# programs' output and a screenshot kept in E2E_ARTIFACTS, then ends the test.
fail() {
    echo "FAIL: $TEST_NAME: $*" >&2
    echo "Windows on the screen:" >&2
    local win
    for win in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
        echo "  $win '$(xdotool getwindowname "$win" 2>/dev/null)' pid $(xdotool getwindowpid "$win" 2>/dev/null || echo '?')" >&2
    done
    local log
    for log in "$WORK"/app-*.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log")" >&2; cat "$log" >&2; }
    done
    if [ -n "${E2E_ARTIFACTS:-}" ]; then
        mkdir -p "$E2E_ARTIFACTS"
        if import -window root "$E2E_ARTIFACTS/$TEST_NAME.png" 2>/dev/null; then
            echo "Screenshot: $E2E_ARTIFACTS/$TEST_NAME.png" >&2
        fi
    fi
    exit 1
}

now_us() { echo "${EPOCHREALTIME/./}"; }

# app_start: starts one copy of the program; its pid is in APP_PID.
app_start() {
    "$APP" >"$WORK/app-${#APP_PIDS[@]}.log" 2>&1 &
    APP_PID=$!
    APP_PIDS+=("$APP_PID")
}

# is_running PID: the process exists and has not ended (a child that ended
# stays a zombie until it is waited for, and kill -0 still reaches it).
is_running() {
    local state
    state=$(awk '{ print $3 }' "/proc/$1/stat" 2>/dev/null) || return 1
    [ -n "$state" ] && [ "$state" != Z ] && [ "$state" != X ]
}

# wait_exit PID [SECONDS]: waits for the program to end and puts its exit
# status in EXIT_STATUS; fails when it is still running after the timeout.
wait_exit() {
    local pid=$1 deadline
    deadline=$(($(now_us) + ${2:-$E2E_TIMEOUT} * 1000000))
    while is_running "$pid"; do
        [ "$(now_us)" -lt "$deadline" ] || fail "process $pid is still running after ${2:-$E2E_TIMEOUT} s"
        sleep 0.05
    done
    EXIT_STATUS=0
    wait "$pid" || EXIT_STATUS=$?
}

# find_windows TITLE_RE [PID]: the visible windows whose title matches, of
# one process or of any; prints their ids, one a line.
find_windows() {
    if [ -n "${2:-}" ]; then
        xdotool search --all --onlyvisible --pid "$2" --name "$1" 2>/dev/null || true
    else
        xdotool search --onlyvisible --name "$1" 2>/dev/null || true
    fi
}

# wait_window TITLE_RE PID: prints the id of the process's visible window
# with that title once it is there; fails after the timeout.
wait_window() {
    local deadline found
    deadline=$(($(now_us) + E2E_TIMEOUT * 1000000))
    while :; do
        found=$(find_windows "$1" "$2" | head -n 1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        is_running "$2" || fail "process $2 ended before a window matching '$1' appeared"
        [ "$(now_us)" -lt "$deadline" ] || fail "no visible window matching '$1' of process $2 after $E2E_TIMEOUT s"
        sleep 0.05
    done
}

count_lines() { grep -c . || true; }

# wait_gone TITLE_RE PID WHAT: waits until the process shows no window with
# that title; fails, naming WHAT, after the timeout.
wait_gone() {
    local deadline
    deadline=$(($(now_us) + E2E_TIMEOUT * 1000000))
    while [ -n "$(find_windows "$1" "$2")" ]; do
        [ "$(now_us)" -lt "$deadline" ] || fail "$3 still shown"
        sleep 0.05
    done
}

# record_opener: the desktop's opener for the programs started after it is a
# recording xdg-open, which appends each address it is given to OPENED.
record_opener() {
    OPENED="$WORK/opened.txt"
    mkdir -p "$WORK/bin"
    cat >"$WORK/bin/xdg-open" <<SCRIPT
#!/bin/sh
printf '%s\n' "\$*" >>"$OPENED"
SCRIPT
    chmod +x "$WORK/bin/xdg-open"
    export PATH="$WORK/bin:$PATH"
}

# other_windows PID WINDOW: the process's visible windows besides that one.
other_windows() {
    find_windows '' "$1" | { grep -vx "$2" || true; }
}

# press_key WINDOW KEY: gives the window the keyboard focus, then types the
# key as a person would (through the X server, not sent to the window).
press_key() {
    xdotool windowfocus --sync "$1" || fail "could not focus window $1"
    xdotool key "$2"
}

# keep_artifact FILE NAME: a copy in E2E_ARTIFACTS, when it is set, to look at.
keep_artifact() {
    if [ -n "${E2E_ARTIFACTS:-}" ]; then
        mkdir -p "$E2E_ARTIFACTS"
        cp "$1" "$E2E_ARTIFACTS/$2"
    fi
}

# open_preview PID: View Color (F2) in the main window, then Enter in
# "Print Size"; prints the id of the preview window that opens.
open_preview() {
    local main dialog
    main=$(wait_window "$MAIN_TITLE_RE" "$1") || return 1
    press_key "$main" F2
    dialog=$(wait_window '^Print Size$' "$1") || return 1
    press_key "$dialog" Return
    wait_window '^Preview Color$' "$1"
}

# window_geometry WINDOW: sets WIN_X, WIN_Y, WIN_W, WIN_H in screen pixels.
window_geometry() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

# screenshot FILE: the whole screen as a person sees it.
screenshot() {
    import -window root "$1" || fail "could not take a screenshot"
}

# pixel FILE X Y: the colour of one screen pixel as "r,g,b" (0-255).
pixel() {
    convert "$1" -crop "1x1+$2+$3" +repage -depth 8 \
        -format '%[fx:int(255*r+0.5)],%[fx:int(255*g+0.5)],%[fx:int(255*b+0.5)]' info:
}

# wait_pixels COLOUR X Y [X Y ...]: waits until every listed screen pixel
# shows the colour (a window is mapped before it has painted); fails with
# the colours last seen.
wait_pixels() {
    local want=$1 shot="$WORK/screen.png" deadline seen all got i
    shift
    local -a points=("$@")
    deadline=$(($(now_us) + E2E_TIMEOUT * 1000000))
    while :; do
        screenshot "$shot"
        all=1 seen=""
        for ((i = 0; i < ${#points[@]}; i += 2)); do
            got=$(pixel "$shot" "${points[i]}" "${points[i + 1]}")
            seen+=" (${points[i]},${points[i + 1]})=$got"
            [ "$got" = "$want" ] || all=0
        done
        [ "$all" = 1 ] && return 0
        [ "$(now_us)" -lt "$deadline" ] || fail "expected $want at every point, saw:$seen"
        sleep 0.1
    done
}

# The points of the sample area across the top of the main window: its
# middle and both sides (the sample overhangs the client area equally).
sample_points() {
    window_geometry "$1"
    local y=$((WIN_Y + WIN_H * 35 / 100))
    echo "$((WIN_X + WIN_W / 2)) $y $((WIN_X + 2)) $y $((WIN_X + WIN_W - 3)) $y"
}

CYAN="0,255,255"

# start_openbox: a window manager (openbox) for the rest of the test, ended
# with the program's copies; waits until it manages the screen.
start_openbox() {
    command -v openbox >/dev/null || fail "'openbox' is missing (scripts/install-deps installs it)"
    openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
    APP_PIDS+=("$!")
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        is_running "$!" || fail "openbox did not start: $(cat "$WORK/openbox.log")"
        sleep 0.1
    done
}

# preview_of_colour PID: in that copy's main window, once it has the
# keyboard, types COLOUR's three amounts ("255,0,51") into the number boxes
# and opens the preview. Sets PREVIEW, and NATURAL: the swatch's width in
# inches at the screen's 96 dots per inch, from its exact colour on screen.
preview_of_colour() {
    local main deadline amounts screen_box
    main=$(wait_window "$MAIN_TITLE_RE" "$1") || exit 1
    deadline=$(($(now_us) + E2E_TIMEOUT * 1000000))
    until [ "$(xdotool getwindowfocus 2>/dev/null)" = "$main" ]; do
        [ "$(now_us)" -lt "$deadline" ] || fail "the main window never got the keyboard"
        sleep 0.05
    done
    # The red box has the keyboard, its text selected: typing replaces it.
    IFS=, read -ra amounts <<<"$COLOUR"
    xdotool type --window "$main" --delay 20 "${amounts[0]}"
    press_key "$main" Tab
    xdotool type --window "$main" --delay 20 "${amounts[1]}"
    press_key "$main" Tab
    xdotool type --window "$main" --delay 20 "${amounts[2]}"
    PREVIEW=$(open_preview "$1") || exit 1
    window_geometry "$PREVIEW"
    wait_pixels "$COLOUR" $((WIN_X + WIN_W / 2)) $((WIN_Y + WIN_H / 2))
    screenshot "$WORK/screen.png"
    screen_box=$(convert "$WORK/screen.png" -fill white +opaque "rgb($COLOUR)" -format '%@' info:)
    NATURAL=$(awk -v w="${screen_box%%x*}" 'BEGIN { printf "%.4f", w / 96 }')
}
