// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - what a channel's number box holds, as a number.
#include "app/main_window/ChannelText.h"

#include <algorithm>
#include <cmath>

std::optional<double> readChannelText(const QString &text)
{
    if (text.isEmpty() || text.size() > ChannelTextLength) {
        return std::nullopt;
    }
    // Blanks around the number, a decimal point and an exponent read as a
    // number; "inf" and "nan" read as a number too, yet are none.
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0 || text.contains(QLatin1Char('-'))) {
        return std::nullopt;
    }
    return value;
}

bool isDigitsOnly(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

QString channelAmount(const QString &text, int value)
{
    return isDigitsOnly(text) && text.toInt() == value ? text : QString::number(value);
}

bool isChannelKey(int keyAscii)
{
    if (keyAscii >= '0' && keyAscii <= '9') {
        return true;
    }
    switch (keyAscii) {
    case 8:  // Backspace
    case 9:  // Tab
    case 10: // line feed (Ctrl+Enter)
    case 13: // Enter
    case 27: // Esc
        return true;
    default:
        return false;
    }
}
