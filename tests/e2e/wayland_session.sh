#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# A native Wayland session, no X server: a headless weston (pixman renderer,
# its desktop shell placing the windows) runs the program. The main window
# is shown and given the keyboard with its title and the program's
# application id; F2 opens "Print Size", Enter the preview, File > Reset
# Color brings the main window back, and F3 ends the program with status 0.
# The keys are pressed through the compositor (weston_keyboard.cpp).
# Skipped (77) when weston cannot start here.
#
# wayland_session.sh PROGRAM WESTON_KEYBOARD_MODULE
set -euo pipefail
app=$1 module=$(realpath -m "$2") # weston looks for a bare name among its own
name=wayland_session
timeout_s=${E2E_TIMEOUT:-15}
app_id=example.tintwell.Tintwell

command -v weston >/dev/null ||
    { echo "FAIL: $name: 'weston' is missing (scripts/install-deps installs it)" >&2; exit 1; }
[ -x "$app" ] || { echo "FAIL: $name: no program at '$app'" >&2; exit 1; }
[ -f "$module" ] || { echo "FAIL: $name: no weston module at '$module'" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/tintwell-wayland.XXXXXX")
weston_pid="" app_pid="" watchdog_pid=""
cleanup() {
    local status=$? pid
    for pid in "$app_pid" "$weston_pid" "$watchdog_pid"; do
        if [ -n "$pid" ] && kill "$pid" 2>/dev/null; then
            wait "$pid" 2>/dev/null || true
        fi
    done
    [ "$status" -eq 0 ] && echo "PASS: $name"
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'echo "FAIL: $name: took longer than 50 s" >&2; exit 143' TERM
trap 'exit 130' INT
# Ends the script through its trap before CTest's own limit (60 s) would
# kill it outright and leave weston running.
(
    trap 'kill "$timer" 2>/dev/null; wait "$timer"; exit 0' TERM
    sleep 50 &
    timer=$!
    wait "$timer"
    kill -TERM $$
) &
watchdog_pid=$!

fail() {
    echo "FAIL: $name: $*" >&2
    local log
    for log in focus.log weston.log app.log; do
        [ -s "$work/$log" ] && { echo "--- $log (last lines)" >&2; tail -n 40 "$work/$log" >&2; }
    done
    if [ -n "${E2E_ARTIFACTS:-}" ] && [ -n "${WAYLAND_DISPLAY:-}" ]; then
        mkdir -p "$E2E_ARTIFACTS"
        # The screen as the compositor shows it (its screenshooter, allowed by --debug).
        (cd "$work" && weston-screenshooter >/dev/null 2>&1) &&
            mv "$work"/wayland-screenshot-*.png "$E2E_ARTIFACTS/$name.png" &&
            echo "Screenshot: $E2E_ARTIFACTS/$name.png" >&2
    fi
    exit 1
}

now_us() { echo "${EPOCHREALTIME/./}"; }

# No X server at all: the program must find the Wayland session alone.
unset DISPLAY XAUTHORITY QT_QPA_PLATFORM XDG_SESSION_TYPE WAYLAND_SOCKET
mkdir -m 0700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_CACHE_HOME="$work/home/.cache"
mkdir -p "$HOME"
mkfifo "$work/keys"
: >"$work/focus.log"
# No on-screen keyboard: it would take part of the screen and the focus. No
# animations: a window that closes keeps the focus until its fade ends.
cat >"$work/weston.ini" <<'INI'
[input-method]
path=
[shell]
animation=none
close-animation=none
startup-animation=none
focus-animation=none
INI

TINTWELL_E2E_KEYS="$work/keys" TINTWELL_E2E_FOCUS="$work/focus.log" \
    weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 \
    --shell=desktop-shell.so --idle-time=0 --config="$work/weston.ini" \
    --socket=tintwell-e2e --modules="$module" --log="$work/weston.log" --debug \
    >"$work/weston.out" 2>&1 &
weston_pid=$!

deadline=$(($(now_us) + timeout_s * 1000000))
until grep -qx ready "$work/focus.log"; do
    if ! kill -0 "$weston_pid" 2>/dev/null || [ "$(now_us)" -gt "$deadline" ]; then
        grep -q "Failed to load module: $module" "$work/weston.log" &&
            fail "weston could not load the keyboard module"
        echo "SKIPPED: $name: weston does not start here: $(tail -q -n 3 "$work/weston.log" "$work/weston.out" 2>/dev/null | tr '\n' ' ')"
        exit 77
    fi
    sleep 0.05
done
export WAYLAND_DISPLAY=tintwell-e2e
exec 9>"$work/keys"

# wait_focus TITLE: waits until the program's window of that title, with
# the program's application id, has the keyboard focus; fails after the
# timeout. Sets WIN_SIZE to its WIDTHxHEIGHT.
wait_focus() {
    local want="$1" line deadline
    deadline=$(($(now_us) + timeout_s * 1000000))
    while :; do
        line=$(tail -n 1 "$work/focus.log")
        if [[ $line == "focus $app_pid "*" $app_id $want" ]]; then
            WIN_SIZE=$(cut -d' ' -f3 <<<"$line")
            return 0
        fi
        kill -0 "$app_pid" 2>/dev/null || fail "the program ended before '$want' had the keyboard"
        [ "$(now_us)" -lt "$deadline" ] || fail "no window '$want' of $app_id has the keyboard after $timeout_s s"
        sleep 0.05
    done
}

press() { echo "$1" >&9; }

# The protocol log shows what the program asked the compositor for.
WAYLAND_DEBUG=client "$app" >"$work/app.log" 2>&1 &
app_pid=$!

wait_focus "Tintwell . . ."
main_size=$WIN_SIZE
width=${main_size%x*} height=${main_size#*x}
((width > 500 && height > 300)) || fail "the main window is $main_size"
grep -q "xdg_toplevel@[0-9]*\.set_app_id(\"$app_id\")" "$work/app.log" ||
    fail "the program did not give its window the application id $app_id"
if grep -q 'xcb\|wl_shell@' "$work/app.log"; then
    fail "the program did not run as a native Wayland client"
fi

press F2
wait_focus "Print Size"
press Return
wait_focus "Preview Color"
press alt+f
press r
wait_focus "Tintwell . . ."
[ "$WIN_SIZE" = "$main_size" ] || fail "the main window came back as $WIN_SIZE, not $main_size"

press F3
deadline=$(($(now_us) + timeout_s * 1000000))
while kill -0 "$app_pid" 2>/dev/null && [ "$(awk '{print $3}' "/proc/$app_pid/stat" 2>/dev/null)" != Z ]; do
    [ "$(now_us)" -lt "$deadline" ] || fail "the program still runs $timeout_s s after F3"
    sleep 0.05
done
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || fail "F3 ended the program with status $status"
