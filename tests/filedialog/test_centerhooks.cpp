// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - the centering hooks' arithmetic, through scripted windows.
#include "ScriptedCalls.h"
#include "filedialog/modOpenSaveDialog.h"

#include <QTest>
#include <limits>

namespace {

constexpr HWND Dialog = 20;
constexpr HWND Child = 21; // what an Explorer-style hook is handed

RECT sized(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    return RECT{left, top, left + width, top + height};
}

} // namespace

Q_DECLARE_METATYPE(RECT)

class CenterHooksTest : public QObject
{
    Q_OBJECT

    ScriptedWindowCalls windows;

    // Hands the message to the hook of the given style; returns the hook's result.
    std::int32_t runHook(bool explorer, std::uint32_t message)
    {
        return explorer ? ExplorerCenterHook(windows, Child, message, 0, 0)
                        : ClassicCenterHook(windows, Dialog, message, 0, 0);
    }

  private slots:
    void init()
    {
        windows = ScriptedWindowCalls();
        windows.parents[Child] = Dialog;
        windows.rects[Child] = sized(5, 5, 40, 30);
    }

    void dialogMovesToTheDesktopCentre_data()
    {
        QTest::addColumn<bool>("explorer");
        QTest::addColumn<RECT>("desktop");
        QTest::addColumn<RECT>("dialog");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        for (const bool explorer : {true, false}) {
            const char *style = explorer ? "Explorer" : "old-style";
            const auto row = [&](const char *name) {
                return &QTest::addRow("%s: %s", style, name);
            };
            *row("563 x 400 on 1024 x 768")
                << explorer << sized(0, 0, 1024, 768) << sized(17, 33, 563, 400) << 230 << 184;
            *row("231.5 rounds to 232")
                << explorer << sized(0, 0, 1024, 768) << sized(0, 0, 561, 400) << 232 << 184;
            *row("229.5 rounds to 230")
                << explorer << sized(0, 0, 1024, 768) << sized(0, 0, 565, 400) << 230 << 184;
            *row("wider than the desktop")
                << explorer << sized(0, 0, 800, 600) << sized(0, 0, 803, 400) << -2 << 100;
            *row("desktop offset is not added")
                << explorer << sized(100, 50, 1024, 768) << sized(300, 300, 563, 400) << 230 << 184;
        }
    }
    void dialogMovesToTheDesktopCentre()
    {
        QFETCH(bool, explorer);
        QFETCH(RECT, desktop);
        QFETCH(RECT, dialog);
        QFETCH(int, x);
        QFETCH(int, y);
        windows.rects[windows.desktop] = desktop;
        windows.rects[Dialog] = dialog;
        QCOMPARE(runHook(explorer, WM_INITDIALOG), 0);
        QCOMPARE(windows.moves.size(), std::size_t{1});
        const ScriptedWindowCalls::Move &move = windows.moves.front();
        QCOMPARE(move.window, Dialog);
        QCOMPARE(move.x, x);
        QCOMPARE(move.y, y);
        QCOMPARE(move.width, dialog.right - dialog.left);
        QCOMPARE(move.height, dialog.bottom - dialog.top);
        QCOMPARE(move.repaint, 1);
    }

    void otherMessagesMoveNothing_data()
    {
        QTest::addColumn<bool>("explorer");
        QTest::addColumn<std::uint32_t>("message");
        QTest::newRow("Explorer, 0") << true << 0U;
        QTest::newRow("Explorer, one below") << true << 271U;
        QTest::newRow("Explorer, one above") << true << 273U;
        QTest::newRow("old-style, one below") << false << 271U;
        QTest::newRow("old-style, paint") << false << 0xFU;
    }
    void otherMessagesMoveNothing()
    {
        QFETCH(bool, explorer);
        QFETCH(std::uint32_t, message);
        windows.rects[windows.desktop] = sized(0, 0, 1024, 768);
        windows.rects[Dialog] = sized(0, 0, 563, 400);
        QCOMPARE(runHook(explorer, message), 0);
        QVERIFY(windows.moves.empty());
    }

    // A hook never passes a failure to the dialog; a dialog whose place cannot
    // be worked out stays where it is rather than being shrunk or thrown away.
    void failuresLeaveTheDialogAlone_data()
    {
        QTest::addColumn<bool>("explorer");
        QTest::addColumn<bool>("callsThrow");
        QTest::addColumn<RECT>("dialog");
        constexpr auto lowest = std::numeric_limits<std::int32_t>::min();
        constexpr auto highest = std::numeric_limits<std::int32_t>::max();
        const RECT tooWide{lowest, 0, highest, 400};
        QTest::newRow("Explorer, width beyond 32 bits") << true << false << tooWide;
        QTest::newRow("old-style, width beyond 32 bits") << false << false << tooWide;
        QTest::newRow("Explorer, window calls throw") << true << true << sized(0, 0, 563, 400);
        QTest::newRow("old-style, window calls throw") << false << true << sized(0, 0, 563, 400);
    }
    void failuresLeaveTheDialogAlone()
    {
        QFETCH(bool, explorer);
        QFETCH(bool, callsThrow);
        QFETCH(RECT, dialog);
        windows.rects[windows.desktop] = sized(0, 0, 1024, 768);
        windows.rects[Dialog] = dialog;
        windows.fail = callsThrow;
        QCOMPARE(runHook(explorer, WM_INITDIALOG), 0);
        QVERIFY(windows.moves.empty());
    }
};

QTEST_GUILESS_MAIN(CenterHooksTest)
#include "test_centerhooks.moc"
