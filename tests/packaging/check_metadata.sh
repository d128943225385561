#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# The desktop entry and the metainfo pass the validators that software
# centres and distributions run: check_metadata.sh desktop-entry FILE, or
# check_metadata.sh metainfo FILE VERSION (the newest release must be it), or
# check_metadata.sh changelog FILE VERSION (Debian's format; its newest entry
# must be that version).
set -euo pipefail
kind=$1 file=$2

need() {
    command -v "$1" >/dev/null ||
        { echo "FAIL: '$1' is missing (scripts/install-deps installs it)" >&2; exit 1; }
}

case $kind in
desktop-entry)
    need desktop-file-validate
    # It exits 0 also after hints; a clean entry has nothing to say.
    out=$(desktop-file-validate "$file" 2>&1) || { echo "$out" >&2; exit 1; }
    if [ -n "$out" ]; then
        echo "FAIL: desktop-file-validate has remarks on $file:" >&2
        echo "$out" >&2
        exit 1
    fi
    ;;
metainfo)
    need appstreamcli
    appstreamcli validate --no-net "$file"
    # Written by hand beside project(VERSION): the two must not drift apart.
    newest=$(grep -o -m 1 '<release version="[^"]*"' "$file" | cut -d'"' -f2)
    if [ "$newest" != "$3" ]; then
        echo "FAIL: the newest release in $file is '$newest', the build's version is $3" >&2
        exit 1
    fi
    ;;
changelog)
    need dpkg-parsechangelog
    newest=$(dpkg-parsechangelog -l "$file" -S Version)
    if [ "$newest" != "$3" ]; then
        echo "FAIL: the newest entry in $file is '$newest', the build's version is $3" >&2
        exit 1
    fi
    ;;
*)
    echo "usage: $0 desktop-entry FILE | metainfo|changelog FILE VERSION" >&2
    exit 2
    ;;
esac
echo "PASS: $kind $(basename "$file")"
