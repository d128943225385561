#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# The .deb that make package builds, unpacked as dpkg would: every file where
# a desktop looks for it, the dependencies computed, and the unpacked program
# answers --version.
# package_contents.sh DEB_DIR APP_ID VERSION
set -euo pipefail
dir=$1 id=$2 version=$3

fail() {
    echo "FAIL: package_contents: $*" >&2
    exit 1
}

deb=$(find "$dir" -maxdepth 1 -name "tintwell_${version}_*.deb" | head -n 1)
[ -n "$deb" ] || fail "no tintwell_${version}_*.deb in $dir"
root=$(mktemp -d "${TMPDIR:-/tmp}/tintwell-deb.XXXXXX")
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

[ "$(dpkg-deb -f "$deb" Package)" = tintwell ] || fail "the package is not named tintwell"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for need in fonts-liberation qt6-qpa-plugins libqt6widgets6 libc6; do
    [[ ", $depends," == *", $need"[\ ,]* ]] || fail "Depends lacks $need: $depends"
done
# A Wayland session without XWayland needs Qt's Wayland platform.
[[ ", $(dpkg-deb -f "$deb" Recommends)," == *", qt6-wayland,"* ]] ||
    fail "Recommends lacks qt6-wayland: $(dpkg-deb -f "$deb" Recommends)"

share=$root/usr/share
[ -x "$root/usr/bin/tintwell" ] || fail "no program at /usr/bin/tintwell"
entry=$share/applications/$id.desktop
[ -f "$entry" ] || fail "no desktop entry $id.desktop in /usr/share/applications"
[ -f "$share/metainfo/$id.metainfo.xml" ] || fail "no $id.metainfo.xml in /usr/share/metainfo"
[ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon $id.svg"
for size in 16 32 48 128 256; do
    png=$share/icons/hicolor/${size}x$size/apps/$id.png
    [ -f "$png" ] || fail "no ${size}x$size icon $id.png"
    got=$(identify -format '%wx%h' "$png")
    [ "$got" = "${size}x$size" ] || fail "the ${size}x$size icon is $got"
done
gzip -t "$share/man/man1/tintwell.1.gz" || fail "no compressed manual page tintwell.1.gz in man1"

# The launcher finds the program and the icon by these names.
grep -qx 'Exec=tintwell' "$entry" || fail "the desktop entry does not run tintwell"
grep -qx "Icon=$id" "$entry" || fail "the desktop entry's icon is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo does not launch $id.desktop"

out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/tintwell" --version) ||
    fail "the unpacked program's --version failed"
[ "$out" = "tintwell $version" ] || fail "the unpacked program says '$out', not 'tintwell $version'"
echo "PASS: package_contents $(basename "$deb")"
