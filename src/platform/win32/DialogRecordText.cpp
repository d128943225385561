// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - reading a dialog record's texts and writing its answer.
#include "platform/win32/DialogRecordText.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace {

std::string untilNul(const std::string &text)
{
    return text.substr(0, text.find('\0'));
}

std::string utf8(const QString &text)
{
    return text.toStdString();
}

QString qtPatterns(const QString &win32Patterns)
{
    QStringList patterns;
    for (const QString &part : win32Patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        if (!pattern.isEmpty()) {
            patterns.append(pattern == QStringLiteral("*.*") ? QStringLiteral("*") : pattern);
        }
    }
    // A pair without patterns hides nothing.
    return patterns.isEmpty() ? QStringLiteral("*") : patterns.join(u' ');
}

// The answer in the file buffer's form, before the buffer's padding.
std::string fileAnswer(const QStringList &files)
{
    if (files.size() == 1) {
        return utf8(files.first());
    }
    const QDir directory = QFileInfo(files.first()).absoluteDir();
    std::string answer = utf8(directory.absolutePath());
    for (const QString &file : files) {
        answer += '\0';
        answer += utf8(directory.relativeFilePath(file));
    }
    return answer + '\0';
}

// The answer padded with NULs to the whole buffer, when it fits with a NUL after it.
std::optional<std::string> filled(const std::string &answer, const std::string &buffer,
                                  std::uint32_t maxLength)
{
    const std::size_t capacity = std::min<std::size_t>(buffer.size(), maxLength);
    if (answer.size() >= capacity) {
        return std::nullopt;
    }
    std::string result = buffer;
    std::fill(std::copy(answer.begin(), answer.end(), result.begin()),
              result.begin() + static_cast<std::ptrdiff_t>(capacity), '\0');
    return result;
}

} // namespace

QString recordText(const std::string &field)
{
    return QString::fromStdString(untilNul(field));
}

QStringList nameFiltersOf(const std::string &filterList)
{
    QStringList filters;
    std::size_t start = 0;
    while (start < filterList.size() && filterList[start] != '\0') {
        const std::size_t descriptionEnd =
            std::min(filterList.find('\0', start), filterList.size());
        const std::size_t patternStart = std::min(descriptionEnd + 1, filterList.size());
        const std::size_t patternEnd =
            std::min(filterList.find('\0', patternStart), filterList.size());
        const QString description =
            QString::fromStdString(filterList.substr(start, descriptionEnd - start));
        const QString patterns =
            QString::fromStdString(filterList.substr(patternStart, patternEnd - patternStart));
        filters.append(description + QStringLiteral(" (") + qtPatterns(patterns) + u')');
        start = patternEnd + 1;
    }
    return filters;
}

bool writeChosenFiles(OPENFILENAME &record, const QStringList &files)
{
    if (files.isEmpty()) {
        return false;
    }
    const auto file = filled(fileAnswer(files), record.lpstrFile, record.nMaxFile);
    if (!file) {
        return false;
    }
    // A record without a title buffer asks for no title.
    const bool wantsTitle = !record.lpstrFileTitle.empty() && record.nMaxFileTitle > 0;
    const auto title = filled(utf8(QFileInfo(files.first()).fileName()), record.lpstrFileTitle,
                              record.nMaxFileTitle);
    if (wantsTitle && !title) {
        return false;
    }
    record.lpstrFile = *file;
    if (wantsTitle) {
        record.lpstrFileTitle = *title;
    }
    return true;
}
