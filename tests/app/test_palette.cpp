// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - the basic colours: picking one, and the list following
// the channels.
#include "shared/modSetColor.h"
#include "support/ProgramFixture.h"

#include <QComboBox>
#include <QSignalSpy>

class PaletteTest : public QObject
{
    Q_OBJECT

  private:
    static QComboBox *list(frmColors &w) { return static_cast<QComboBox *>(w.lstColors.widget()); }

    static int indexOf(frmColors &w, const QString &name) { return list(w)->findText(name); }

  private slots:
    void listsTwentyFourNamesInOrder()
    {
        ProgramFixture f;
        QStringList names;
        for (int i = 0; i < f.colors().lstColors.ListCount(); ++i) {
            names << f.colors().lstColors.List(i);
        }
        QCOMPARE(
            names,
            QStringList({"Black",       "Blue",  "Blue (Dark)",  "Brown",  "Cyan",    "Gray",
                         "Gray (Dark)", "Green", "Green (Dark)", "Lime",   "Magenta", "Orange",
                         "Peach",       "Pink",  "Pink (Dark)",  "Purple", "Red",     "Red (Dark)",
                         "Sand",        "Tan",   "Teal",         "Violet", "White",   "Yellow"}));
        QCOMPARE(list(f.colors())->palette().color(QPalette::ButtonText), QColor(0, 0, 255));
    }

    void pickingAnEntrySetsEveryChannel_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("rgb");
        QTest::newRow("Orange") << "Orange" << QList<int>{255, 153, 51};
        QTest::newRow("Blue (Dark)") << "Blue (Dark)" << QList<int>{0, 0, 153};
        QTest::newRow("Lime") << "Lime" << QList<int>{204, 255, 51};
        QTest::newRow("Black") << "Black" << QList<int>{0, 0, 0};
        QTest::newRow("Pink (Dark)") << "Pink (Dark)" << QList<int>{255, 0, 153};
    }

    void pickingAnEntrySetsEveryChannel()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, rgb);
        ProgramFixture f;
        frmColors &w = f.colors();
        // Pick it with the keyboard, as a person does on the closed list.
        w.lstColors.setFocus();
        const int steps = indexOf(w, name) - w.lstColors.ListIndex();
        for (int i = 0; i < qAbs(steps); ++i) {
            QTest::keyClick(list(w), steps > 0 ? Qt::Key_Down : Qt::Key_Up);
        }
        QCOMPARE(f.selectedName(), name);
        QCOMPARE(f.channels(), rgb);
        QCOMPARE(f.texts(), QStringList({QString::number(rgb[0]), QString::number(rgb[1]),
                                         QString::number(rgb[2])}));
        QCOMPARE(f.sampleOnScreen(), QColor(rgb[0], rgb[1], rgb[2]));
        QCOMPARE(CurrentColor, RGB(rgb[0], rgb[1], rgb[2]));
    }

    void blackToWhitePassesOtherEntriesAndEndsOnWhite()
    {
        ProgramFixture f;
        frmColors &w = f.colors();
        w.lstColors.setListIndex(indexOf(w, QStringLiteral("Black")));
        QSignalSpy selections(list(w), &QComboBox::currentIndexChanged);
        w.lstColors.setListIndex(indexOf(w, QStringLiteral("White")));
        QStringList passed;
        for (const QList<QVariant> &args : selections) {
            passed << w.lstColors.List(args.at(0).toInt());
        }
        // Nested selections are recorded as they finish, the outer one last.
        QCOMPARE(passed, QStringList({"Red", "Yellow", "White", "White"}));
        QCOMPARE(f.selectedName(), QStringLiteral("White"));
        QCOMPARE(f.channels(), QList<int>({255, 255, 255}));
        QCOMPARE(f.texts(), QStringList({"255", "255", "255"}));
        QCOMPARE(f.sampleOnScreen(), QColor(Qt::white));
    }

    void listFollowsTheScrollBars()
    {
        ProgramFixture f;
        frmColors &w = f.colors();
        w.hsbRed.setValue(204);
        w.hsbGreen.setValue(204);
        w.hsbBlue.setValue(204);
        QCOMPARE(f.selectedName(), QStringLiteral("Gray"));
        // One step off: the colour has no name, the list keeps the last one.
        w.hsbBlue.setFocus();
        QTest::keyClick(w.hsbBlue.widget(), Qt::Key_Right);
        QCOMPARE(w.hsbBlue.Value(), 205);
        QCOMPARE(f.selectedName(), QStringLiteral("Gray"));
        QCOMPARE(f.sampleOnScreen(), QColor(204, 204, 205));
    }

    void listFollowsTheTypedNumbers_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QString>("name");
        QTest::newRow("Teal") << QStringList{"0", "153", "153"} << "Teal";
        QTest::newRow("Yellow") << QStringList{"255", "255", "0"} << "Yellow";
        QTest::newRow("no name keeps Cyan") << QStringList{"1", "2", "3"} << "Cyan";
    }

    void listFollowsTheTypedNumbers()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, name);
        ProgramFixture f;
        frmColors &w = f.colors();
        TextBox *boxes[] = {&w.txtRed, &w.txtGreen, &w.txtBlue};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (i == 0) {
                // Start from the red box: Tab went on from it, so come back.
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
            }
            QCOMPARE(QApplication::focusWidget(), boxes[i]->widget());
            QTest::keyClicks(boxes[i]->widget(), typed[i]);
        }
        QCOMPARE(f.selectedName(), name);
    }

    void itemDataStaysWithItsName()
    {
        ProgramFixture f;
        frmColors &w = f.colors();
        QCOMPARE(w.lstColors.ItemData(indexOf(w, QStringLiteral("Teal"))), RGB(0, 153, 153));
        QCOMPARE(w.lstColors.ItemData(indexOf(w, QStringLiteral("Brown"))), RGB(204, 153, 0));
        // Teal is the window's own colour.
        QCOMPARE(w.palette().color(QPalette::Window), QColor(0, 153, 153));
    }
};

QTEST_MAIN(PaletteTest)
#include "test_palette.moc"
