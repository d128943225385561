// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the numbered errors of the file dialog component.
#include "filedialog/DialogError.h"

#include <QFileInfo>

DialogError dialogError(std::int32_t number, const QString &exeName)
{
    DialogError error;
    error.number = number;
    error.source = QFileInfo(exeName).completeBaseName() + QStringLiteral(".CFileOpenSaveDialog");
    error.description = number == ErrInvalidWindowHandle
                            ? QStringLiteral("Invalid window handle")
                            : QStringLiteral("CFileOpenSaveDialog component failure");
    return error;
}

void raiseDialogError(std::int32_t number, const QString &exeName)
{
    throw RaisedError(dialogError(number, exeName));
}
