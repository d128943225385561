# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
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
#
# start_private_cups --protected: also adds the queue CUPS_PROTECTED_QUEUE,
# raw like the default one and keeping its jobs in CUPS_JOBS too, that asks
# for a password to print, as an office print server does (CUPS's own
# "authenticated" policy, Basic through PAM). The account that prints there,
# CUPS_TEST_USER with the password CUPS_TEST_PASSWORD, exists only in this
# shell's mount namespace: the shell must have one of its own (run it under
# `unshare -m --propagation private`, as `with-private-cups --protected`
# does), else it returns 77. The clients name that user (client.conf in
# HOME), and root's clients are asked too: no peer credentials, no
# certificate.

CUPS_PID=""
CUPS_DIR=""
CUPS_JOBS=""
CUPS_SKIP_REASON=""
CUPS_QUEUE="tintwell-test"
CUPS_PROTECTED_QUEUE="tintwell-protected"
CUPS_TEST_USER="tintwelluser"
CUPS_TEST_PASSWORD="tintwell-secret"
# CUPS_TEST_PASSWORD's SHA-512 crypt hash (openssl passwd -6 -salt tintwell).
# shellcheck disable=SC2016
_CUPS_TEST_HASH='$6$tintwell$Y5b1ktDw2M78DN7TyuXHfE6F0oye5lfNiz6n9W/kSJv486qEo6EleTAVRmrkX/zYzoV/NOlaTkQJzkQMbOK4C1'
_CUPS_MOUNTS=()

_cups_now_us() { echo "${EPOCHREALTIME/./}"; }

# The scheduler's two configuration files: it listens on its own socket
# only, lets anyone do anything (it lives for one test), and keeps all of
# its state under DIR. It remembers how each job ended, as CUPS does by
# default, for the tests that follow a job to its end.
_cups_write_config() {
    local dir=$1
    cat >"$dir/cupsd.conf" <<EOF
Listen $dir/cups.sock
Browsing No
LogLevel warn
MaxLogSize 0
WebInterface No
PreserveJobHistory Yes
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
    [ "${2:-}" = --protected ] || return 0
    # Root's clients would otherwise be let in by their peer credentials,
    # unasked. The policy is CUPS's own "authenticated" one.
    echo "PeerCred Off" >>"$dir/cups-files.conf"
    cat >>"$dir/cupsd.conf" <<'EOF'
DefaultAuthType Basic
<Policy authenticated>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit Create-Job Print-Job Print-URI Validate-Job>
    AuthType Default
    Order deny,allow
  </Limit>
  <Limit Send-Document Send-URI Hold-Job Release-Job Restart-Job Purge-Jobs Set-Job-Attributes Create-Job-Subscription Renew-Subscription Cancel-Subscription Get-Notifications Reprocess-Job Cancel-Current-Job Suspend-Current-Job Resume-Job Cancel-My-Jobs Close-Job CUPS-Move-Job CUPS-Get-Document>
    AuthType Default
    Require user @OWNER @SYSTEM
    Order deny,allow
  </Limit>
  <Limit CUPS-Add-Modify-Printer CUPS-Delete-Printer CUPS-Add-Modify-Class CUPS-Delete-Class CUPS-Set-Default>
    AuthType Default
    Require user @SYSTEM
    Order deny,allow
  </Limit>
  <Limit Pause-Printer Resume-Printer Enable-Printer Disable-Printer Pause-Printer-After-Current-Job Hold-New-Jobs Release-Held-New-Jobs Deactivate-Printer Activate-Printer Restart-Printer Shutdown-Printer Startup-Printer Promote-Job Schedule-Job-After Cancel-Jobs CUPS-Accept-Jobs CUPS-Reject-Jobs>
    AuthType Default
    Require user @SYSTEM
    Order deny,allow
  </Limit>
  <Limit Cancel-Job CUPS-Authenticate-Job>
    AuthType Default
    Require user @OWNER @SYSTEM
    Order deny,allow
  </Limit>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
}

# _cups_own_mount_namespace: true when this shell's mount namespace is not
# its parent's, i.e. one made for it (unshare -m): a bind mount over a file
# of /etc is seen by this shell's processes only.
_cups_own_mount_namespace() {
    local mine parents
    mine=$(readlink /proc/self/ns/mnt 2>/dev/null) || return 1
    parents=$(readlink "/proc/$PPID/ns/mnt" 2>/dev/null) || return 1
    [ "$mine" != "$parents" ]
}

# The private account: copies of passwd, shadow and group with the test
# user added, bound over the machine's files in this mount namespace only.
# The copies hold the machine's own hashes too: a folder for root alone.
_cups_add_account() {
    local dir=$1 uid name
    mkdir -m 0700 "$dir/accounts" || return 1
    uid=$(awk -F: 'BEGIN { u = 4200 } { used[$3] = 1 } END { while (u in used) u++; print u }' \
        /etc/passwd /etc/group)
    for name in passwd shadow group; do
        grep -v "^$CUPS_TEST_USER:" "/etc/$name" >"$dir/accounts/$name"
        chmod --reference="/etc/$name" "$dir/accounts/$name"
        chown --reference="/etc/$name" "$dir/accounts/$name"
    done
    echo "$CUPS_TEST_USER:x:$uid:$uid:Tintwell test user:$dir/home:/usr/sbin/nologin" \
        >>"$dir/accounts/passwd"
    # A password set long ago that never expires: PAM's account check passes.
    echo "$CUPS_TEST_USER:$_CUPS_TEST_HASH:19000:0:99999:7:::" >>"$dir/accounts/shadow"
    echo "$CUPS_TEST_USER:x:$uid:" >>"$dir/accounts/group"
    for name in passwd shadow group; do
        mount --bind "$dir/accounts/$name" "/etc/$name" || return 1
        _CUPS_MOUNTS+=("/etc/$name")
    done
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
    # For a network printer of a test's own that fails its jobs
    # (failing-printer.py).
    ln -s /usr/lib/cups/backend/socket "$bin/backend/socket"
}

_cups_launch() {
    PATH="$PATH:/usr/sbin" cupsd -f -c "$CUPS_DIR/cupsd.conf" -s "$CUPS_DIR/cups-files.conf" \
        >>"$CUPS_DIR/log/cupsd.out" 2>&1 &
    CUPS_PID=$!
}

_cups_wait_running() {
    local deadline
    deadline=$(($(_cups_now_us) + 15000000))
    until lpstat -r 2>/dev/null | grep -q 'is running'; do
        if ! kill -0 "$CUPS_PID" 2>/dev/null || [ "$(_cups_now_us)" -gt "$deadline" ]; then
            return 1
        fi
        sleep 0.05
    done
}

start_private_cups() {
    local protected=${1:-} dir
    if ! command -v cupsd >/dev/null && [ ! -x /usr/sbin/cupsd ]; then
        CUPS_SKIP_REASON="cupsd is not installed (scripts/install-deps installs the cups package)"
        return 77
    fi
    if [ "$(id -u)" -ne 0 ]; then
        CUPS_SKIP_REASON="a private cupsd needs root: it runs its backends as the user lp"
        return 77
    fi
    if [ "$protected" = --protected ] && ! _cups_own_mount_namespace; then
        CUPS_SKIP_REASON="the password-protected queue's account needs a mount namespace of its own (unshare -m)"
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
    _cups_write_config "$dir" "$protected"
    _cups_server_bin "$dir/bin"
    if [ "$protected" = --protected ] && ! _cups_add_account "$dir"; then
        _cups_failed "the private account could not be made"
        return 1
    fi
    _cups_launch

    # Every CUPS client of this shell asks this scheduler, and nothing else
    # chooses its destination: no lpoptions or client.conf of the machine
    # (they are read from CUPS_SERVERROOT) or of the user (from ~/.cups).
    export CUPS_SERVER="$dir/cups.sock"
    export CUPS_SERVERROOT="$dir"
    export HOME="$dir/home"
    mkdir -p "$HOME"
    unset LPDEST PRINTER
    if [ "$protected" = --protected ]; then
        # The clients print as the test user; an empty state folder leaves
        # libcups no certificate to prove itself root with instead.
        mkdir -p "$HOME/.cups" "$dir/client-state"
        echo "User $CUPS_TEST_USER" >"$HOME/.cups/client.conf"
        export CUPS_STATEDIR="$dir/client-state"
    fi
    if ! _cups_wait_running; then
        _cups_failed "the private cupsd did not start"
        return 1
    fi
    # A raw queue: the job's data reaches the backend as the program sent it.
    if ! PATH="$PATH:/usr/sbin" lpadmin -p "$CUPS_QUEUE" -v "tintwelljobs:$CUPS_JOBS" -E \
        2>"$dir/log/lpadmin.out" ||
        ! PATH="$PATH:/usr/sbin" lpadmin -d "$CUPS_QUEUE" 2>>"$dir/log/lpadmin.out"; then
        _cups_failed "the private cupsd did not take the queue"
        return 1
    fi
    export CUPS_JOBS
    [ "$protected" = --protected ] || return 0
    if ! PATH="$PATH:/usr/sbin" lpadmin -p "$CUPS_PROTECTED_QUEUE" -v "tintwelljobs:$CUPS_JOBS" \
        -o printer-op-policy=authenticated -E 2>>"$dir/log/lpadmin.out"; then
        _cups_failed "the private cupsd did not take the protected queue"
        return 1
    fi
    export CUPS_PROTECTED_QUEUE CUPS_TEST_USER CUPS_TEST_PASSWORD
}

_cups_failed() {
    echo "$1:" >&2
    cat "$CUPS_DIR"/log/* >&2 2>/dev/null || true
    stop_private_cups
}

stop_private_cups() {
    local file
    if [ -n "$CUPS_PID" ]; then
        kill "$CUPS_PID" 2>/dev/null || true
        wait "$CUPS_PID" 2>/dev/null || true
        CUPS_PID=""
    fi
    # The copies under the folder stay bound over /etc until unmounted.
    for file in "${_CUPS_MOUNTS[@]}"; do
        umount "$file" 2>/dev/null || true
    done
    _CUPS_MOUNTS=()
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
