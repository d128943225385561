// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the instructions that the help window shows.
#pragma once

#include <QString>

// The whole text, lines broken with carriage return and line feed.
[[nodiscard]] QString HelpText();
