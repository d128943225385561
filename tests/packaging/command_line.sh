#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# The program on its command line, row by row: what is printed where, and
# the exit status, from the built program itself; the rules are
# tests/app/test_commandline.cpp's. None of the rows has a display or may
# take the single-copy lock.
# command_line.sh PROGRAM VERSION
set -euo pipefail
app=$1 version=$2

work=$(mktemp -d "${TMPDIR:-/tmp}/tintwell-cli.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -m 0700 "$work/runtime"

# name | environment | arguments | status | stream | pattern (grep -E) | lines (- for any)
rows=(
    "version|-|--version|0|stdout|^tintwell ${version//./\\.}\$|1"
    "unknown option|-|--frobnicate|2|stderr|^tintwell: Unknown option 'frobnicate'|-"
    "no display|-||1|stderr|^tintwell: needs a graphical session.*xvfb-run .*tintwell\$|1"
    "display that does not answer|DISPLAY=:65000||1|stderr|^tintwell: could not open a window.*xvfb-run .*tintwell\$|-"
    "-display reaches Qt|-|-display :65000|1|stderr|^tintwell: could not open a window|-"
    "-platform reaches Qt|-|-platform nosuchplatform|1|stderr|^tintwell: could not open a window|1"
)

failures=0
for row in "${rows[@]}"; do
    IFS='|' read -r name environment arguments status stream pattern lines <<<"$row"
    vars=()
    [ "$environment" != - ] && vars=("$environment")
    read -r -a args <<<"$arguments"
    got=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/runtime" \
        "${vars[@]}" "$app" "${args[@]}" >"$work/stdout" 2>"$work/stderr" || got=$?
    problem=""
    if [ "$got" != "$status" ]; then
        problem="exit status $got, not $status"
    elif ! grep -Eq -- "$pattern" "$work/$stream"; then
        problem="$stream has no line matching '$pattern'"
    elif [ "$lines" != - ] && [ "$(wc -l <"$work/$stream")" != "$lines" ]; then
        problem="$stream has $(wc -l <"$work/$stream") lines, not $lines"
    elif grep -qi 'reinstall' "$work/stderr"; then
        problem="stderr passes on Qt's advice to reinstall"
    elif [ -n "$(ls -A "$work/runtime")" ]; then
        problem="it left $(ls -A "$work/runtime") in the runtime directory (the single-copy lock)"
    fi
    if [ -n "$problem" ]; then
        echo "FAIL: $name: $problem" >&2
        for s in stdout stderr; do
            echo "--- $s" >&2
            cat "$work/$s" >&2
        done
        failures=$((failures + 1))
    else
        echo "PASS: $name"
    fi
    rm -rf "${work:?}/runtime/"*
done
[ "$failures" -eq 0 ]
