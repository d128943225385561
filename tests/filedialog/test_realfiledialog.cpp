// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - Qt's real file dialog, offscreen, shown through the
// Win32-style calls and through clsOpenSaveDialog, driven as a person would.
#include "ModalDriver.h"
#include "filedialog/clsOpenSaveDialog.h"
#include "platform/win32/QtDialogCalls.h"
#include "platform/win32/QtWindowCalls.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

// Types into the dialog's focused field, then presses Enter.
void typeAndConfirm(const QString &text)
{
    QWidget *field = QApplication::focusWidget();
    QVERIFY(field != nullptr);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

OPENFILENAME emptyRecord(const QString &initialDir)
{
    OPENFILENAME record;
    record.lStructSize = OPENFILENAME_SIZE_VERSION_400;
    record.lpstrFile = std::string(1024, '\0');
    record.nMaxFile = 1024;
    record.lpstrFileTitle = std::string(1024, '\0');
    record.nMaxFileTitle = 1024;
    record.lpstrInitialDir = initialDir.toStdString();
    return record;
}

std::string padded(const QString &text)
{
    std::string buffer = text.toStdString();
    buffer.resize(1024, '\0');
    return buffer;
}

} // namespace

class RealFileDialogTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QtWindowCalls windows;
    QtDialogCalls dialogs{windows};
    std::unique_ptr<QObject> pollers; // ends any polling left over from a test

    QString path(const QString &name) const { return dir.filePath(name); }

    void createFile(const QString &name) const
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

  private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
        createFile("a.bmp");
        createFile("b.bmp");
        createFile("old.bmp");
    }
    void init() { pollers = std::make_unique<QObject>(); }
    void cleanup() { pollers.reset(); }

    void buffersAreWrittenOnConfirmOnly_data()
    {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("confirmed") << true;
        QTest::newRow("cancelled") << false;
    }
    void buffersAreWrittenOnConfirmOnly()
    {
        QFETCH(bool, confirm);
        OPENFILENAME record = emptyRecord(dir.path());
        const OPENFILENAME before = record;
        whenModalShows<QFileDialog>(*pollers, [&](QFileDialog &dialog) {
            if (confirm) {
                typeAndConfirm("swatch.bmp");
            } else {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            }
        });
        QCOMPARE(dialogs.GetSaveFileNameA(record), confirm ? 1 : 0);
        QCOMPARE(record.lpstrFile, confirm ? padded(path("swatch.bmp")) : before.lpstrFile);
        QCOMPARE(record.lpstrFileTitle, confirm ? padded("swatch.bmp") : before.lpstrFileTitle);
    }

    void unusableRecordShowsNothing_data()
    {
        QTest::addColumn<std::uint32_t>("structSize");
        QTest::addColumn<HWND>("owner");
        QTest::newRow("record of the wrong size") << 88U << HWND{0};
        QTest::newRow("owner that is no window") << 76U << HWND{999999};
    }
    void unusableRecordShowsNothing()
    {
        QFETCH(std::uint32_t, structSize);
        QFETCH(HWND, owner);
        OPENFILENAME record = emptyRecord(dir.path());
        record.lStructSize = structSize;
        record.hwndOwner = owner;
        bool shown = false;
        whenModalShows<QFileDialog>(
            *pollers, [&](QFileDialog &dialog) { shown = true, dialog.reject(); }, 500);
        QCOMPARE(dialogs.GetOpenFileNameA(record), 0);
        QVERIFY(!shown);
    }

    // The dialog belongs to its owner: when the owner goes while the dialog is
    // open, the dialog goes with it and counts as cancelled.
    void ownerDestroyedWhileOpen()
    {
        auto owner = std::make_unique<QWidget>();
        owner->show();
        OPENFILENAME record = emptyRecord(dir.path());
        record.hwndOwner = windows.handleOf(owner.get());
        whenModalShows<QFileDialog>(*pollers, [&](QFileDialog &) { owner.reset(); });
        QCOMPARE(dialogs.GetSaveFileNameA(record), 0);
        QCOMPARE(record.lpstrFile, std::string(1024, '\0'));
    }

    // An index outside the filter list, 0 included, starts on the first.
    void dialogShowsTheObjectsSettings_data()
    {
        QTest::addColumn<int>("filterIndex");
        QTest::addColumn<QString>("selectedFilter"); // as the list shows it
        QTest::newRow("the second filter") << 2 << "JPEG (*.jpg)";
        QTest::newRow("index 0") << 0 << "Bitmap (*.bmp)";
        QTest::newRow("beyond the list") << 3 << "Bitmap (*.bmp)";
    }
    void dialogShowsTheObjectsSettings()
    {
        QFETCH(int, filterIndex);
        QFETCH(QString, selectedFilter);
        QWidget owner;
        owner.show();
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        dialog.setDialogTitle("Save Color As");
        dialog.setFilter("Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg");
        dialog.setDefaultFilter(filterIndex);
        dialog.setInitialDir(dir.path());
        dialog.setFileName("start.jpg");
        dialog.setHWndOwner(windows.handleOf(&owner));
        QString title;
        QStringList filters;
        QString shownFilter;
        QStringList chosen;
        const QWidget *parent = nullptr;
        whenModalShows<QFileDialog>(*pollers, [&](QFileDialog &shown) {
            title = shown.windowTitle();
            filters = shown.nameFilters();
            shownFilter = shown.selectedNameFilter();
            chosen = shown.selectedFiles();
            parent = shown.parentWidget();
            shown.reject();
        });
        QVERIFY(!dialog.Show(clsOpenSaveDialog::DialogTypeSave));
        QCOMPARE(title, "Save Color As");
        QCOMPARE(filters, QStringList({"Bitmap (*.bmp) (*.bmp)", "JPEG (*.jpg) (*.jpg)"}));
        QCOMPARE(shownFilter, selectedFilter);
        QCOMPARE(chosen, QStringList{path("start.jpg")});
        QCOMPARE(parent, &owner);
    }

    void typedNameIsChosen_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("default extension added") << "swatch"
                                                 << "swatch.bmp";
        QTest::newRow("own extension kept") << "swatch.png"
                                            << "swatch.png";
    }
    void typedNameIsChosen()
    {
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        dialog.setInitialDir(dir.path());
        dialog.setDefaultExt("bmp");
        dialog.setFilter("Bitmap (*.bmp)|*.bmp");
        whenModalShows<QFileDialog>(*pollers, [&](QFileDialog &) { typeAndConfirm(typed); });
        QVERIFY(dialog.Show(clsOpenSaveDialog::DialogTypeSave));
        QCOMPARE(dialog.FileName(), path(chosen));
        QCOMPARE(dialog.FileTitle(), chosen);
        QCOMPARE(dialog.FileCount(), 1);
        QCOMPARE(dialog.SelectedPath(), dir.path() + '/');
    }

    // Within a run a dialog without a folder of its own opens where the
    // last one chose.
    void theNextDialogOpensWhereTheLastChose()
    {
        const QString elsewhere = path(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(elsewhere));
        OPENFILENAME first = emptyRecord(elsewhere);
        whenModalShows<QFileDialog>(*pollers, [&](QFileDialog &) { typeAndConfirm("one.bmp"); });
        QCOMPARE(dialogs.GetSaveFileNameA(first), 1);
        OPENFILENAME second = emptyRecord(QString());
        QString opened;
        whenModalShows<QFileDialog>(*pollers, [&](QFileDialog &shown) {
            opened = shown.directory().absolutePath();
            shown.reject();
        });
        QCOMPARE(dialogs.GetSaveFileNameA(second), 0);
        QCOMPARE(opened, elsewhere);
    }

    void cancelReturnsFalse()
    {
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        dialog.setInitialDir(dir.path());
        dialog.setFileName("keep.bmp");
        whenModalShows<QFileDialog>(*pollers, [&](QFileDialog &shown) {
            QTest::keyClicks(QApplication::focusWidget(), "other");
            QTest::keyClick(&shown, Qt::Key_Escape);
        });
        QVERIFY(!dialog.Show(clsOpenSaveDialog::DialogTypeSave));
        QCOMPARE(dialog.FileName(), "keep.bmp");
        QCOMPARE(dialog.FileCount(), 0);
    }

    void overwriteIsAskedOnlyWithItsFlag_data()
    {
        QTest::addColumn<std::uint32_t>("flags");
        QTest::addColumn<bool>("asked");
        QTest::newRow("with OFN_OVERWRITEPROMPT") << (OFN_EXPLORER | OFN_OVERWRITEPROMPT) << true;
        QTest::newRow("without it") << OFN_EXPLORER << false;
    }
    void overwriteIsAskedOnlyWithItsFlag()
    {
        QFETCH(std::uint32_t, flags);
        QFETCH(bool, asked);
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        dialog.setInitialDir(dir.path());
        dialog.setFlags(flags);
        QString question;
        whenModalShows<QFileDialog>(*pollers, [&](QFileDialog &) {
            whenModalShows<QMessageBox>(*pollers, [&](QMessageBox &box) {
                question = box.text();
                box.button(QMessageBox::Yes)->click();
            });
            typeAndConfirm("old.bmp");
        });
        QVERIFY(dialog.Show(clsOpenSaveDialog::DialogTypeSave));
        QCOMPARE(dialog.FileName(), path("old.bmp"));
        QCOMPARE(!question.isEmpty(), asked);
        QVERIFY(question.isEmpty() || question.contains("old.bmp"));
    }

    void openWithMultiSelection()
    {
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        dialog.setInitialDir(dir.path());
        dialog.setFilter("Bitmap (*.bmp)|*.bmp");
        dialog.setFlags(OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST);
        whenModalShows<QFileDialog>(*pollers,
                                    [&](QFileDialog &) { typeAndConfirm("\"a.bmp\" \"b.bmp\""); });
        QVERIFY(dialog.Show(clsOpenSaveDialog::DialogTypeOpen));
        QCOMPARE(dialog.FileCount(), 2);
        QCOMPARE(dialog.SelectedPath(), dir.path());
        QCOMPARE(dialog.FileName(), path("a.bmp"));
        QCOMPARE(dialog.GetNextFileName(1), path("a.bmp"));
        QCOMPARE(dialog.GetNextFileName(2), path("b.bmp"));
    }

    void centeringPutsTheDialogInTheMiddle_data()
    {
        QTest::addColumn<bool>("center");
        QTest::addColumn<std::uint32_t>("flags");
        QTest::newRow("Explorer-style") << true << OFN_EXPLORER;
        QTest::newRow("old-style") << true << 0U;
        QTest::newRow("without centering it sits over its owner") << false << OFN_EXPLORER;
    }
    void centeringPutsTheDialogInTheMiddle()
    {
        QFETCH(bool, center);
        QFETCH(std::uint32_t, flags);
        QWidget owner;
        owner.setGeometry(0, 0, 160, 120);
        owner.show();
        clsOpenSaveDialog dialog(dialogs, windows, QStringLiteral("tintwell"));
        dialog.setInitialDir(dir.path());
        dialog.setHWndOwner(windows.handleOf(&owner));
        dialog.setFlags(flags);
        dialog.setCenterDialog(center);
        QRect placed;
        whenModalShows<QFileDialog>(*pollers, [&](QFileDialog &shown) {
            placed = shown.frameGeometry();
            shown.reject();
        });
        dialog.Show(clsOpenSaveDialog::DialogTypeOpen);
        const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
        QVERIFY(placed.width() < desktop.width());
        const QPoint offCentre = placed.center() - desktop.center();
        QCOMPARE(offCentre.manhattanLength() <= 2, center);
    }
};

QTEST_MAIN(RealFileDialogTest)
#include "test_realfiledialog.moc"
