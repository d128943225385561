// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the reusable open and save file dialog object.
#include "filedialog/clsOpenSaveDialog.h"

#include "filedialog/DialogError.h"
#include "filedialog/Int16.h"
#include "filedialog/modOpenSaveDialog.h"
#include "platform/win32/CommonDialogCalls.h"
#include "platform/win32/PathSeparator.h"
#include "platform/win32/WindowCalls.h"

#include <stdexcept>
#include <utility>

namespace {

// Both buffers handed to the dialog have this many bytes, whatever MaxFileSize says.
constexpr std::size_t BufferLength = 1024;

// Runs an operation so that whatever fails inside it reaches the caller as
// ErrComponentFailure; the original failure is not passed on.
template <class Operation> auto asComponent(Operation &&operation, const QString &exeName)
{
    try {
        return std::forward<Operation>(operation)();
    } catch (...) {
        raiseDialogError(ErrComponentFailure, exeName);
    }
}

// "|" separates the items; the dialog wants them NUL-separated, with two NULs at the end.
std::string filterList(const QString &filter)
{
    const std::string items = filter.toStdString();
    // The items are walked with a 16-bit count, which holds filters of up to 32766 bytes.
    (void)toInt16(items.size() + 1);
    std::string list;
    list.reserve(items.size() + 2);
    for (const char c : items) {
        list += c == '|' ? '\0' : c;
    }
    return list + std::string(2, '\0');
}

// The text followed by NULs up to BufferLength bytes; a longer text has no room.
std::string buffer(const QString &text)
{
    std::string bytes = text.toStdString();
    if (bytes.size() > BufferLength) {
        throw std::length_error("no room for the text in the dialog buffer");
    }
    bytes.resize(BufferLength, '\0');
    return bytes;
}

} // namespace

clsOpenSaveDialog::clsOpenSaveDialog(CommonDialogCalls &dialogs, WindowCalls &windows,
                                     QString exeName)
    : dialogs_(dialogs), windows_(windows), exeName_(std::move(exeName))
{
}

void clsOpenSaveDialog::Init(const QString &Filter, std::int16_t DefaultFilter,
                             const QString &InitialDir, const QString &FileName,
                             const QString &DialogTitle, HWND HWndOwner, std::uint32_t Flags)
{
    filter_ = Filter;
    defaultFilter_ = DefaultFilter;
    fileName_ = FileName;
    dialogTitle_ = DialogTitle;
    initialDir_ = InitialDir;
    checkOwner(HWndOwner);
    hWndOwner_ = HWndOwner;
    flags_ = Flags;
}

void clsOpenSaveDialog::setHWndOwner(HWND Value)
{
    checkOwner(Value);
    hWndOwner_ = Value;
}

void clsOpenSaveDialog::checkOwner(HWND Value)
{
    if (Value > 0 && windows_.IsWindow(Value) == 0) {
        raiseDialogError(ErrInvalidWindowHandle, exeName_);
    }
}

QString clsOpenSaveDialog::GetNextFileName(std::int16_t Index) const
{
    return asComponent(
        [&] {
            if (Index >= 1 && fileCount_ != 1 && Index <= fileCount_) {
                if (Index >= fileParts_.size()) {
                    throw std::out_of_range("no such piece of the selection");
                }
                return selectedPath_ + QLatin1Char(PathSeparator) + fileParts_.at(Index);
            }
            return fileName_;
        },
        exeName_);
}

bool clsOpenSaveDialog::Show(OpenOrSave DialogType)
{
    return asComponent([&] { return showDialog(DialogType); }, exeName_);
}

bool clsOpenSaveDialog::showDialog(OpenOrSave DialogType)
{
    if (centerDialog_) {
        flags_ |= OFN_ENABLEHOOK;
    }
    OPENFILENAME record = dialogRecord();
    BOOL confirmed = 0;
    if (DialogType == DialogTypeOpen) {
        confirmed = dialogs_.GetOpenFileNameA(record);
    } else if (DialogType == DialogTypeSave) {
        confirmed = dialogs_.GetSaveFileNameA(record);
    } else {
        return false;
    }
    if (confirmed == 0) {
        return false;
    }
    fileName_ = ParseReturnedName(record.lpstrFile, 1);
    fileTitle_ = ParseReturnedName(record.lpstrFileTitle, 2);
    return true;
}

OPENFILENAME clsOpenSaveDialog::dialogRecord() const
{
    OPENFILENAME record;
    record.lpstrTitle = dialogTitle_.toStdString();
    record.lpstrDefExt = defaultExt_.toStdString();
    record.lStructSize = OPENFILENAME_SIZE_VERSION_400;
    record.nFilterIndex = static_cast<std::uint32_t>(std::int32_t{defaultFilter_});
    record.Flags = flags_;
    if ((flags_ & OFN_ENABLEHOOK) != 0) {
        record.lpfnHook = (flags_ & OFN_EXPLORER) != 0 ? ExplorerCenterHook : ClassicCenterHook;
    }
    record.lpstrFilter = filterList(filter_);
    record.lpstrFile = buffer(fileName_);
    record.nMaxFile = BufferLength;
    record.lpstrFileTitle = buffer(fileTitle_);
    record.nMaxFileTitle = BufferLength;
    record.lpstrInitialDir = initialDir_.toStdString();
    record.hwndOwner = hWndOwner_;
    return record;
}
