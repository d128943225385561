# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Tintwell end-to-end - CUPS's own IPP Everywhere printer (ippeveprinter) for
# one script, found over DNS-SD on the loopback interface only. Sourced, not
# run, inside private network and mount namespaces (ipp_printer_namespace).
# shellcheck shell=bash
#
# ipp_printer_namespace SCRIPT ARGS...: runs the script again in namespaces of
# its own, unless it already is in them; exits 77 with the reason when the
# machine does not allow it.
#
# start_ipp_printer DIR [NAME [PORT [SPEEDS]]]: a printer that takes PWG
# raster only, so that CUPS runs its whole filter chain, announced over
# DNS-SD as NAME (default "Tintwell Test Printer") on PORT (default 8631).
# SPEEDS are its pages a minute in black and in colour (default 60,60); a
# colour speed of 0 makes a printer that prints in grey only. The first call
# also starts the private system bus and avahi-daemon that every printer of
# the script shares. Sets IPP_URI; the printer keeps each job's pages as
# IPP_SPOOL/N-*.pwg, a folder of its own. Its default paper is Letter. The
# caller stops them all (stop_ipp_printer) in its trap.
#
# ipp_job_received URI: the printer at URI has no job still pending, so the
# job file it keeps is whole: ippeveprinter moves a job on from pending once
# it has written the file, and CUPS's own job ends only later.

IPP_PIDS=()
IPP_URI=""
IPP_SPOOL=""
IPP_PORT=8631
IPP_BUS=""

ipp_printer_namespace() {
    [ -n "${TINTWELL_IPP_NAMESPACE:-}" ] && return 0
    local tool
    if [ "$(id -u)" -ne 0 ]; then
        echo "SKIPPED: an IPP printer on a private network needs root (network namespace)"
        exit 77
    fi
    for tool in ippeveprinter ipptool avahi-daemon dbus-daemon unshare; do
        if ! command -v "$tool" >/dev/null && [ ! -x "/usr/sbin/$tool" ]; then
            echo "SKIPPED: $tool is not installed (scripts/install-deps installs it)"
            exit 77
        fi
    done
    if ! unshare -n -m true 2>/dev/null; then
        echo "SKIPPED: this machine allows no private network namespace (unshare -n -m)"
        exit 77
    fi
    TINTWELL_IPP_NAMESPACE=1 exec unshare -n -m --propagation private bash "$@"
}

_ipp_wait_answer() {
    local deadline=$((${EPOCHREALTIME/./} + $1 * 1000000))
    until ipptool -q "$IPP_URI" get-printer-attributes.test 2>/dev/null; do
        [ "${EPOCHREALTIME/./}" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# The system bus and avahi-daemon that announce the printers on lo.
_ipp_start_avahi() {
    local dir=$1
    ip link set lo up
    # avahi-daemon keeps its pid file and socket here: the machine's own stay
    # untouched.
    mkdir -p /run/avahi-daemon
    mount -t tmpfs tmpfs /run/avahi-daemon
    dbus-daemon --config-file=/usr/share/dbus-1/system.conf --address="unix:path=$dir/bus" \
        --nofork --nopidfile </dev/null >"$dir/dbus.log" 2>&1 &
    IPP_PIDS+=($!)
    export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/bus"
    printf '[server]\nallow-interfaces=lo\nuse-ipv6=no\n[publish]\npublish-workstation=no\n' \
        >"$dir/avahi.conf"
    local deadline=$((${EPOCHREALTIME/./} + 10000000))
    until [ -S "$dir/bus" ]; do
        [ "${EPOCHREALTIME/./}" -lt "$deadline" ] || return 1
        sleep 0.05
    done
    avahi-daemon --no-drop-root --no-chroot --no-rlimits -f "$dir/avahi.conf" \
        </dev/null >"$dir/avahi.log" 2>&1 &
    IPP_PIDS+=($!)
    IPP_BUS=$dir/bus
}

start_ipp_printer() {
    local dir=$1/ipp name=${2:-Tintwell Test Printer} speeds=${4:-60,60}
    IPP_PORT=${3:-8631}
    mkdir -p "$dir/spool-$IPP_PORT"
    IPP_SPOOL="$dir/spool-$IPP_PORT"
    IPP_URI="ipp://localhost:$IPP_PORT/ipp/print"
    if [ -z "$IPP_BUS" ]; then
        _ipp_start_avahi "$dir" || return 1
    fi
    # Fast enough not to keep the test waiting; it gives up when avahi is not
    # ready yet: start it again.
    for _ in 1 2 3 4 5; do
        ippeveprinter -s "$speeds" -f image/pwg-raster -F image/pwg-raster -k -d "$IPP_SPOOL" \
            -p "$IPP_PORT" "$name" </dev/null >"$dir/printer-$IPP_PORT.log" 2>&1 &
        IPP_PIDS+=($!)
        _ipp_wait_answer 3 && return 0
        kill "${IPP_PIDS[-1]}" 2>/dev/null || true
    done
    echo "ippeveprinter did not answer:" >&2
    cat "$dir"/*.log >&2
    return 1
}

ipp_job_received() {
    local jobs
    jobs=$(ipptool -c "$1" get-jobs.test 2>/dev/null) || return 1
    ! grep -qE '^[0-9]+,pending' <<<"$jobs"
}

stop_ipp_printer() {
    local pid
    for pid in "${IPP_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    IPP_PIDS=()
    IPP_BUS=""
}

# check_swatch_page WHAT WIDTH_IN HEIGHT_IN LEFT RIGHT TOP TOLERANCE: the
# page pwg_raster.py read (pages, width, height, dpi) is one page of that
# paper, and the swatch spanning dots LEFT to RIGHT (TOP its first line) has
# the natural width NATURAL to that share, is centred across the paper for
# its outer width, which has a frame more, and starts 1000 twips below the
# top of the printable area, a margin's width below the edge.
# shellcheck disable=SC2154 # pages, width, height, dpi: the caller's reading
check_swatch_page() {
    local what=$1 want_w=$2 want_h=$3 l=$4 r=$5 t=$6 tolerance=$7 printed
    [ "$pages" = 1 ] || fail "$what: the printer got $pages pages, not 1"
    awk -v w="$width" -v h="$height" -v d="$dpi" -v ww="$want_w" -v wh="$want_h" \
        'BEGIN { exit !(w / d - ww < 0.02 && ww - w / d < 0.02 && h / d - wh < 0.02 && wh - h / d < 0.02) }' ||
        fail "$what: the page is $width x $height dots at $dpi dpi, not $want_w x $want_h in"
    printed=$(awk -v l="$l" -v r="$r" -v d="$dpi" 'BEGIN { printf "%.4f", (r - l + 1) / d }')
    echo "$what: $width x $height dots at $dpi dpi; swatch $printed in wide (natural $NATURAL in), dots $l-$r, from line $t" >&2
    awk -v p="$printed" -v n="$NATURAL" -v t="$tolerance" 'BEGIN { exit !(p / n > 1 - t && p / n < 1 + t) }' ||
        fail "$what: the swatch is $printed in wide on the paper, not its natural $NATURAL in"
    awk -v l="$l" -v r="$r" -v w="$width" -v d="$dpi" \
        'BEGIN { off = ((l + r + 1) / 2 - w / 2) / d; exit !(off > -0.06 && off < 0.02) }' ||
        fail "$what: the swatch spans dots $l to $r of $width: not centred"
    awk -v t="$t" -v d="$dpi" 'BEGIN { i = t / d; exit !(i > 0.69 && i < 0.69 + 0.3) }' ||
        fail "$what: the swatch starts $t dots from the top, not 1000 twips below the margin"
}
