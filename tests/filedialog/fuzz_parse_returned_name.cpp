// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell fuzz target - whatever buffers a dialog hands back, and whatever the
// flags, clsOpenSaveDialog takes them apart without a crash or a sanitizer
// report, and reports any failure only as ErrComponentFailure.
//
// Input: one byte of flags (bit 0: multi-selection, bit 1: pad the buffers
// with NULs to 1024 bytes as a real dialog does), two bytes giving the file
// buffer's length, then the file buffer and the title buffer.
#include "ScriptedCalls.h"
#include "filedialog/DialogError.h"
#include "filedialog/clsOpenSaveDialog.h"

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

std::string padded(std::string buffer, bool pad)
{
    if (pad && buffer.size() < 1024) {
        buffer.resize(1024, '\0');
    }
    return buffer;
}

void readSelection(const clsOpenSaveDialog &dialog)
{
    const std::int16_t count = dialog.FileCount();
    require(count >= 0);
    for (std::int16_t index = -1; index <= count + 1 && index < 64; ++index) {
        const QString path = dialog.GetNextFileName(index);
        require(index != 1 || count < 2 || path == dialog.FileName());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The error source names the running program, which Qt knows once it has an application.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3) {
        return 0;
    }
    const bool multi = (data[0] & 1) != 0;
    const bool pad = (data[0] & 2) != 0;
    const std::size_t rest = size - 3;
    const std::size_t fileLength = rest == 0 ? 0 : (data[1] | (data[2] << 8)) % (rest + 1);
    const auto *bytes = reinterpret_cast<const char *>(data + 3);

    ScriptedDialogCalls dialogs;
    ScriptedWindowCalls windows;
    dialogs.fileBuffer = padded(std::string(bytes, fileLength), pad);
    dialogs.titleBuffer = padded(std::string(bytes + fileLength, rest - fileLength), pad);
    clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
    dialog.setFlags(multi ? OFN_EXPLORER | OFN_ALLOWMULTISELECT : OFN_EXPLORER);
    try {
        require(dialog.Show(clsOpenSaveDialog::DialogTypeOpen));
        readSelection(dialog);
    } catch (const RaisedError &error) {
        require(error.record().number == ErrComponentFailure);
    }
    return 0;
}
