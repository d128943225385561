// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the reusable open and save file dialog object.
#pragma once

#include "platform/win32/OpenFileName.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdint>
#include <string>

class CommonDialogCalls;
class WindowCalls;

// One object holds the settings of a dialog and the results of its last
// confirmed use; it may show the dialog any number of times. Every failure
// reaches the caller as RaisedError carrying a DialogError: setting an owner
// that is no window raises ErrInvalidWindowHandle, and any other failure
// inside an operation becomes ErrComponentFailure.
class clsOpenSaveDialog
{
  public:
    enum OpenOrSave : std::int32_t
    {
        DialogTypeOpen = 0,
        DialogTypeSave = 1
    };

    // exeName: the running program's file name, which the errors' source names.
    clsOpenSaveDialog(CommonDialogCalls &dialogs, WindowCalls &windows, QString exeName);
    Q_DISABLE_COPY_MOVE(clsOpenSaveDialog)

    // Sets Filter, DefaultFilter, FileName, DialogTitle and InitialDir, then
    // checks the owner as setHWndOwner does, then sets HWndOwner and Flags.
    void Init(const QString &Filter, std::int16_t DefaultFilter, const QString &InitialDir,
              const QString &FileName, const QString &DialogTitle, HWND HWndOwner,
              std::uint32_t Flags);

    void setCenterDialog(bool Value) { centerDialog_ = Value; }
    [[nodiscard]] bool CenterDialog() const { return centerDialog_; }
    [[nodiscard]] QString DefaultExt() const { return defaultExt_; }
    void setDefaultExt(const QString &strExt) { defaultExt_ = strExt; }
    [[nodiscard]] std::int16_t DefaultFilter() const { return defaultFilter_; }
    void setDefaultFilter(std::int16_t Value) { defaultFilter_ = Value; }
    [[nodiscard]] QString DialogTitle() const { return dialogTitle_; }
    void setDialogTitle(const QString &strTitle) { dialogTitle_ = strTitle; }
    [[nodiscard]] std::int16_t FileCount() const { return fileCount_; }
    [[nodiscard]] QString FileName() const { return fileName_; }
    void setFileName(const QString &strFileName) { fileName_ = strFileName; }
    [[nodiscard]] QString FileTitle() const { return fileTitle_; }
    void setFileTitle(const QString &strFileTitle) { fileTitle_ = strFileTitle; }
    // Items separated by "|": description, pattern, description, pattern...
    [[nodiscard]] QString Filter() const { return filter_; }
    void setFilter(const QString &strFilter) { filter_ = strFilter; }
    [[nodiscard]] std::uint32_t Flags() const { return flags_; }
    void setFlags(std::uint32_t eFlags) { flags_ = eFlags; }
    [[nodiscard]] HWND HWndOwner() const { return hWndOwner_; }
    // A positive value that names no window raises ErrInvalidWindowHandle and
    // keeps the previous owner; 0 and negative values are taken unchecked.
    void setHWndOwner(HWND Value);
    [[nodiscard]] QString InitialDir() const { return initialDir_; }
    void setInitialDir(const QString &strInitialDir) { initialDir_ = strInitialDir; }
    // Kept for callers only: the dialog's buffers are always 1024 bytes.
    [[nodiscard]] std::int16_t MaxFileSize() const { return maxFileSize_; }
    void setMaxFileSize(std::int16_t intMaxFileSize) { maxFileSize_ = intMaxFileSize; }
    [[nodiscard]] QString SelectedPath() const { return selectedPath_; }

    // The full path of chosen file number Index (1 to FileCount) after a
    // multi-selection; FileName for any other index or selection.
    [[nodiscard]] QString GetNextFileName(std::int16_t Index) const;

    // Shows the modal dialog; true when the person confirmed a choice, which
    // then replaces FileName, FileTitle and the selection. With CenterDialog
    // set, OFN_ENABLEHOOK is added to Flags for good.
    bool Show(OpenOrSave DialogType);

  private:
    [[nodiscard]] OPENFILENAME dialogRecord() const;
    bool showDialog(OpenOrSave DialogType);
    QString ParseReturnedName(const std::string &buffer, std::int16_t kind);
    QString parseSingleSelection(std::string kept);
    QString parseMultiSelection(const std::string &kept);
    void checkOwner(HWND Value);

    CommonDialogCalls &dialogs_;
    WindowCalls &windows_;
    QString exeName_;

    bool centerDialog_ = false;
    std::uint32_t flags_ = OFN_EXPLORER | OFN_LONGNAMES;
    std::int16_t fileCount_ = 0;
    std::int16_t defaultFilter_ = 1;
    std::int16_t maxFileSize_ = 1024;
    HWND hWndOwner_ = 0;
    QString defaultExt_;
    QString dialogTitle_;
    QString fileName_;
    QString fileTitle_;
    QString filter_;
    QString initialDir_;
    QString selectedPath_;
    QStringList fileParts_{QString()};
};
