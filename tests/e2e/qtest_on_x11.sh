#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Tintwell Software
# SPDX-License-Identifier: LicenseRef-proprietary
# Tintwell end-to-end - runs a Qt Test program (with its arguments) on a
# private Xvfb through Qt's X11 platform, for what the offscreen platform
# lacks: the X11 selection that the middle button pastes.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"

dir=$(mktemp -d)
trap 'stop_private_xvfb; rm -rf "$dir"' EXIT
start_private_xvfb "$dir"
QT_QPA_PLATFORM=xcb "$@"
