// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the preview's Print command and save button: the swatch on the
// default printer, or in a bitmap file the person names.
#pragma once

#include "preview/SwatchOutput.h"

#include <QString>
#include <QtGlobal>

class CommonDialogCalls;
class MessageBoxService;
class PictureFileWriter;
class PrinterOpener;
class WindowCalls;

// The bare name of the last picture file saved in this run; empty until then.
// It outlives the preview window.
extern QString CurrentFileName;

// What printing and saving go through besides the message boxes.
struct OutputServices
{
    PrinterOpener &printer;
    PictureFileWriter &files;
    CommonDialogCalls &dialogs;
    WindowCalls &windows;
    QString exeName; // the running program's file name, for the dialog's errors
};

class SwatchCommands final : public SwatchOutput
{
  public:
    SwatchCommands(MessageBoxService &messages, OutputServices services)
        : messages_(messages), services_(std::move(services))
    {
    }
    Q_DISABLE_COPY_MOVE(SwatchCommands)

    void PrintColor(frmPrint &preview) override;
    void SaveColor(frmPrint &preview) override;

    // Replaces CurrentFileName by its name without the folder, and returns it.
    static QString StripPath();

  private:
    // Shows the save dialog and writes the file; false when the write or the
    // dialog failed, which the person has been told.
    bool Save_Dialog(frmPrint &preview);
    void tellNotPrinted(const QString &reason, const QString &whatToDo);
    void tellNotSaved(const QString &what, const QString &reason, const QString &whatToDo);
    // A reason as the middle of a sentence: without a full stop of its own.
    static QString clause(QString reason);

    MessageBoxService &messages_;
    OutputServices services_;
};
