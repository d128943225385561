// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the Win32-style open and save dialogs over QFileDialog.
#include "platform/win32/QtDialogCalls.h"

#include "platform/core/KeyboardReturn.h"
#include "platform/win32/DialogRecordText.h"
#include "platform/win32/QtWindowCalls.h"

#include <QEvent>
#include <QFileInfo>
#include <QPointer>
#include <QWidget>
#include <memory>

namespace {

bool isUsable(const OPENFILENAME &record)
{
    return record.lStructSize == OPENFILENAME_SIZE_VERSION_400 && !record.lpstrFile.empty() &&
           record.nMaxFile > 0;
}

QFileDialog::FileMode fileModeFor(std::uint32_t flags, QFileDialog::AcceptMode mode)
{
    if (mode == QFileDialog::AcceptSave) {
        return QFileDialog::AnyFile;
    }
    if ((flags & OFN_ALLOWMULTISELECT) != 0) {
        return QFileDialog::ExistingFiles;
    }
    return (flags & OFN_FILEMUSTEXIST) != 0 ? QFileDialog::ExistingFile : QFileDialog::AnyFile;
}

void selectFilters(QFileDialog &dialog, const OPENFILENAME &record)
{
    const QStringList filters = nameFiltersOf(record.lpstrFilter);
    if (filters.isEmpty()) {
        return;
    }
    dialog.setNameFilters(filters);
    // An index outside the list (0 included) starts with the first pair.
    const std::uint32_t index = record.nFilterIndex;
    const bool inRange = index >= 1 && index <= static_cast<std::uint32_t>(filters.size());
    dialog.selectNameFilter(filters.at(inRange ? static_cast<qsizetype>(index) - 1 : 0));
}

bool hasHook(const OPENFILENAME &record)
{
    return (record.Flags & OFN_ENABLEHOOK) != 0 && record.lpfnHook != nullptr;
}

} // namespace

void QtDialogCalls::configure(QFileDialog &dialog, const OPENFILENAME &record,
                              QFileDialog::AcceptMode mode) const
{
    // A hook moves a window it can see: the desktop's dialog is none.
    dialog.setOption(QFileDialog::DontUseNativeDialog, hasHook(record));
    // The descriptions already say which files they show.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(fileModeFor(record.Flags, mode));
    if (mode == QFileDialog::AcceptSave) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite,
                         (record.Flags & OFN_OVERWRITEPROMPT) == 0);
    }
    const QString title = recordText(record.lpstrTitle);
    const QString defaultTitle =
        mode == QFileDialog::AcceptSave ? QStringLiteral("Save As") : QStringLiteral("Open");
    dialog.setWindowTitle(title.isEmpty() ? defaultTitle : title);
    selectFilters(dialog, record);
    const QString initialDir = recordText(record.lpstrInitialDir);
    if (!initialDir.isEmpty() || !lastFolder_.isEmpty()) {
        dialog.setDirectory(initialDir.isEmpty() ? lastFolder_ : initialDir);
    }
    const QString initialName = recordText(record.lpstrFile);
    if (!initialName.isEmpty()) {
        dialog.selectFile(initialName);
    }
    dialog.setDefaultSuffix(recordText(record.lpstrDefExt));
}

namespace {

// Calls the hook once, when the dialog has its size but is not yet on screen,
// so that a move made by the hook is where the dialog first appears.
class HookOnFirstShow final : public QObject
{
  public:
    HookOnFirstShow(QWidget &dialog, LPOFNHOOKPROC hook, WindowCalls &windows, HWND handed)
        : QObject(&dialog), hook_(hook), windows_(windows), handed_(handed)
    {
        dialog.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            hook_(windows_, handed_, WM_INITDIALOG, 0, 0);
        }
        return false;
    }

  private:
    LPOFNHOOKPROC hook_;
    WindowCalls &windows_;
    HWND handed_;
};

} // namespace

void QtDialogCalls::installHook(QFileDialog &dialog, const OPENFILENAME &record)
{
    if (!hasHook(record)) {
        return;
    }
    HWND handed = windows_.handleOf(&dialog);
    if ((record.Flags & OFN_EXPLORER) != 0) {
        // An Explorer-style hook is handed a child of the dialog box, never shown.
        auto *child = new QWidget(&dialog);
        child->hide();
        handed = windows_.handleOf(child);
    }
    new HookOnFirstShow(dialog, record.lpfnHook, windows_, handed);
}

BOOL QtDialogCalls::run(OPENFILENAME &record, QFileDialog::AcceptMode mode)
{
    if (!isUsable(record)) {
        return 0;
    }
    QWidget *owner = windows_.widgetOf(record.hwndOwner);
    if (record.hwndOwner != 0 && owner == nullptr) {
        return 0;
    }
    auto dialog = std::make_unique<QFileDialog>(owner);
    configure(*dialog, record, mode);
    installHook(*dialog, record);
    const QPointer<QFileDialog> alive = dialog.get();
    const KeyboardReturn opener;
    const bool accepted = dialog->exec() == QDialog::Accepted;
    opener.giveBack();
    if (alive.isNull()) {
        // The owner was destroyed while the dialog ran and took the dialog with it.
        (void)dialog.release();
        return 0;
    }
    const QStringList chosen = dialog->selectedFiles();
    if (!accepted || chosen.isEmpty()) {
        return 0;
    }
    lastFolder_ = QFileInfo(chosen.constFirst()).absolutePath();
    return writeChosenFiles(record, chosen) ? 1 : 0;
}
