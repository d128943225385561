// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - reading a dialog record's texts and writing its answer.
#pragma once

#include "platform/win32/OpenFileName.h"

#include <QString>
#include <QStringList>
#include <string>

// The text of a record string: up to its first NUL, decoded from UTF-8.
[[nodiscard]] QString recordText(const std::string &field);

// The filter pairs as Qt name filters, in order. A description is shown as
// it is; its patterns (separated by ";") follow it in parentheses, where Qt
// reads them. "*.*" matches every name, as it does on Windows.
[[nodiscard]] QStringList nameFiltersOf(const std::string &filterList);

// Writes the chosen files into the record's buffers: one file as its full
// path, several as their directory, NUL, each name followed by NUL, and one
// more NUL; the title buffer gets the first file's name. The rest of each
// buffer is filled with NULs. Returns false, and writes nothing, when the
// answer does not fit in nMaxFile or nMaxFileTitle with its final NUL.
[[nodiscard]] bool writeChosenFiles(OPENFILENAME &record, const QStringList &files);
