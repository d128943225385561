// Tintwell - the Win32-style open and save dialogs over QFileDialog.
#pragma once

#include "platform/win32/CommonDialogCalls.h"

#include <QFileDialog>
#include <QtGlobal>

class QtWindowCalls;

// Shows Qt's own file dialog (never the desktop's native one, which a hook
// could not place), built from the record: title, filter pairs and the index
// of the first, initial directory and name, default extension, the overwrite
// question with OFN_OVERWRITEPROMPT, several files for open with
// OFN_ALLOWMULTISELECT. With OFN_ENABLEHOOK the hook receives WM_INITDIALOG
// before the dialog first shows: with a child of the dialog when OFN_EXPLORER
// is set, else with the dialog itself.
class QtDialogCalls final : public CommonDialogCalls
{
  public:
    explicit QtDialogCalls(QtWindowCalls &windows) : windows_(windows) {}
    Q_DISABLE_COPY_MOVE(QtDialogCalls)

    BOOL GetOpenFileNameA(OPENFILENAME &record) override
    {
        return run(record, QFileDialog::AcceptOpen);
    }
    BOOL GetSaveFileNameA(OPENFILENAME &record) override
    {
        return run(record, QFileDialog::AcceptSave);
    }

  private:
    BOOL run(OPENFILENAME &record, QFileDialog::AcceptMode mode);
    void installHook(QFileDialog &dialog, const OPENFILENAME &record);

    QtWindowCalls &windows_;
};
