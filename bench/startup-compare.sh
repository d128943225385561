#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Tintwell benchmarks - start-up of the program against a minimal Qt Widgets
# program, each started several times, interleaved, on a private Xvfb.
#
# startup_probe times each start from launch until its window is mapped (what
# a window tool sees as visible) and until it has painted (what a person
# sees), and reads the peak memory (VmHWM) then. The goals apply to the
# mapped time and the memory, against the minimal window; the painted times
# and a minimal window with one line of text (which has to load a font, as
# any real window does) are shown beside, to read the ratios by. Reports
# only: a missed goal does not fail.
#
# startup-compare.sh PROBE TINTWELL MINIMAL [RUNS]
set -euo pipefail

PROBE=$1
TINTWELL=$2
MINIMAL=$3
RUNS=${4:-7}
START_GOAL=1.3
MEMORY_GOAL=1.2

# shellcheck source-path=SCRIPTDIR source=../tests/e2e/xvfb.sh
source "$(dirname "$0")/../tests/e2e/xvfb.sh"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/tintwell-bench.XXXXXX")
cleanup() {
    stop_private_xvfb
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_CACHE_HOME="$WORK/home/.cache"
mkdir -p "$HOME"
unset QT_QPA_PLATFORM
start_private_xvfb "$WORK"

# The three programs, by the word the table uses for each.
declare -A TITLE=([minimal]="Minimal Qt window" [text]="Minimal Qt window" [tintwell]="Tintwell . . .")
declare -A COMMAND=([minimal]="$MINIMAL" [text]="$MINIMAL" [tintwell]="$TINTWELL")
declare -A ARGS=([minimal]="" [text]="Red Green Blue")
ORDER=(minimal text tintwell)

# measure WHICH: prints "map-us paint-us peak-KiB" for one start. Each start
# gets a fresh runtime directory, so no lock is left over from the last.
measure() {
    local which=$1 runtime
    local -a args=()
    [ -n "${ARGS[$which]:-}" ] && args=("${ARGS[$which]}")
    runtime=$(mktemp -d "$WORK/runtime.XXXXXX")
    chmod 0700 "$runtime"
    XDG_RUNTIME_DIR=$runtime "$PROBE" "${TITLE[$which]}" "${COMMAND[$which]}" "${args[@]}" \
        2>>"$WORK/programs.log" || {
        echo "startup-compare: the $which program did not show its window" >&2
        cat "$WORK/programs.log" >&2
        return 1
    }
}

# One start of each first, not counted: it fills the file cache for all.
for which in "${ORDER[@]}"; do
    measure "$which" >/dev/null
done

# Rounds: every program once a round, the one that goes first turning.
results="$WORK/results"
: >"$results"
for ((run = 0; run < RUNS; run++)); do
    for ((k = 0; k < ${#ORDER[@]}; k++)); do
        which=${ORDER[(run + k) % ${#ORDER[@]}]}
        echo "$run $which $(measure "$which")" >>"$results"
    done
done

awk -v runs="$RUNS" -v sg="$START_GOAL" -v mg="$MEMORY_GOAL" '
    function median(a, n,    i, j, t, b) {
        for (i = 1; i <= n; i++) b[i] = a[i]
        for (i = 2; i <= n; i++)
            for (j = i; j > 1 && b[j - 1] > b[j]; j--) { t = b[j]; b[j] = b[j - 1]; b[j - 1] = t }
        return n % 2 ? b[(n + 1) / 2] : (b[n / 2] + b[n / 2 + 1]) / 2
    }
    function verdict(ratio, goal) { return ratio <= goal ? "met" : "NOT MET" }
    { map[$2, $1 + 1] = $3; paint[$2, $1 + 1] = $4; kib[$2, $1 + 1] = $5 }
    END {
        printf "start-up under Xvfb: %d starts of each, interleaved; ms from launch to window mapped / painted, peak KiB\n", runs
        printf "  %-4s %21s %21s %21s\n", "run", "minimal", "minimal with text", "tintwell"
        for (r = 1; r <= runs; r++) {
            printf "  %-4d", r
            split("minimal text tintwell", names, " ")
            for (w = 1; w <= 3; w++) {
                p = names[w]
                printf " %5.1f / %5.1f %6d", map[p, r] / 1000, paint[p, r] / 1000, kib[p, r]
            }
            printf "\n"
            rmap[r] = map["tintwell", r] / map["minimal", r]
            rpaint[r] = paint["tintwell", r] / paint["minimal", r]
            rkib[r] = kib["tintwell", r] / kib["minimal", r]
            tmap[r] = map["tintwell", r] / map["text", r]
            tkib[r] = kib["tintwell", r] / kib["text", r]
        }
        split("minimal,minimal with text,tintwell", labels, ",")
        for (w = 1; w <= 3; w++) {
            p = names[w]
            for (r = 1; r <= runs; r++) { a[r] = map[p, r]; b[r] = paint[p, r]; c[r] = kib[p, r] }
            printf "  median, %-18s %5.1f / %5.1f ms, %6d KiB\n", labels[w] ":", median(a, runs) / 1000, median(b, runs) / 1000, median(c, runs)
        }
        s = median(rmap, runs); k = median(rkib, runs)
        printf "  tintwell / minimal, start to visible window: median ratio %.2f, goal within %.1f: %s\n", s, sg, verdict(s, sg)
        printf "  tintwell / minimal, peak memory:             median ratio %.2f, goal within %.1f: %s\n", k, mg, verdict(k, mg)
        printf "  for comparison: start to painted %.2f; against the window with text: start %.2f, memory %.2f\n", median(rpaint, runs), median(tmap, runs), median(tkib, runs)
    }' "$results"
