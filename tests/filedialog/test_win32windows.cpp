// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - window handles and window calls over real widgets, and the
// texts of a dialog record.
#include "platform/win32/DialogRecordText.h"
#include "platform/win32/QtWindowCalls.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <memory>
#include <set>

namespace {

QByteArray withNuls(const char *text)
{
    return QByteArray(text).replace('~', '\0');
}

QRect fromRect(const RECT &r)
{
    return QRect(QPoint(r.left, r.top), QSize(r.right - r.left, r.bottom - r.top));
}

} // namespace

class Win32WindowsTest : public QObject
{
    Q_OBJECT

  private slots:
    void handlesAreStableAndDistinct()
    {
        QtWindowCalls windows;
        QWidget first;
        QWidget second;
        const HWND a = windows.handleOf(&first);
        const HWND b = windows.handleOf(&second);
        QVERIFY(a > 0);
        QVERIFY(b > 0);
        QVERIFY(a != b);
        QVERIFY(a != windows.GetDesktopWindow());
        QCOMPARE(windows.handleOf(&first), a);
        QCOMPARE(windows.widgetOf(a), &first);
        QCOMPARE(windows.handleOf(nullptr), 0);
        QCOMPARE(windows.IsWindow(0), 0);
    }

    // Widgets made one after another often reuse the same address; none of
    // them may be named by a handle that an earlier one had.
    void handlesAreNeverReused()
    {
        QtWindowCalls windows;
        std::set<HWND> seen;
        for (int round = 0; round < 50; ++round) {
            auto widget = std::make_unique<QWidget>();
            const HWND handle = windows.handleOf(widget.get());
            QVERIFY(seen.insert(handle).second);
            QVERIFY(windows.IsWindow(handle) != 0);
            widget.reset();
            QCOMPARE(windows.IsWindow(handle), 0);
            QCOMPARE(windows.widgetOf(handle), nullptr);
        }
    }

    void parentsAndOwners()
    {
        QtWindowCalls windows;
        QWidget owner;
        auto *child = new QWidget(&owner);
        auto *dialog = new QWidget(&owner, Qt::Dialog);
        const HWND ownerHandle = windows.handleOf(&owner);
        QCOMPARE(windows.GetParent(windows.handleOf(child)), ownerHandle);
        QCOMPARE(windows.GetParent(windows.handleOf(dialog)), ownerHandle);
        QCOMPARE(windows.GetParent(ownerHandle), 0);
        QCOMPARE(windows.GetParent(ownerHandle + 1000), 0);
    }

    void desktopIsTheVirtualScreen()
    {
        QtWindowCalls windows;
        const HWND desktop = windows.GetDesktopWindow();
        QVERIFY(windows.IsWindow(desktop) != 0);
        RECT rect;
        QVERIFY(windows.GetWindowRect(desktop, rect) != 0);
        QCOMPARE(fromRect(rect), QGuiApplication::primaryScreen()->virtualGeometry());
        QCOMPARE(windows.MoveWindow(desktop, 0, 0, 10, 10, 1), 0);
    }

    void moveWindowPlacesItAndRectReadsItBack_data()
    {
        QTest::addColumn<bool>("child");
        QTest::addColumn<QRect>("target");
        QTest::newRow("top-level window, screen pixels") << false << QRect(100, 50, 300, 200);
        QTest::newRow("child window, parent pixels") << true << QRect(10, 20, 30, 40);
    }
    void moveWindowPlacesItAndRectReadsItBack()
    {
        QFETCH(bool, child);
        QFETCH(QRect, target);
        QtWindowCalls windows;
        QWidget top;
        top.setGeometry(200, 150, 400, 300);
        auto *inner = new QWidget(&top);
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        QWidget *moved = child ? inner : &top;
        const HWND handle = windows.handleOf(moved);
        QVERIFY(windows.MoveWindow(handle, target.x(), target.y(), target.width(), target.height(),
                                   1) != 0);
        QCOMPARE(child ? moved->geometry() : moved->frameGeometry(), target);
        RECT rect;
        QVERIFY(windows.GetWindowRect(handle, rect) != 0);
        const QPoint screenOffset = child ? top.mapToGlobal(QPoint(0, 0)) : QPoint();
        QCOMPARE(fromRect(rect), target.translated(screenOffset));
    }

    void destroyedWindowCannotBeReadOrMoved()
    {
        QtWindowCalls windows;
        auto widget = std::make_unique<QWidget>();
        const HWND handle = windows.handleOf(widget.get());
        widget.reset();
        RECT rect{1, 2, 3, 4};
        QCOMPARE(windows.GetWindowRect(handle, rect), 0);
        QCOMPARE(fromRect(rect), QRect(QPoint(1, 2), QSize(2, 2)));
        QCOMPARE(windows.MoveWindow(handle, 0, 0, 10, 10, 1), 0);
    }

    void filterPairsBecomeQtNameFilters_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QStringList>("filters");
        QTest::newRow("one pair") << withNuls("Bitmap (*.bmp)~*.bmp~~")
                                  << QStringList{"Bitmap (*.bmp) (*.bmp)"};
        QTest::newRow("patterns split at semicolons")
            << withNuls("Pictures~*.bmp;*.jpg~~") << QStringList{"Pictures (*.bmp *.jpg)"};
        QTest::newRow("*.* is every file") << withNuls("All~*.*~~") << QStringList{"All (*)"};
        QTest::newRow("two pairs")
            << withNuls("A~*.a~B~*.b~~") << QStringList{"A (*.a)", "B (*.b)"};
        QTest::newRow("empty list") << withNuls("~~") << QStringList{};
        QTest::newRow("pair without pattern") << withNuls("Text~~") << QStringList{"Text (*)"};
        QTest::newRow("no closing NULs") << withNuls("A~*.a") << QStringList{"A (*.a)"};
    }
    void filterPairsBecomeQtNameFilters()
    {
        QFETCH(QByteArray, list);
        QFETCH(QStringList, filters);
        QCOMPARE(nameFiltersOf(list.toStdString()), filters);
    }

    void chosenFilesAreWrittenInWin32Form_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("bufferLength");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("title");
        QTest::newRow("one file") << QStringList{"/Pictures/red.bmp"} << 1024 << true
                                  << QByteArray("/Pictures/red.bmp") << QByteArray("red.bmp");
        QTest::newRow("two files") << QStringList{"/P/a.bmp", "/P/b.bmp"} << 1024 << true
                                   << withNuls("/P~a.bmp~b.bmp~") << QByteArray("a.bmp");
        QTest::newRow("two files in the root") << QStringList{"/a.bmp", "/b.bmp"} << 1024 << true
                                               << withNuls("/~a.bmp~b.bmp~") << QByteArray("a.bmp");
        const QString longest = '/' + QString(1022, u'a');
        QTest::newRow("path filling the buffer but its NUL")
            << QStringList{longest} << 1024 << true << longest.toUtf8()
            << QString(1022, u'a').toUtf8();
        QTest::newRow("path one byte too long")
            << QStringList{longest + 'a'} << 1024 << false << QByteArray() << QByteArray();
        // Directory, NUL, names each with a NUL, and one more NUL: 1024 bytes fit, 1025 do not.
        const QString name(1017, u'a');
        QTest::newRow("two files filling the buffer")
            << QStringList{"/P/" + name, "/P/b"} << 1024 << true
            << "/P" + QByteArray(1, '\0') + name.toUtf8() + withNuls("~b~") << name.toUtf8();
        QTest::newRow("two files one byte too long")
            << QStringList{"/P/a" + name, "/P/b"} << 1024 << false << QByteArray() << QByteArray();
        QTest::newRow("buffer shorter than nMaxFile says")
            << QStringList{"/Pictures/red.bmp"} << 8 << false << QByteArray() << QByteArray();
    }
    void chosenFilesAreWrittenInWin32Form()
    {
        QFETCH(QStringList, files);
        QFETCH(int, bufferLength);
        QFETCH(bool, written);
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, title);
        OPENFILENAME record;
        record.lpstrFile = std::string(static_cast<std::size_t>(bufferLength), 'x');
        record.nMaxFile = 1024;
        record.lpstrFileTitle = std::string(1024, 'x');
        record.nMaxFileTitle = 1024;
        const OPENFILENAME before = record;
        QCOMPARE(writeChosenFiles(record, files), written);
        if (!written) {
            QCOMPARE(record.lpstrFile, before.lpstrFile);
            QCOMPARE(record.lpstrFileTitle, before.lpstrFileTitle);
            return;
        }
        QCOMPARE(QByteArray::fromStdString(record.lpstrFile),
                 file + QByteArray(bufferLength - file.size(), '\0'));
        QCOMPARE(QByteArray::fromStdString(record.lpstrFileTitle),
                 title + QByteArray(1024 - title.size(), '\0'));
    }
};

QTEST_MAIN(Win32WindowsTest)
#include "test_win32windows.moc"
