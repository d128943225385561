# Tintwell - a private CUPS scheduler for tests and benchmarks. Sourced, not run.
# shellcheck shell=bash
#
# start_private_cups: starts a cupsd of its own with its configuration,
# spool, logs and socket in a new folder CUPS_DIR under TMPDIR, adds the queue "tintwell-test" as the
# default destination and points this shell's CUPS clients at it
# (CUPS_SERVER). The queue's backend keeps each job's data, the PDF that Qt
# hands CUPS, as CUPS_JOBS/job-N.pdf, with the job's options as job-N.options. Nothing of the machine's own CUPS
# set-up is read or changed. Returns 77 with the reason in CUPS_SKIP_REASON
# when the machine does not allow it (not root, no cupsd); returns 1 with
# the scheduler's log when it does not start.
#
# stop_private_cups: stops that scheduler (its filters and backends with it)
# and removes its folder. Call it from the caller's exit trap.
#
# wait_cups_jobs N [SECONDS]: waits until N jobs have arrived in CUPS_JOBS.

CUPS_PID=""
CUPS_DIR=""
CUPS_JOBS=""
CUPS_SKIP_REASON=""
CUPS_QUEUE="tintwell-test"

_cups_now_us() { echo "${EPOCHREALTIME/./}"; }

# The scheduler's two configuration files: it listens on its own socket
# only, lets anyone do anything (it lives for one test), and keeps all of
# its state under DIR.
_cups_write_config() {
    local dir=$1
    cat >"$dir/cupsd.conf" <<EOF
Listen $dir/cups.sock
Browsing No
LogLevel warn
MaxLogSize 0
WebInterface No
PreserveJobHistory No
PreserveJobFiles No
DefaultPolicy open
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy open>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
EOF
    cat >"$dir/cups-files.conf" <<EOF
ServerRoot $dir
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
ServerBin $dir/bin
DataDir /usr/share/cups
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
FileDevice No
User lp
Group lp
SystemGroup root
EOF
}

# The backend that keeps the jobs: mode 0755, so that cupsd runs it as lp.
# It writes under a temporary name and renames, so that a job file that is
# there is complete.
_cups_write_backend() {
    local file=$1
    cat >"$file" <<'EOF'
#!/bin/sh
# Keeps each job's data as job-ID.pdf in the folder of the device URI, and
# the options CUPS gives it as job-ID.options.
umask 022
if [ $# -eq 0 ]; then
    echo 'direct tintwelljobs "Unknown" "Tintwell test jobs"'
    exit 0
fi
folder=${DEVICE_URI#*:}
partial="$folder/.job-$1.partial"
printf '%s\n' "$5" >"$folder/job-$1.options"
if [ -n "$6" ]; then
    cat "$6" >"$partial" || exit 1
else
    cat >"$partial" || exit 1
fi
mv "$partial" "$folder/job-$1.pdf"
EOF
    chmod 0755 "$file"
}

_cups_server_bin() {
    local bin=$1 part
    mkdir -p "$bin/backend"
    for part in filter daemon cgi-bin notifier monitor; do
        ln -s "/usr/lib/cups/$part" "$bin/$part"
    done
    _cups_write_backend "$bin/backend/tintwelljobs"
    # For driverless queues that reach an IPP printer (tests/e2e/ipp-printer.sh);
    # the queue CUPS makes for a printer it found over DNS-SD speaks ipps.
    ln -s /usr/lib/cups/backend/ipp "$bin/backend/ipp"
    ln -s /usr/lib/cups/backend/ipp "$bin/backend/ipps"
}

start_private_cups() {
    local dir deadline
    if ! command -v cupsd >/dev/null && [ ! -x /usr/sbin/cupsd ]; then
        CUPS_SKIP_REASON="cupsd is not installed (scripts/install-deps installs the cups package)"
        return 77
    fi
    if [ "$(id -u)" -ne 0 ]; then
        CUPS_SKIP_REASON="a private cupsd needs root: it runs its backends as the user lp"
        return 77
    fi
    local tool
    for tool in lpadmin lpstat; do
        if ! command -v "$tool" >/dev/null && [ ! -x "/usr/sbin/$tool" ]; then
            CUPS_SKIP_REASON="$tool is not installed (scripts/install-deps installs it)"
            return 77
        fi
    done
    # Its own folder, not one of the caller's: the backend runs as lp and
    # must reach the jobs folder, and the socket's path must stay short.
    dir=$(mktemp -d "${TMPDIR:-/tmp}/tintwell-cups.XXXXXX") || return 1
    CUPS_DIR=$dir
    CUPS_JOBS="$dir/jobs"
    mkdir -p "$dir"/{spool/tmp,cache,state,tmp,log,ppd} "$CUPS_JOBS"
    chmod 0755 "$dir"
    chmod 0777 "$CUPS_JOBS"
    # Filters run as lp and keep their temporary files here.
    chmod 1777 "$dir/tmp"
    _cups_write_config "$dir"
    _cups_server_bin "$dir/bin"
    PATH="$PATH:/usr/sbin" cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" \
        >"$dir/log/cupsd.out" 2>&1 &
    CUPS_PID=$!

    # Every CUPS client of this shell asks this scheduler, and nothing else
    # chooses its destination: no lpoptions or client.conf of the machine
    # (they are read from CUPS_SERVERROOT) or of the user (from ~/.cups).
    export CUPS_SERVER="$dir/cups.sock"
    export CUPS_SERVERROOT="$dir"
    export HOME="$dir/home"
    mkdir -p "$HOME"
    unset LPDEST PRINTER
    deadline=$(($(_cups_now_us) + 15000000))
    until lpstat -r 2>/dev/null | grep -q 'is running'; do
        if ! kill -0 "$CUPS_PID" 2>/dev/null || [ "$(_cups_now_us)" -gt "$deadline" ]; then
            _cups_failed "the private cupsd did not start"
            return 1
        fi
        sleep 0.05
    done
    # A raw queue: the job's data reaches the backend as the program sent it.
    if ! PATH="$PATH:/usr/sbin" lpadmin -p "$CUPS_QUEUE" -v "tintwelljobs:$CUPS_JOBS" -E \
        2>"$dir/log/lpadmin.out" ||
        ! PATH="$PATH:/usr/sbin" lpadmin -d "$CUPS_QUEUE" 2>>"$dir/log/lpadmin.out"; then
        _cups_failed "the private cupsd did not take the queue"
        return 1
    fi
    export CUPS_JOBS
}

_cups_failed() {
    echo "$1:" >&2
    cat "$CUPS_DIR"/log/* >&2 2>/dev/null || true
    stop_private_cups
}

stop_private_cups() {
    if [ -n "$CUPS_PID" ]; then
        kill "$CUPS_PID" 2>/dev/null || true
        wait "$CUPS_PID" 2>/dev/null || true
        CUPS_PID=""
    fi
    if [ -n "$CUPS_DIR" ]; then
        rm -rf "$CUPS_DIR"
        CUPS_DIR=""
    fi
}

# cups_job_count: the number of complete jobs that arrived.
cups_job_count() {
    local files=("$CUPS_JOBS"/job-*.pdf)
    [ -e "${files[0]}" ] || { echo 0; return; }
    echo "${#files[@]}"
}

wait_cups_jobs() {
    local want=$1 deadline
    deadline=$(($(_cups_now_us) + ${2:-15} * 1000000))
    while [ "$(cups_job_count)" -lt "$want" ]; do
        [ "$(_cups_now_us)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}
