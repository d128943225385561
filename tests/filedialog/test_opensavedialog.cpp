// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - clsOpenSaveDialog against a scripted dialog: its settings,
// the record it hands over, the results it reads back, its errors.
#include "ScriptedCalls.h"
#include "filedialog/DialogError.h"
#include "filedialog/clsOpenSaveDialog.h"
#include "filedialog/modOpenSaveDialog.h"

#include <QByteArray>
#include <QTest>
#include <functional>

// Record strings print like byte arrays when a comparison fails, NULs shown.
template <> inline char *QTest::toString(const std::string &text)
{
    return QTest::toString(QByteArray::fromStdString(text));
}

namespace {

constexpr std::size_t BufferLength = 1024;
constexpr HWND LiveOwner = 42;
constexpr HWND DeadOwner = 43;

std::string bytes(const QByteArray &text)
{
    return text.toStdString();
}

// Buffers are written with "~" for each NUL, which reads better than "\0".
QByteArray withNuls(const char *text)
{
    return QByteArray(text).replace('~', '\0');
}

// The text followed by NULs (or the given filler) to the whole buffer.
std::string padded(const QByteArray &text, char filler = '\0')
{
    std::string buffer = bytes(text);
    buffer.resize(BufferLength, filler);
    return buffer;
}

// The error that the operation raised, or an error numbered 0 when it raised none.
DialogError raisedBy(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const RaisedError &error) {
        return error.record();
    }
    return {};
}

} // namespace

class OpenSaveDialogTest : public QObject
{
    Q_OBJECT

    ScriptedDialogCalls dialogs;
    ScriptedWindowCalls windows;

    // The record handed to the dialog by the last Show.
    const OPENFILENAME &handedOver() const { return dialogs.calls.back().record; }

    // Shows a dialog that the person cancels; returns the record it was handed.
    const OPENFILENAME &cancelledShow(clsOpenSaveDialog &dialog)
    {
        dialogs.confirm = false;
        dialog.Show(clsOpenSaveDialog::DialogTypeSave);
        return handedOver();
    }

    // Confirms a dialog answering with the given buffers.
    void choose(clsOpenSaveDialog &dialog, std::uint32_t flags, const QByteArray &file,
                const QByteArray &title)
    {
        dialog.setFlags(flags);
        dialogs.fileBuffer = padded(file);
        dialogs.titleBuffer = padded(title);
        QVERIFY(dialog.Show(clsOpenSaveDialog::DialogTypeOpen));
    }

  private slots:
    void init()
    {
        dialogs = ScriptedDialogCalls();
        windows = ScriptedWindowCalls();
        windows.rects[LiveOwner] = RECT{0, 0, 100, 100};
    }

    void newObjectHasItsInitialValues()
    {
        const clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        QCOMPARE(dialog.Flags(), 0x280000U);
        QCOMPARE(dialog.DefaultFilter(), 1);
        QCOMPARE(dialog.MaxFileSize(), 1024);
        QCOMPARE(dialog.FileCount(), 0);
        QCOMPARE(dialog.CenterDialog(), false);
        QCOMPARE(dialog.HWndOwner(), 0);
        for (const QString &text :
             {dialog.DefaultExt(), dialog.DialogTitle(), dialog.FileName(), dialog.FileTitle(),
              dialog.Filter(), dialog.InitialDir(), dialog.SelectedPath()}) {
            QVERIFY(text.isEmpty());
        }
        QCOMPARE(dialog.GetNextFileName(1), QString());
    }

    void ownerIsCheckedOnlyWhenPositive_data()
    {
        QTest::addColumn<HWND>("owner");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("checks");
        QTest::newRow("0 is no owner, taken unchecked") << HWND{0} << true << 0;
        QTest::newRow("a negative value is taken unchecked") << HWND{-7} << true << 0;
        QTest::newRow("a live window") << LiveOwner << true << 1;
        QTest::newRow("a number that is no window") << DeadOwner << false << 1;
    }
    void ownerIsCheckedOnlyWhenPositive()
    {
        QFETCH(HWND, owner);
        QFETCH(bool, accepted);
        QFETCH(int, checks);
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        dialog.setHWndOwner(LiveOwner);
        windows.isWindowCalls = 0;
        const DialogError error = raisedBy([&] { dialog.setHWndOwner(owner); });
        QCOMPARE(error.number, accepted ? 0 : ErrInvalidWindowHandle);
        QCOMPARE(dialog.HWndOwner(), accepted ? owner : LiveOwner);
        QCOMPARE(windows.isWindowCalls, checks);
    }

    void initWithDeadOwnerKeepsOwnerAndFlags()
    {
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        const DialogError error = raisedBy(
            [&] { dialog.Init("All|*.*", 2, "/Pictures", "red.bmp", "Pick", DeadOwner, 0x80006); });
        QCOMPARE(error.number, ErrInvalidWindowHandle);
        QCOMPARE(dialog.Filter(), "All|*.*");
        QCOMPARE(dialog.DefaultFilter(), 2);
        QCOMPARE(dialog.InitialDir(), "/Pictures");
        QCOMPARE(dialog.FileName(), "red.bmp");
        QCOMPARE(dialog.DialogTitle(), "Pick");
        QCOMPARE(dialog.HWndOwner(), 0);
        QCOMPARE(dialog.Flags(), 0x280000U);
    }

    void errorsCarryNumberSourceAndDescription_data()
    {
        QTest::addColumn<bool>("badOwner");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::newRow("owner that is no window")
            << true << -2147204043 << QStringLiteral("Invalid window handle");
        QTest::newRow("failure inside Show")
            << false << -2147204042 << QStringLiteral("CFileOpenSaveDialog component failure");
    }
    void errorsCarryNumberSourceAndDescription()
    {
        QFETCH(bool, badOwner);
        QFETCH(int, number);
        QFETCH(QString, description);
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        dialogs.fail = !badOwner;
        const DialogError error = raisedBy([&] {
            if (badOwner) {
                dialog.setHWndOwner(DeadOwner);
            } else {
                dialog.Show(clsOpenSaveDialog::DialogTypeSave);
            }
        });
        QCOMPARE(error.number, number);
        QCOMPARE(error.source, "tintwell.CFileOpenSaveDialog");
        QCOMPARE(error.description, description);
    }

    void showHandsOverTheSettings()
    {
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        dialog.setDialogTitle("Save Color");
        dialog.setDefaultExt("bmp");
        dialog.setInitialDir("/Pictures");
        dialog.setHWndOwner(LiveOwner);
        dialog.setDefaultFilter(-1);
        dialog.setMaxFileSize(255);
        dialog.setFlags(0x80006);
        const OPENFILENAME &record = cancelledShow(dialog);
        QCOMPARE(record.lStructSize, 76U);
        QCOMPARE(record.lpstrTitle, "Save Color");
        QCOMPARE(record.lpstrDefExt, "bmp");
        QCOMPARE(record.lpstrInitialDir, "/Pictures");
        QCOMPARE(record.hwndOwner, LiveOwner);
        QCOMPARE(record.nFilterIndex, 0xFFFFFFFFU); // -1 sign-extended
        QCOMPARE(record.Flags, 0x80006U);
        QCOMPARE(record.nMaxFile, 1024U);
        QCOMPARE(record.nMaxFileTitle, 1024U);
        QVERIFY(record.lpfnHook == nullptr);
        QCOMPARE(record.hInstance, 0);
        QCOMPARE(record.lCustData, 0);
        QVERIFY(record.lpstrCustomFilter.empty());
        QVERIFY(record.lpTemplateName.empty());
    }

    void filterBecomesNulSeparatedList_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QByteArray>("list");
        QTest::newRow("one pair") << "Bitmap (*.bmp)|*.bmp" << withNuls("Bitmap (*.bmp)~*.bmp~~");
        QTest::newRow("doubled bar") << "A||*.a" << withNuls("A~~*.a~~");
        QTest::newRow("empty filter") << "" << withNuls("~~");
        QTest::newRow("three pairs")
            << "Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|GIF (*.gif)|*.gif"
            << withNuls("Bitmap (*.bmp)~*.bmp~JPEG (*.jpg)~*.jpg~GIF (*.gif)~*.gif~~");
    }
    void filterBecomesNulSeparatedList()
    {
        QFETCH(QString, filter);
        QFETCH(QByteArray, list);
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        dialog.setFilter(filter);
        QCOMPARE(cancelledShow(dialog).lpstrFilter, bytes(list));
    }

    void buffersStartWithTheCurrentNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("buffer");
        QTest::newRow("no name") << "" << QByteArray();
        QTest::newRow("a path") << "/Pictures/red.bmp" << QByteArray("/Pictures/red.bmp");
        QTest::newRow("UTF-8 counts bytes") << "grün.bmp" << QByteArray("gr\xc3\xbcn.bmp");
        QTest::newRow("1024 bytes, no padding") << QString(1024, u'a') << QByteArray(1024, 'a');
    }
    void buffersStartWithTheCurrentNames()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, buffer);
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        dialog.setFileName(name);
        dialog.setFileTitle(name);
        cancelledShow(dialog);
        QCOMPARE(handedOver().lpstrFile, padded(buffer));
        QCOMPARE(handedOver().lpstrFileTitle, padded(buffer));
        QCOMPARE(handedOver().lpstrFile.c_str()[BufferLength], '\0');
    }

    void sizeLimitsOfShow_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("fails");
        QTest::newRow("FileName of 1024") << "FileName" << 1024 << false;
        QTest::newRow("FileName of 1025") << "FileName" << 1025 << true;
        QTest::newRow("FileTitle of 1025") << "FileTitle" << 1025 << true;
        QTest::newRow("Filter of 32766") << "Filter" << 32766 << false;
        QTest::newRow("Filter of 32767") << "Filter" << 32767 << true;
    }
    void sizeLimitsOfShow()
    {
        QFETCH(QString, property);
        QFETCH(int, length);
        QFETCH(bool, fails);
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        const QString text(length, u'x');
        if (property == "FileName") {
            dialog.setFileName(text);
        } else if (property == "FileTitle") {
            dialog.setFileTitle(text);
        } else {
            dialog.setFilter(text);
        }
        dialogs.confirm = false;
        const DialogError error = raisedBy([&] { dialog.Show(clsOpenSaveDialog::DialogTypeSave); });
        QCOMPARE(error.number, fails ? ErrComponentFailure : 0);
        QCOMPARE(dialogs.calls.size(), std::size_t{fails ? 0U : 1U});
    }

    void centeringChoosesTheHook_data()
    {
        QTest::addColumn<bool>("center");
        QTest::addColumn<std::uint32_t>("flags");
        QTest::addColumn<std::uint32_t>("flagsAfter");
        QTest::addColumn<QString>("hook");
        QTest::newRow("centering an Explorer-style dialog")
            << true << 0x80006U << 0x80026U << "Explorer";
        QTest::newRow("centering an old-style dialog") << true << 0x6U << 0x26U << "Classic";
        QTest::newRow("hook bit set by the caller") << false << 0x80020U << 0x80020U << "Explorer";
        QTest::newRow("no centering") << false << 0x80000U << 0x80000U << "none";
    }
    void centeringChoosesTheHook()
    {
        QFETCH(bool, center);
        QFETCH(std::uint32_t, flags);
        QFETCH(std::uint32_t, flagsAfter);
        QFETCH(QString, hook);
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        dialog.setCenterDialog(center);
        dialog.setFlags(flags);
        cancelledShow(dialog);
        QCOMPARE(dialog.Flags(), flagsAfter);
        QCOMPARE(handedOver().Flags, flagsAfter);
        const LPOFNHOOKPROC expected = hook == "Explorer"  ? ExplorerCenterHook
                                       : hook == "Classic" ? ClassicCenterHook
                                                           : nullptr;
        QVERIFY(handedOver().lpfnHook == expected);
    }

    void hookBitStaysAfterCenteringIsCleared()
    {
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        dialog.setCenterDialog(true);
        cancelledShow(dialog);
        dialog.setCenterDialog(false);
        cancelledShow(dialog);
        QCOMPARE(dialog.Flags(), 0x280020U);
        QVERIFY(handedOver().lpfnHook == ExplorerCenterHook);
    }

    void dialogTypeChoosesTheCall_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("call");
        QTest::newRow("0 opens") << 0 << "open";
        QTest::newRow("1 saves") << 1 << "save";
        QTest::newRow("2 shows nothing") << 2 << "none";
        QTest::newRow("-1 shows nothing") << -1 << "none";
    }
    void dialogTypeChoosesTheCall()
    {
        QFETCH(int, type);
        QFETCH(QString, call);
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        dialog.setFileName("keep.bmp");
        dialog.setCenterDialog(true);
        dialogs.fileBuffer = padded("/Pictures/red.bmp");
        dialogs.titleBuffer = padded("red.bmp");
        const bool shown = dialog.Show(static_cast<clsOpenSaveDialog::OpenOrSave>(type));
        QCOMPARE(shown, call != "none");
        QCOMPARE(dialog.FileName(), shown ? "/Pictures/red.bmp" : "keep.bmp");
        QCOMPARE(dialog.Flags(), 0x280020U); // even when nothing was shown
        if (shown) {
            const auto kind =
                call == "open" ? ScriptedDialogCalls::Kind::Open : ScriptedDialogCalls::Kind::Save;
            QCOMPARE(dialogs.calls.size(), std::size_t{1});
            QVERIFY(dialogs.calls.front().kind == kind);
        } else {
            QVERIFY(dialogs.calls.empty());
        }
    }

    void cancelKeepsEveryResult()
    {
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        choose(dialog, OFN_ALLOWMULTISELECT, withNuls("/Old~x.bmp~y.bmp~"), "x.bmp");
        dialogs.confirm = false;
        dialogs.fileBuffer = padded("/Pictures/red.bmp");
        QVERIFY(!dialog.Show(clsOpenSaveDialog::DialogTypeOpen));
        QCOMPARE(dialog.FileName(), "/Old/x.bmp");
        QCOMPARE(dialog.FileTitle(), "x.bmp");
        QCOMPARE(dialog.FileCount(), 2);
        QCOMPARE(dialog.SelectedPath(), "/Old");
        QCOMPARE(dialog.GetNextFileName(2), "/Old/y.bmp");
    }

    void lastChoiceStartsTheNextDialog()
    {
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        choose(dialog, 0, "/Pictures/red.bmp", "red.bmp");
        cancelledShow(dialog);
        QCOMPARE(handedOver().lpstrFile, padded("/Pictures/red.bmp"));
        QCOMPARE(handedOver().lpstrFileTitle, padded("red.bmp"));
    }

    void returnedBuffersAreTakenApart_data()
    {
        QTest::addColumn<std::uint32_t>("flags");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("fileTitle");
        QTest::addColumn<int>("fileCount");
        QTest::addColumn<QString>("selectedPath");
        QTest::addColumn<QStringList>("paths");
        const std::uint32_t single = OFN_EXPLORER;
        const std::uint32_t multi = OFN_EXPLORER | OFN_ALLOWMULTISELECT;
        const QString red = "/Pictures/red.bmp";

        QTest::newRow("one file") << single << QByteArray("/Pictures/red.bmp")
                                  << QByteArray("red.bmp") << red << "red.bmp" << 1 << "/Pictures/"
                                  << QStringList{red};
        QTest::newRow("two files")
            << multi << withNuls("/Pictures~a.bmp~b.bmp~") << QByteArray("a.bmp")
            << "/Pictures/a.bmp"
            << "a.bmp" << 2 << "/Pictures" << QStringList{"/Pictures/a.bmp", "/Pictures/b.bmp"};
        QTest::newRow("three files in the dialog's order")
            << multi << withNuls("/P~c~a~b~") << QByteArray("c") << "/P/c"
            << "c" << 3 << "/P" << QStringList{"/P/c", "/P/a", "/P/b"};
        QTest::newRow("directory with final separator")
            << multi << withNuls("/P/~a~b~") << QByteArray("a") << "/P/a"
            << "a" << 2 << "/P" << QStringList{"/P/a", "/P/b"};
        QTest::newRow("two files in the root")
            << multi << withNuls("/~a.bmp~b.bmp~") << QByteArray("a.bmp") << "/a.bmp"
            << "a.bmp" << 2 << "" << QStringList{"/a.bmp", "/b.bmp"};
        QTest::newRow("multi-selection of one file")
            << multi << QByteArray("/Pictures/red.bmp") << QByteArray("red.bmp") << red << "red.bmp"
            << 1 << "/Pictures/" << QStringList{red};
        QTest::newRow("multi-selection of one file in the root")
            << multi << QByteArray("/red.bmp") << QByteArray("red.bmp") << "/red.bmp"
            << "red.bmp" << 1 << "/" << QStringList{"/red.bmp"};
        QTest::newRow("multi-selection of a bare name")
            << multi << QByteArray("red.bmp") << QByteArray("red.bmp") << "red.bmp"
            << "red.bmp" << 1 << "" << QStringList{"red.bmp"};
        QTest::newRow("bare name keeps the old directory")
            << single << QByteArray("red.bmp") << QByteArray("red.bmp") << "red.bmp"
            << "red.bmp" << 1 << "/Old" << QStringList{"red.bmp"};
        QTest::newRow("buffer opening with two NULs")
            << single << QByteArray() << QByteArray() << ""
            << "" << 1 << "/Old" << QStringList{""};
        // All 1024 NULs are kept and split: 1025 empty pieces, 1024 empty names.
        QTest::newRow("multi-selection buffer opening with two NULs")
            << multi << QByteArray() << QByteArray() << "/"
            << "" << 1024 << "" << QStringList(1024, "/");
        QTest::newRow("UTF-8 name")
            << single << QByteArray("/Bilder/gr\xc3\xbcn.bmp") << QByteArray("gr\xc3\xbcn.bmp")
            << "/Bilder/grün.bmp"
            << "grün.bmp" << 1 << "/Bilder/" << QStringList{"/Bilder/grün.bmp"};
    }
    void returnedBuffersAreTakenApart()
    {
        QFETCH(std::uint32_t, flags);
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, title);
        QFETCH(QString, fileName);
        QFETCH(QString, fileTitle);
        QFETCH(int, fileCount);
        QFETCH(QString, selectedPath);
        QFETCH(QStringList, paths);
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        choose(dialog, OFN_ALLOWMULTISELECT, withNuls("/Old~x~y~z~"), "x");
        choose(dialog, flags, file, title);
        QCOMPARE(dialog.FileName(), fileName);
        QCOMPARE(dialog.FileTitle(), fileTitle);
        QCOMPARE(dialog.FileCount(), fileCount);
        QCOMPARE(dialog.SelectedPath(), selectedPath);
        for (int index = 1; index <= fileCount; ++index) {
            QCOMPARE(dialog.GetNextFileName(static_cast<std::int16_t>(index)), paths.at(index - 1));
        }
        for (const int outside : {-1, 0, fileCount + 1}) {
            QCOMPARE(dialog.GetNextFileName(static_cast<std::int16_t>(outside)), fileName);
        }
    }

    void blankBufferChangesNothing()
    {
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        choose(dialog, OFN_ALLOWMULTISELECT, withNuls("/Old~x~y~z~"), "x");
        dialog.setFlags(0);
        dialogs.fileBuffer = padded("", ' ');
        dialogs.titleBuffer = padded("", ' ');
        QVERIFY(dialog.Show(clsOpenSaveDialog::DialogTypeOpen));
        QCOMPARE(dialog.FileName(), QString());
        QCOMPARE(dialog.FileTitle(), QString());
        QCOMPARE(dialog.FileCount(), 3);
        QCOMPARE(dialog.SelectedPath(), "/Old");
    }

    // Positions are held in 16 bits; an answer beyond them fails cleanly
    // instead of wrapping round.
    void answerBeyond16BitPositionsFails()
    {
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        dialogs.fileBuffer = bytes(QByteArray(40000, 'a') + "/b" + QByteArray(2, '\0'));
        dialogs.titleBuffer = padded("b");
        const DialogError error = raisedBy([&] { dialog.Show(clsOpenSaveDialog::DialogTypeOpen); });
        QCOMPARE(error.number, ErrComponentFailure);
    }
};

QTEST_GUILESS_MAIN(OpenSaveDialogTest)
#include "test_opensavedialog.moc"
