# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Tintwell end-to-end - a private X server for one script. Sourced, not run.
# shellcheck shell=bash
#
# start_private_xvfb DIR [WIDTHxHEIGHT]: starts Xvfb with a screen of that size
# (1024x768 unless given) on a display number that no other server holds,
# waits until it accepts clients, and sets XVFB_PID and DISPLAY. The caller
# stops it (stop_private_xvfb) in its trap.

XVFB_PID=""

start_private_xvfb() {
    local dir=$1 size=${2:-1024x768} number="" deadline
    : >"$dir/xvfb.display"
    # -displayfd lets the server pick a free display itself and write its
    # number once it is ready, so parallel tests never fight over one.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset \
        3>"$dir/xvfb.display" >"$dir/xvfb.log" 2>&1 &
    XVFB_PID=$!
    deadline=$((${EPOCHREALTIME/./} + 15000000))
    while [ "${EPOCHREALTIME/./}" -lt "$deadline" ]; do
        if IFS= read -r number <"$dir/xvfb.display" && [ -n "$number" ]; then
            export DISPLAY=":$number"
            unset WAYLAND_DISPLAY XAUTHORITY
            return 0
        fi
        if ! kill -0 "$XVFB_PID" 2>/dev/null; then
            break
        fi
        sleep 0.05
    done
    echo "Xvfb did not start:" >&2
    cat "$dir/xvfb.log" >&2
    return 1
}

stop_private_xvfb() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
}
