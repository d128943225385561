// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the font faces a window asks for, with the one fallback.
#pragma once

#include <QStringList>

// The family asked for, then Liberation Sans: the layouts in twips assume
// Arial's metrics, which Liberation Sans shares where Arial is not installed.
[[nodiscard]] inline QStringList fontFamilies(const QString &family)
{
    return {family, QStringLiteral("Liberation Sans")};
}
