// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - taking apart the buffers that a confirmed dialog returns.
#include "filedialog/Int16.h"
#include "filedialog/clsOpenSaveDialog.h"
#include "platform/win32/PathSeparator.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::int16_t FileBuffer = 1;
constexpr std::int16_t TitleBuffer = 2;

// A found character's 1-based position, held in 16 bits; 0 when not found.
std::int16_t positionOf(std::size_t index)
{
    return index == std::string::npos ? 0 : toInt16(index + 1);
}

std::string firstPositions(const std::string &text, std::int16_t count)
{
    return text.substr(0, static_cast<std::size_t>(count));
}

QString fromBytes(const std::string &bytes)
{
    return QString::fromStdString(bytes);
}

QStringList splitAtNuls(const std::string &text)
{
    QStringList pieces;
    std::size_t start = 0;
    for (std::size_t nul = text.find('\0'); nul != std::string::npos;
         nul = text.find('\0', start)) {
        pieces.append(fromBytes(text.substr(start, nul - start)));
        start = nul + 1;
    }
    pieces.append(fromBytes(text.substr(start)));
    return pieces;
}

} // namespace

QString clsOpenSaveDialog::ParseReturnedName(const std::string &buffer, std::int16_t kind)
{
    const bool blank = std::all_of(buffer.begin(), buffer.end(), [](char c) { return c == ' '; });
    if ((kind != FileBuffer && kind != TitleBuffer) || blank) {
        return {};
    }
    // The answer ends where two NULs meet, unless they open the buffer.
    const std::int16_t end = positionOf(buffer.find(std::string_view("\0\0", 2)));
    const std::string kept = end > 1 ? firstPositions(buffer, end - 1) : buffer;
    if (kind == TitleBuffer) {
        const std::int16_t nul = positionOf(kept.find('\0'));
        return fromBytes(nul > 0 ? firstPositions(kept, nul - 1) : kept);
    }
    return (flags_ & OFN_ALLOWMULTISELECT) != 0 ? parseMultiSelection(kept)
                                                : parseSingleSelection(kept);
}

QString clsOpenSaveDialog::parseSingleSelection(std::string kept)
{
    const std::int16_t nul = positionOf(kept.find('\0'));
    if (nul > 0) {
        kept = firstPositions(kept, nul - 1);
    }
    fileCount_ = 1;
    const std::int16_t separator = positionOf(kept.rfind(PathSeparator));
    if (separator > 0) {
        selectedPath_ = fromBytes(firstPositions(kept, separator));
    }
    return fromBytes(kept);
}

// Directory NUL name NUL name ...: the directory without a final separator,
// the names in the dialog's order. One name alone is a full path.
QString clsOpenSaveDialog::parseMultiSelection(const std::string &kept)
{
    const QStringList pieces = splitAtNuls(kept);
    const std::int16_t count = toInt16(static_cast<std::size_t>(pieces.size()) - 1);
    fileParts_ = pieces;
    fileCount_ = count;
    if (count >= 2) {
        QString directory = pieces.at(0);
        if (directory.endsWith(QLatin1Char(PathSeparator))) {
            directory.chop(1);
        }
        selectedPath_ = directory;
        return selectedPath_ + QLatin1Char(PathSeparator) + pieces.at(1);
    }
    // A separator in first place is the root: with no drive prefix before it,
    // it still ends a directory.
    const std::int16_t separator = positionOf(kept.rfind(PathSeparator));
    selectedPath_ = separator > 0 ? fromBytes(firstPositions(kept, separator)) : QString();
    fileCount_ = 1;
    return pieces.at(0);
}
