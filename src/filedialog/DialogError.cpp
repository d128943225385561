// Tintwell - the numbered errors of the file dialog component.
#include "filedialog/DialogError.h"

#include "platform/services/AppInfo.h"

#include <QFileInfo>

DialogError dialogError(std::int32_t number)
{
    DialogError error;
    error.number = number;
    error.source = QFileInfo(currentAppInfo().exeName).completeBaseName() +
                   QStringLiteral(".CFileOpenSaveDialog");
    error.description = number == ErrInvalidWindowHandle
                            ? QStringLiteral("Invalid window handle")
                            : QStringLiteral("CFileOpenSaveDialog component failure");
    return error;
}

void raiseDialogError(std::int32_t number)
{
    throw RaisedError(dialogError(number));
}
