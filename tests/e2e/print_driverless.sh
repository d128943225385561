#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Print to driverless printers that CUPS knows from DNS-SD alone, with no
# queue ever made for them, as a person's default: the first print makes
# CUPS's temporary queue. A colour printer gets one Letter page with the
# swatch at its natural size, in its exact colour, centred near the top. A
# printer that prints in grey only is named in a note before the question,
# and gets the swatch as a grey block, in grey dots. A queue CUPS dropped
# while the question was up is made again.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(dirname "$0")
source "$here/ipp-printer.sh"
ipp_printer_namespace "$0" "$@"
# A session bus of its own, for the accessibility bus where the note's text
# is read as a screen reader reads it.
if [ -z "${TINTWELL_SESSION_BUS:-}" ] && command -v dbus-run-session >/dev/null; then
    TINTWELL_SESSION_BUS=1 exec dbus-run-session -- bash "$0" "$@" \
        2> >(grep -v -e 'Failed to set fd limit' -e 'Activating service' -e 'Successfully activated' >&2)
fi
E2E_BUDGET=70 # three jobs through the whole filter chain
source "$here/harness.sh"
e2e_begin "$1"
COLOUR_NAME=Tintwell_Test_Printer
GREY_NAME=Tintwell_Grey_Printer
start_ipp_printer "$WORK" || fail "the colour IPP printer did not start"
COLOUR_SPOOL=$IPP_SPOOL COLOUR_URI=$IPP_URI
# No colour speed: it offers monochrome only, as black_1 and sgray_8 raster.
start_ipp_printer "$WORK" "Tintwell Grey Printer" 8632 60,0 || fail "the grey IPP printer did not start"
GREY_SPOOL=$IPP_SPOOL GREY_URI=$IPP_URI
e2e_private_cups

# CUPS lists them under their DNS-SD names, spaces made underscores, a
# moment after they are announced.
wait_discovered() {
    local deadline=$(($(now_us) + E2E_TIMEOUT * 1000000))
    until lpstat -e | grep -qx "$1"; do
        [ "$(now_us)" -lt "$deadline" ] || fail "CUPS does not list the printer $1 (lpstat -e: $(lpstat -e | tr '\n' ' '))"
        sleep 0.1
    done
}
wait_discovered "$COLOUR_NAME"
wait_discovered "$GREY_NAME"
if lpstat -v | grep -q Tintwell_; then
    fail "a queue was made for the printers: $(lpstat -v)"
fi
# The person's default, in the private HOME: it goes before the system's
# default queue, which keeps its jobs in CUPS_JOBS.
lpoptions -d "$COLOUR_NAME" >/dev/null

# Without the accessibility bus only the note's title and place are checked.
# Where it is there, it runs before the program starts, as on a desktop.
readable=""
if [ -n "${TINTWELL_SESSION_BUS:-}" ] && [ -x /usr/libexec/at-spi-bus-launcher ] &&
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null &&
    timeout 10 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1; then
    readable=1
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
else
    echo "$TEST_NAME: no accessibility bus (packages dbus, at-spi2-core, python3-pyatspi): the note's text is not read" >&2
fi

COLOUR=255,0,51
app_start
pid=$APP_PID
preview_of_colour "$pid"
preview=$PREVIEW

# click_print: the preview's print button; CLICKED is when.
click_print() {
    window_geometry "$preview"
    CLICKED=$(now_us)
    xdotool mousemove $((WIN_X + 235)) $((WIN_Y + WIN_H - 470)) click 1
}

# read_page FILE [R,G,B]: what pwg_raster.py says of the page, as variables.
read_page() {
    pages="" dpi="" width="" height="" bits="" colors="" space=""
    left="" right="" top="" ink_left="" ink_right="" ink_top="" ink_value="" ink_share=""
    eval "$(python3 "$here/pwg_raster.py" "$@")"
}

# note_text TITLE: the text of the program's message box with that title,
# as the accessibility bus gives it to a screen reader.
note_text() {
    timeout 15 /usr/bin/python3 - "$1" <<'EOF'
import sys
import time

import pyatspi


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


deadline = time.monotonic() + 10
while time.monotonic() < deadline:
    try:
        for app in pyatspi.Registry.getDesktop(0):
            for window in app if app is not None and app.name == "tintwell" else []:
                if window is not None and window.name == sys.argv[1]:
                    labels = [n.name for n in walk(window) if n.getRole() == pyatspi.ROLE_LABEL]
                    if any(labels):
                        print("\n".join(label for label in labels if label))
                        sys.exit(0)
    except Exception:  # a window went away while it was read
        pass
    time.sleep(0.1)
sys.exit(1)
EOF
}

# box_text: what the program's message box titled Tintwell says, for a
# failure's message.
box_text() {
    if [ -n "$readable" ]; then
        note_text Tintwell || echo "(its text could not be read)"
    else
        echo "(its text cannot be read without the accessibility bus)"
    fi
}

# next_box WHAT: waits for the program's question or a message box of its
# own title, whichever comes; prints the window's id, then "question" or
# "note".
next_box() {
    local deadline found
    deadline=$(($(now_us) + E2E_TIMEOUT * 1000000))
    while :; do
        found=$(find_windows '^PRINT NOW\?$' "$pid" | head -n 1)
        [ -z "$found" ] || { echo "$found question"; return 0; }
        found=$(find_windows '^Tintwell$' "$pid" | head -n 1)
        [ -z "$found" ] || { echo "$found note"; return 0; }
        [ "$(now_us)" -lt "$deadline" ] || fail "$1: neither PRINT NOW? nor a message box after $E2E_TIMEOUT s"
        sleep 0.05
    done
}

ms_since() { echo $((($(now_us) - $1) / 1000)); }

# wait_page SPOOL URI WHAT: waits until the printer at URI has received a
# whole job, whose page file in SPOOL is then in PWG.
wait_page() {
    local spool=$1 uri=$2 what=$3 deadline
    deadline=$(($(now_us) + 40000000))
    until [ -n "$(find "$spool" -name '*.pwg')" ] && ipp_job_received "$uri"; do
        [ "$(now_us)" -lt "$deadline" ] ||
            fail "$what: no page reached the IPP printer; CUPS says: $(lpstat -t 2>&1 | tail -n 8;
                tail -n 20 "$CUPS_DIR/log/error_log")"
        if [ -n "$(find_windows '^Tintwell$' "$pid")" ]; then
            fail "$what: the program said, instead of printing: $(box_text)"
        fi
        sleep 0.1
    done
    echo "$what: click to the page at the printer: $(ms_since "$CLICKED") ms" >&2
    PWG=$(find "$spool" -name '*.pwg' | head -1)
}

# The colour printer: the first print to it makes its queue.
click_print
found=$(next_box colour) || exit 1
echo "colour: click to the ${found#* }: $(ms_since "$CLICKED") ms" >&2
[ "${found#* }" = question ] || fail "colour: the program said, instead of asking: $(box_text)"
# CUPS drops such a queue a minute after its last use, which a person may
# take to say yes: the job makes it again.
lpstat -v "$COLOUR_NAME" >/dev/null 2>&1 || fail "colour: CUPS made no queue for the printer"
lpadmin -x "$COLOUR_NAME"
press_key "${found% *}" Return
wait_page "$COLOUR_SPOOL" "$COLOUR_URI" colour
keep_artifact "$PWG" print_driverless_colour.pwg
read_page "$PWG" "$COLOUR"
if [ "$space/$bits" != 19/24 ]; then
    fail "colour: the page is in colour space $space at $bits bits a dot, not 24-bit sRGB"
fi
[ -n "$left" ] || fail "colour: no dot of the swatch's exact colour $COLOUR on the page"
check_swatch_page colour 8.5 11 "$left" "$right" "$top" 0.01

# The grey printer, from the same preview: a note first says what the page
# will show, then comes the question.
lpoptions -d "$GREY_NAME" >/dev/null
click_print
found=$(next_box grey) || exit 1
echo "grey: click to the ${found#* }: $(ms_since "$CLICKED") ms" >&2
[ "${found#* }" = note ] || fail "grey: PRINT NOW? came with no note before it"
note=${found% *}
if [ -n "$readable" ]; then
    want="The printer \"$GREY_NAME\" prints in shades of grey, so the swatch will not show its color, but its red, green and blue amounts will print."
    said=$(note_text Tintwell) || fail "grey: the note's text could not be read on the accessibility bus"
    grep -qxF -- "$want" <<<"$said" || fail "grey: the note says: '$said', not: '$want'"
fi
sleep 0.3
[ -z "$(find_windows '^PRINT NOW\?$' "$pid")" ] || fail "grey: PRINT NOW? came before the note was answered"
press_key "$note" Return
question=$(wait_window '^PRINT NOW\?$' "$pid") || exit 1
press_key "$question" Return
wait_page "$GREY_SPOOL" "$GREY_URI" grey
keep_artifact "$PWG" print_driverless_grey.pwg
read_page "$PWG"
case "$space/$colors/$bits" in
    18/1/8 | 3/1/1) ;;
    *) fail "grey: the page is in colour space $space, $colors colours at $bits bits a dot, not 8-bit grey or 1-bit black" ;;
esac
[ -n "$ink_left" ] || fail "grey: the page is blank"
check_swatch_page grey 8.5 11 "$ink_left" "$ink_right" "$ink_top" 0.03
# A block of one grey, neither white nor black, behind the caption.
if [ "$bits" = 8 ]; then
    awk -v v="$ink_value" -v s="$ink_share" 'BEGIN { exit !(v > 30 && v < 225 && s > 0.5) }' ||
        fail "grey: the swatch's commonest level is $ink_value on $ink_share of it, not a grey block"
fi

# Printed again, the colour printer has the temporary queue the last job
# made: it is still the network's printer, and its queue is made again when
# CUPS drops it while the question is up.
lpoptions -d "$COLOUR_NAME" >/dev/null
rm -f "$COLOUR_SPOOL"/*.pwg
click_print
found=$(next_box "colour again") || exit 1
[ "${found#* }" = question ] || fail "colour again: the program said, instead of asking: $(box_text)"
lpstat -v "$COLOUR_NAME" >/dev/null 2>&1 || fail "colour again: the temporary queue was gone already"
lpadmin -x "$COLOUR_NAME"
press_key "${found% *}" Return
wait_page "$COLOUR_SPOOL" "$COLOUR_URI" "colour again"
[ "$(cups_job_count)" = 0 ] || fail "the system's default queue got a job instead"

press_key "$preview" Escape
wait_exit "$pid" 5
