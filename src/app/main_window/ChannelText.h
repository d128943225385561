// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - what a channel's number box holds, as a number.
#pragma once

#include <QString>
#include <optional>

// The channels' boxes take at most this many characters.
inline constexpr int ChannelTextLength = 3;

// The number the text stands for, or nothing when the text is empty, longer
// than three characters, not a decimal number, or negative (a channel never
// goes below 0, so a pasted "-5" is ignored like any other non-number).
[[nodiscard]] std::optional<double> readChannelText(const QString &text);

// True for a text made of the digits 0 to 9 alone: what a channel box takes
// when it is dropped on it or pasted with the middle button.
[[nodiscard]] bool isDigitsOnly(const QString &text);

// What the swatch says of a channel: the box's text where it reads as the
// channel's value ("05" stays as typed), else the value itself, so that an
// emptied box or a pasted "-5" never labels a colour with an amount it
// does not have.
[[nodiscard]] QString channelAmount(const QString &text, int value);

// True for the characters a channel box lets through: the digits 0 to 9 and
// Backspace, Tab, line feed, Enter and Esc.
[[nodiscard]] bool isChannelKey(int keyAscii);
