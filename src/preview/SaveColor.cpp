// Tintwell - the preview's save button: the swatch as a bitmap file under a
// name the person picks in the system's save dialog.
#include "filedialog/clsOpenSaveDialog.h"
#include "platform/RaisedError.h"
#include "platform/services/MessageBoxService.h"
#include "platform/services/PictureFileWriter.h"
#include "platform/win32/PathSeparator.h"
#include "platform/win32/QtWindowCalls.h"
#include "preview/SwatchCommands.h"
#include "preview/frmPrint.h"

#include <QDir>
#include <QImage>

QString CurrentFileName;

namespace {

const char *const WriteAdvice = "Choose another folder or name, then save the color again.";
const char *const DialogAdvice = "Save the color again; the file dialog may work the next time.";

} // namespace

void SwatchCommands::SaveColor(frmPrint &preview)
{
    const QString previous = CurrentFileName;
    CurrentFileName.clear();
    if (!Save_Dialog(preview)) {
        // Nothing was saved: the name and the caption stay as they were.
        CurrentFileName = previous;
        return;
    }
    if (CurrentFileName.isEmpty()) {
        CurrentFileName = previous;
    }
    // Until the first file of the run is saved the caption keeps its own
    // text rather than going blank.
    if (!CurrentFileName.isEmpty()) {
        preview.setCaption(CurrentFileName);
    }
}

bool SwatchCommands::Save_Dialog(frmPrint &preview)
{
    try {
        clsOpenSaveDialog dialog(services_.dialogs, services_.windows, services_.exeName);
        dialog.setDialogTitle(QStringLiteral("Select File To Save To ..."));
        dialog.setFilter(
            QStringLiteral("Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|GIF (*.gif)|*.gif"));
        dialog.setFlags(OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
        dialog.setHWndOwner(services_.windows.handleOf(&preview));
        dialog.setMaxFileSize(255);
        if (dialog.Show(clsOpenSaveDialog::DialogTypeSave)) {
            const QString path = dialog.FileName();
            const OutputResult written =
                services_.files.writeBitmap(preview.picColor.Image(), path);
            if (!written.ok()) {
                tellNotSaved(QStringLiteral("The color was not saved to \"%1\"")
                                 .arg(QDir::toNativeSeparators(path)),
                             written.reason(), QString::fromLatin1(WriteAdvice));
                return false;
            }
        }
        if (!dialog.FileName().isEmpty()) {
            CurrentFileName = dialog.FileName();
        }
    } catch (const RaisedError &error) {
        const ErrorRecord &record = error.record();
        tellNotSaved(QStringLiteral("The color was not saved"),
                     QStringLiteral("the file dialog failed with error %1 in %2, %3")
                         .arg(record.number)
                         .arg(record.source, record.description),
                     QString::fromLatin1(DialogAdvice));
        return false;
    }
    if (!CurrentFileName.isEmpty()) {
        preview.setCaption(StripPath());
    }
    return true;
}

QString SwatchCommands::StripPath()
{
    CurrentFileName =
        CurrentFileName.mid(CurrentFileName.lastIndexOf(QLatin1Char(PathSeparator)) + 1);
    return CurrentFileName;
}

void SwatchCommands::tellNotSaved(const QString &what, const QString &reason,
                                  const QString &whatToDo)
{
    messages_.show({QStringLiteral("%1: %2.\n\n%3").arg(what, clause(reason), whatToDo),
                    QStringLiteral("Tintwell"), MsgIcon::Exclamation, MsgButtons::OK});
}
