// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - the help window: its text, the keys that close it, and
// what it keeps between openings.
#include "info/HelpText.h"
#include "support/ProgramFixture.h"

#include <QHash>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTextDocument>

namespace {

QStringList expectedPieces()
{
    const QString br = QStringLiteral("\r\n");
    return {"You can get rid of this screen by ",
            "pushing the Esc Key.",
            br + br + br,
            "     You can use this program to create any one of ",
            "16 million colors.  You can then print the color and ",
            "take it to your favorite paint store to have the color ",
            "matched in your favorite paint product.",
            br + br,
            "     It is recommended that you set ",
            "your screen resolution to 32 bit for the best match ",
            "between your screen and printer.  For best results ",
            "you should also set your printer to the highest ",
            "quality possible.  You will also get better results ",
            "if you use Photo Quality Paper.",
            br + br,
            "     It may take some practice to get the color you want, ",
            "but it is better than trying to look at the hundreds ",
            "of colors on a paint wheel or at the store.",
            "     If you have questions or would like further enhancements, ",
            "you can reach us through About in the Help menu of the main screen.",
            br + br,
            "     On the main screen you can pick a Basic ",
            "Color as a starting point.  From there use the color ",
            "scroll bars to adjust to the desired color or you can ",
            "enter numbers in the text boxes.  Valid numbers are ",
            "from 0-255.",
            br + br,
            "     Once you have the color you want ",
            "you can then select the View Color Button or ",
            "View Color ... from the File Menu.",
            br + br,
            "    You can set the size of the color ",
            "that you want to print on the screen from the Print ",
            "Setup dialog box. Valid numbers are 1-9 for the ",
            "Height and 1-7 for the Width.",
            br + br,
            "     When you select OK you will see the color you created ",
            "with the size that you selected.  On the picture of the color ",
            "you will see the amounts used for Red, Green and Blue.  ",
            "Use this to re-calculate the amounts of each color ",
            "if you don't like the color you can re-calculate it again.",
            "You will know where you left off with the last attempt.",
            br + br};
}

QPlainTextEdit *editOf(frmHelp &help)
{
    return static_cast<QPlainTextEdit *>(help.txtHelp.widget());
}

QScrollBar *scrollOf(frmHelp &help)
{
    return editOf(help)->verticalScrollBar();
}

} // namespace

class HelpTest : public QObject
{
    Q_OBJECT

  private slots:
    void textIsThePiecesInOrder()
    {
        QString rest = HelpText();
        for (const QString &piece : expectedPieces()) {
            QVERIFY2(
                rest.startsWith(piece),
                qPrintable(QStringLiteral("expected '%1' before '%2'").arg(piece, rest.left(60))));
            rest.remove(0, piece.size());
        }
        QCOMPARE(rest, QString());

        // On screen each CR LF is one line break: no empty line doubled, no CR.
        ProgramFixture f;
        frmHelp &help = f.open(f.program->help());
        const QString shown = expectedPieces().join(QString()).replace("\r\n", "\n");
        QCOMPARE(help.txtHelp.Text(), shown);
        QCOMPARE(editOf(help)->document()->blockCount(), shown.count('\n') + 1);
        QCOMPARE(help.windowTitle(), QStringLiteral("Tintwell  HELP"));
    }

    void textCoversTheWindowAtAnyScreenSize_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("design screen") << 1024 << 768;
        QTest::newRow("larger screen") << 1600 << 1200;
    }

    void textCoversTheWindowAtAnyScreenSize()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        ProgramFixture f({.screen = FakeScreenMetrics(width, height)});
        frmHelp &help = f.open(f.program->help());
        QWidget *text = help.txtHelp.widget();
        QCOMPARE(text->geometry(), text->parentWidget()->rect());
        QCOMPARE(text->parentWidget()->size(), help.size());
        // The Close button lies beneath it, where nobody sees it.
        QWidget *close = help.cmdClose.widget();
        QVERIFY(text->geometry().contains(close->geometry()));
        QCOMPARE(text->parentWidget()->childAt(close->geometry().center()),
                 editOf(help)->viewport());
        QCOMPARE(help.ActiveControl(), &help.txtHelp);
    }

    void keysThatCloseAndKeysThatDoNot_data()
    {
        QTest::addColumn<QTestEventList>("keys");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("scrolled"); // "kept", "start" or "end" of the text
        QTestEventList esc;
        esc.addKeyClick(Qt::Key_Escape);
        QTest::newRow("Esc in the text") << esc << true << "kept";
        QTestEventList tabEnter;
        tabEnter.addKeyClick(Qt::Key_Tab);
        tabEnter.addKeyClick(Qt::Key_Return);
        QTest::newRow("Tab, then Enter on Close") << tabEnter << true << "kept";
        QTestEventList tabSpace;
        tabSpace.addKeyClick(Qt::Key_Tab);
        tabSpace.addKeyClick(Qt::Key_Space);
        QTest::newRow("Tab, then Space on Close") << tabSpace << true << "kept";
        QTestEventList typing;
        typing.addKeyClicks(QStringLiteral("abc"));
        typing.addKeyClick(Qt::Key_Return);
        typing.addKeyClick(Qt::Key_Delete);
        QTest::newRow("typing and Enter in the text") << typing << false << "kept";
        QTestEventList start;
        start.addKeyClick(Qt::Key_Home, Qt::ControlModifier);
        QTest::newRow("Ctrl+Home") << start << false << "start";
        QTestEventList end;
        end.addKeyClick(Qt::Key_End, Qt::ControlModifier);
        QTest::newRow("Ctrl+End") << end << false << "end";
    }

    void keysThatCloseAndKeysThatDoNot()
    {
        QFETCH(QTestEventList, keys);
        QFETCH(bool, closes);
        QFETCH(QString, scrolled);
        ProgramFixture f;
        frmHelp &help = f.open(f.program->help());
        const QString text = help.txtHelp.Text();
        auto *box = qobject_cast<QPlainTextEdit *>(help.txtHelp.widget());
        QTextCursor selection = box->textCursor();
        selection.setPosition(40);
        selection.setPosition(47, QTextCursor::KeepAnchor);
        box->setTextCursor(selection);
        scrollOf(help)->setValue(scrollOf(help)->maximum() / 2);
        const int position = scrollOf(help)->value();
        QVERIFY(position > 0);

        for (QTestEvent *event : keys) {
            event->simulate(QApplication::focusWidget());
        }
        QCOMPARE(help.isVisible(), !closes);
        QCOMPARE(help.txtHelp.Text(), text);
        const QHash<QString, int> positions{
            {"kept", position}, {"start", 0}, {"end", scrollOf(help)->maximum()}};
        QCOMPARE(scrollOf(help)->value(), positions.value(scrolled));
        if (!closes) {
            return;
        }
        // Hidden, not unloaded: the next opening shows it as it was left.
        QCOMPARE(&f.open(f.program->help()), &help);
        QCOMPARE(help.txtHelp.Text(), text);
        QCOMPARE(scrollOf(help)->value(), position);
        QCOMPARE(box->textCursor().selectionStart(), 40);
        QCOMPARE(box->textCursor().selectionEnd(), 47);
    }

    void closeBoxUnloadsAndTheNextOpeningStartsAtTheTop()
    {
        ProgramFixture f;
        frmHelp &help = f.open(f.program->help());
        scrollOf(help)->setValue(scrollOf(help)->maximum());
        const QPointer<frmHelp> closed(&help);
        help.close(); // what the close box asks
        ProgramFixture::flushUnloaded();
        QVERIFY(closed.isNull()); // unloaded: the next opening loads it afresh

        frmHelp &again = f.open(f.program->help());
        QCOMPARE(scrollOf(again)->value(), 0);
        QCOMPARE(again.txtHelp.Text(), HelpText().replace("\r\n", "\n"));
    }
};

QTEST_MAIN(HelpTest)
#include "test_help.moc"
