// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the Win32-style open and save dialogs over QFileDialog.
#pragma once

#include "platform/win32/CommonDialogCalls.h"

#include <QFileDialog>
#include <QtGlobal>

class QtWindowCalls;

// Shows the desktop's own file dialog where the platform offers one (GTK's
// through Qt's gtk3 theme, KDE's, the desktop portal), else Qt's own, built
// from the record: title, filter pairs and the index of the first, initial
// directory and name, default extension, the overwrite question with
// OFN_OVERWRITEPROMPT, several files for open with OFN_ALLOWMULTISELECT.
// Without an initial directory it opens where the last dialog of the run
// chose a file. With OFN_ENABLEHOOK it is always Qt's own, which the hook
// can see and move: the hook receives WM_INITDIALOG before the dialog first
// shows, with a child of the dialog when OFN_EXPLORER is set, else with the
// dialog itself.
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
    void configure(QFileDialog &dialog, const OPENFILENAME &record,
                   QFileDialog::AcceptMode mode) const;
    void installHook(QFileDialog &dialog, const OPENFILENAME &record);

    QtWindowCalls &windows_;
    QString lastFolder_; // where the last dialog chose, for one without a folder of its own
};
