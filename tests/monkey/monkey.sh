#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Tintwell's random-input run: the program under a private X server with a
# private CUPS queue as its default printer, driven by monkey.py.
#
#   tests/monkey/monkey.sh PROGRAM EVENTS [SEED]
#
# Without a seed one is drawn; it is printed either way, and a failure
# prints the make command that replays it. Exits 77 (skipped) where the
# machine allows no private CUPS scheduler or mount namespace.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/xvfb.sh"
source "$here/../../scripts/private-cups.sh"

app=$(realpath "$1")
events=$2
seed=${3:-$(od -An -N3 -tu4 /dev/urandom | tr -d ' ')}

work=$(mktemp -d "${TMPDIR:-/tmp}/tintwell-monkey.XXXXXX")
cleanup() {
    local status=$?
    stop_private_xvfb
    stop_private_cups
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

start_private_xvfb "$work"
status=0
start_private_cups || status=$?
if [ "$status" -eq 77 ]; then
    echo "SKIPPED: $CUPS_SKIP_REASON"
    exit 77
fi
[ "$status" -eq 0 ] || exit 1

/usr/bin/python3 "$here/monkey.py" --app "$app" --events "$events" --seed "$seed" \
    --work "$work" --lsan "$here/../lsan.supp" ${MONKEY_SHOT:+--shot "$MONKEY_SHOT"}
