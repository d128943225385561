// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - the main window: its size, its commands and keys, the
// single-copy check and the way out.
#include "platform/core/ReadableText.h"
#include "platform/forms/FormInstance.h"
#include "support/ProgramFixture.h"
#include "support/TestForm.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProxyStyle>
#include <QScopeGuard>
#include <QScreen>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>

using Trigger = std::function<void(frmColors &)>;
Q_DECLARE_METATYPE(Trigger)

class MainWindowTest : public QObject
{
    Q_OBJECT

  private slots:
    // Every control that takes the keyboard shows it: at the middle of each
    // of its edges, a dot within the ring differs from the same dot without
    // the focus by at least 3:1, on the window's own colours.
    void theFocusCanBeSeen_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        for (const char *name : {"hsbRed", "txtGreen", "lstColors", "cmdViewColor", "cmdExit"}) {
            QTest::addRow("main window, %s", name) << "frmColors" << name;
        }
        QTest::newRow("Print Size, height") << "frmPrintSetup"
                                            << "txtHeight";
        QTest::newRow("Print Size, OK") << "frmPrintSetup"
                                        << "cmdOK";
        for (const char *name : {"cmdClose", "cmdPrint", "cmdSave"}) {
            QTest::addRow("preview, %s", name) << "frmPrint" << name;
        }
        for (const char *name : {"cmdOK", "lblWeb", "lblMail", "txtDisclaimer"}) {
            QTest::addRow("about, %s", name) << "frmAbout" << name;
        }
        QTest::newRow("help text") << "frmHelp"
                                   << "txtHelp";
    }

    void theFocusCanBeSeen()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        ProgramFixture f;
        Form *form = &f.colors();
        if (window == QLatin1String("frmPrintSetup")) {
            form = &f.open(f.dialog());
        } else if (window == QLatin1String("frmPrint")) {
            form = f.openPreview();
        } else if (window == QLatin1String("frmAbout")) {
            form = &f.open(f.program->about());
        } else if (window == QLatin1String("frmHelp")) {
            form = &f.open(f.program->help());
        }
        QVERIFY(form);
        auto *widget = form->findChild<QWidget *>(control); // a control's widget bears its name
        QVERIFY(widget);
        QVERIFY(widget->focusPolicy() & Qt::TabFocus);
        widget->clearFocus();
        QVERIFY(!widget->hasFocus());
        widget->setFocus(Qt::TabFocusReason);
        QVERIFY(widget->hasFocus());
        const QImage with = widget->grab().toImage();
        const int w = with.width();
        const int h = with.height();
        // On every side, a dark band at the edge and a light one within it,
        // whatever is painted there otherwise.
        for (const auto &[edge, step] : {std::pair(QPoint(w / 2, 0), QPoint(0, 1)),
                                         std::pair(QPoint(w / 2, h - 1), QPoint(0, -1)),
                                         std::pair(QPoint(0, h / 2), QPoint(1, 0)),
                                         std::pair(QPoint(w - 1, h / 2), QPoint(-1, 0))}) {
            for (const auto &[depth, band] :
                 {std::pair(0, QColor(Qt::black)), std::pair(1, QColor(Qt::black)),
                  std::pair(2, QColor(Qt::white)), std::pair(3, QColor(Qt::white))}) {
                const QPoint at = edge + step * depth;
                QVERIFY2(with.pixelColor(at) == band,
                         qPrintable(QStringLiteral("at %1, %2 the ring is %3, not %4")
                                        .arg(at.x())
                                        .arg(at.y())
                                        .arg(with.pixelColor(at).name(), band.name())));
            }
        }
        // A link's caption stays whole: the ring goes around it.
        if (const auto *label = qobject_cast<QLabel *>(widget)) {
            widget->clearFocus();
            const int m = label->margin();
            const QRect caption = label->contentsRect().adjusted(m, m, -m, -m);
            QCOMPARE(with.copy(caption), widget->grab().toImage().copy(caption));
            // And the caption is where the window's design puts the link.
            const std::vector<Control *> controls = form->Controls();
            const Control *link = *std::find_if(controls.begin(), controls.end(),
                                                [&](Control *c) { return c->Name() == control; });
            QCOMPARE(label->pos() + QPoint(m, m), QPoint(qRound(link->Left() / f.screen.tpp),
                                                         qRound(link->Top() / f.screen.tpp)));
        }
    }

    // Under a dark theme, text on a colour the design fixes is fixed with
    // it (4.5 : 1), menu bars included; the number boxes keep the theme's
    // own pair.
    void textsReadOnTheirGroundUnderADarkTheme_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("text");
        QTest::addColumn<int>("ground");
        const int windowText = QPalette::WindowText;
        QTest::newRow("a channel's label") << "frmColors"
                                           << "lblRed" << windowText << int(QPalette::Window);
        QTest::newRow("the main window's menu bar")
            << "frmColors"
            << "frmColors_menuBar" << windowText << int(QPalette::Window);
        QTest::newRow("the preview's menu bar")
            << "frmPrint"
            << "frmPrint_menuBar" << windowText << int(QPalette::Window);
        QTest::newRow("the basic colours' list")
            << "frmColors"
            << "lstColors" << int(QPalette::ButtonText) << int(QPalette::Button);
        QTest::newRow("a button") << "frmColors"
                                  << "cmdViewColor" << int(QPalette::ButtonText)
                                  << int(QPalette::Button);
        QTest::newRow("a number box") << "frmColors"
                                      << "txtRed" << int(QPalette::Text) << int(QPalette::Base);
    }

    void textsReadOnTheirGroundUnderADarkTheme()
    {
        QFETCH(QString, window);
        QFETCH(QString, widget);
        QFETCH(int, text);
        QFETCH(int, ground);
        const DarkTheme theme;
        ProgramFixture f;
        Form *form = window == QLatin1String("frmPrint") ? static_cast<Form *>(f.openPreview())
                                                         : &f.colors();
        QVERIFY(form);
        const auto *shown = form->findChild<QWidget *>(widget);
        QVERIFY(shown);
        const QPalette &p = shown->palette();
        const double ratio = contrastRatio(fromQColor(p.color(QPalette::ColorRole(text))),
                                           fromQColor(p.color(QPalette::ColorRole(ground))));
        QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
    }

    // A style that pads its frames as Adwaita's does must not cut the
    // number boxes' digits: "255" fits whole, and "55" is not what shows.
    void numberBoxesHoldThreeDigitsUnderAPaddingStyle()
    {
        class PaddingStyle final : public QProxyStyle
        {
          public:
            PaddingStyle() : QProxyStyle(QStringLiteral("fusion")) {}
            int pixelMetric(PixelMetric metric, const QStyleOption *option,
                            const QWidget *widget) const override
            {
                return metric == PM_DefaultFrameWidth
                           ? 8
                           : QProxyStyle::pixelMetric(metric, option, widget);
            }
        };
        const QString before = QApplication::style()->name();
        QApplication::setStyle(new PaddingStyle); // owned by the application
        const auto restore = qScopeGuard([&before] { QApplication::setStyle(before); });
        ProgramFixture f;
        auto *box = f.colors().findChild<QLineEdit *>(QStringLiteral("txtRed"));
        QVERIFY(box);
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
        const QRect text = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box) -
                           box->textMargins();
        const int fits = text.width() - 2 * 2; // QLineEdit keeps 2 px each side
        QVERIFY2(box->fontMetrics().horizontalAdvance(QStringLiteral("255")) <= fits,
                 qPrintable(QString::number(fits)));
    }

    // The window keeps the size its layout is made for: no border to drag,
    // no minimise or maximise button, only the close box; and the desktop
    // lists it under the program's icon.
    void theWindowKeepsItsSize()
    {
        ProgramFixture f;
        frmColors &w = f.colors();
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!w.windowIcon().isNull());
    }

    void tabWalksTheControlsInOrder()
    {
        ProgramFixture f;
        QStringList visited;
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited,
                 QStringList({"txtGreen", "txtBlue", "hsbRed", "hsbGreen", "hsbBlue",
                              "cmdViewColor", "cmdHelp", "lstColors", "cmdExit", "txtRed"}));
    }

    void sampleStaysCentred_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("1024x768") << 1024 << 768;
        QTest::newRow("800x600") << 800 << 600;
        QTest::newRow("1280x1024") << 1280 << 1024;
        QTest::newRow("1366x768") << 1366 << 768;
    }

    void sampleStaysCentred()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        ProgramFixture f({.screen = FakeScreenMetrics(width, height)});
        frmColors &w = f.colors();
        QCOMPARE(w.Picture1.Left(), (w.ScaleWidth() - w.Picture1.Width()) / 2);
        const QRect sample = w.Picture1.widget()->geometry();
        const int client = w.Picture1.widget()->parentWidget()->width();
        QVERIFY(sample.left() < 0 && sample.right() >= client);
        QVERIFY(qAbs(sample.left() + (sample.right() + 1 - client)) <= 1);
        QVERIFY(qAbs(w.width() - qRound(655 * width / 1024.0)) <= 1);
    }

    void opensCentredOnTheScreen()
    {
        ProgramFixture f;
        const QPoint centre = f.screen.pixelGeometry().center();
        const QPoint window = f.colors().frameGeometry().center();
        QVERIFY2((window - centre).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("window centre %1,%2").arg(window.x()).arg(window.y())));
    }

    void commandKeysWorkFromAnyControl_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("red box") << "txtRed";
        QTest::newRow("blue scroll bar") << "hsbBlue";
        QTest::newRow("basic colours") << "lstColors";
        QTest::newRow("help button") << "cmdHelp";
    }

    void commandKeysWorkFromAnyControl()
    {
        QFETCH(QString, control);
        ProgramFixture f({.recordWindows = true});
        auto *widget = f.colors().findChild<QWidget *>(control);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_F2);
        QCOMPARE(f.program->printSizeShown, 1);
        QTest::keyPress(widget, Qt::Key_F1);
        QCOMPARE(f.program->helpShown, 1);
        // Releasing F1 opens help too; with the help window open it is that
        // window, not this one, that gets the release.
        QTest::keyRelease(widget, Qt::Key_F1);
        QCOMPARE(f.program->helpShown, 2);
        QCOMPARE(f.processEnds, 0);
        QTest::keyClick(widget, Qt::Key_F3);
        QCOMPARE(f.processEnds, 1);
    }

    void buttonsAndMenuItemsOpenTheirWindows()
    {
        ProgramFixture f({.recordWindows = true});
        frmColors &w = f.colors();
        QTest::mouseClick(w.cmdViewColor.widget(), Qt::LeftButton);
        w.mnuViewColor.trigger();
        QCOMPARE(f.program->printSizeShown, 2);
        QTest::mouseClick(w.cmdHelp.widget(), Qt::LeftButton);
        w.mnuInstructions.trigger();
        QCOMPARE(f.program->helpShown, 2);
        w.mnuAbout.trigger();
        QCOMPARE(f.program->aboutShown, 1);
        QTest::keyClick(w.txtRed.widget(), Qt::Key_V, Qt::AltModifier);
        QTRY_COMPARE(f.program->printSizeShown, 3);
        // Alt+H belongs to the Help menu; the Help button shares its letter.
        // In an open menu an item's letter chooses it.
        for (const auto &[key, name, item] : {std::tuple{Qt::Key_F, "mnuFile", Qt::Key_V},
                                              {Qt::Key_H, "mnuHelp", Qt::Key_I},
                                              {Qt::Key_H, "mnuHelp", Qt::Key_A}}) {
            auto *menu = w.findChild<QMenu *>(QLatin1String(name));
            QTest::keyClick(w.txtRed.widget(), key, Qt::AltModifier);
            QTRY_VERIFY(menu->isVisible());
            QTest::keyClick(menu, item);
            QTRY_VERIFY(!menu->isVisible());
        }
        QCOMPARE(f.program->printSizeShown, 4);
        QCOMPARE(f.program->helpShown, 3);
        QCOMPARE(f.program->aboutShown, 2);
        QCOMPARE(f.texts(), QStringList({"0", "255", "255"}));
        QVERIFY(f.messages.shown.empty());
    }

    void viewColorReportsAnError()
    {
        ProgramFixture f;
        f.program->printSizeError =
            ErrorRecord{5, QStringLiteral("tintwell"), QStringLiteral("Invalid procedure call")};
        const QList<int> before = f.channels();
        QTest::keyClick(f.colors().txtRed.widget(), Qt::Key_F2);
        QCOMPARE(f.messages.shown.size(), std::size_t{1});
        QCOMPARE(f.messages.shown[0].text, QStringLiteral("Invalid procedure call"));
        QCOMPARE(f.messages.shown[0].title, QStringLiteral("Error 5"));
        QCOMPARE(f.messages.shown[0].icon, MsgIcon::None);
        QCOMPARE(f.messages.shown[0].buttons, MsgButtons::OK);
        QVERIFY(f.colors().isVisible());
        QCOMPARE(f.channels(), before);
    }

    void everyExitTriggerUnloadsTheOthersInLoadOrder_data()
    {
        QTest::addColumn<Trigger>("trigger");
        QTest::newRow("Exit button")
            << Trigger([](frmColors &w) { QTest::mouseClick(w.cmdExit.widget(), Qt::LeftButton); });
        QTest::newRow("Esc in a number box")
            << Trigger([](frmColors &w) { QTest::keyClick(w.txtGreen.widget(), Qt::Key_Escape); });
        QTest::newRow("Esc on a scroll bar") << Trigger([](frmColors &w) {
            w.hsbBlue.setFocus();
            QTest::keyClick(w.hsbBlue.widget(), Qt::Key_Escape);
        });
        QTest::newRow("F3") << Trigger(
            [](frmColors &w) { QTest::keyClick(w.txtRed.widget(), Qt::Key_F3); });
        QTest::newRow("Exit menu item") << Trigger([](frmColors &w) { w.mnuExit.trigger(); });
        QTest::newRow("Alt+F, then the Exit item's letter") << Trigger([](frmColors &w) {
            QVERIFY(ProgramFixture::chooseFromMenu(w.txtRed.widget(), Qt::Key_F, Qt::Key_X));
            QVERIFY(QTest::qWaitFor([&w] { return w.isEnding(); }));
        });
        QTest::newRow("close box") << Trigger([](frmColors &w) { w.close(); });
        QTest::newRow("unload asked by another window")
            << Trigger([](frmColors &w) { w.unload(); });
        QTest::newRow("Alt+X in a number box") << Trigger([](frmColors &w) {
            QTest::keyClick(w.txtBlue.widget(), Qt::Key_X, Qt::AltModifier);
            QVERIFY(QTest::qWaitFor([&w] { return w.isEnding(); })); // pressed visibly first
        });
    }

    void everyExitTriggerUnloadsTheOthersInLoadOrder()
    {
        QFETCH(Trigger, trigger);
        ProgramFixture f;
        const auto make = [&](const QString &name) {
            auto form = std::make_unique<TestForm>(f.program->formContext(), name);
            // The first window to go asks the main window to close once more.
            form->journal = [&f](const QString &n) {
                f.journal << n;
                if (f.journal.size() == 1) {
                    f.colors().close();
                }
            };
            return form;
        };
        FormInstance<TestForm> preview([&] { return make(QStringLiteral("preview")); });
        FormInstance<TestForm> dialog([&] { return make(QStringLiteral("dialog")); });
        preview.get();
        dialog.get();
        QApplication::setActiveWindow(&f.colors());
        trigger(f.colors());
        QCOMPARE(f.journal, QStringList({"preview", "dialog", "process end"}));
        QVERIFY(!preview.exists() && !dialog.exists());
        QVERIFY(f.messages.shown.empty()); // nothing is asked
    }

    void aSecondCopyIsRefused()
    {
        ProgramFixture f({.otherCopyRunning = true});
        QVERIFY(!f.started);
        QCOMPARE(f.messages.shown.size(), std::size_t{1});
        QCOMPARE(f.messages.shown[0].text, QStringLiteral("Application Is Currently Running"));
        QCOMPARE(f.messages.shown[0].title, QStringLiteral("SORRY"));
        QCOMPARE(f.messages.shown[0].icon, MsgIcon::Information);
        QCOMPARE(f.processEnds, 1);
        QVERIFY(!f.colors().isVisible());
        QCOMPARE(f.colors().lstColors.ListCount(), 0);
    }

    void hidingKeepsTheMix()
    {
        ProgramFixture f;
        frmColors &w = f.colors();
        w.lstColors.setListIndex(w.lstColors.ListCount() - 1);
        w.hsbBlue.setValue(77);
        w.hideForm();
        w.showModeless();
        QCOMPARE(f.channels(), QList<int>({255, 255, 77}));
        QCOMPARE(f.selectedName(), QStringLiteral("Yellow"));
        QCOMPARE(f.sampleOnScreen(), QColor(255, 255, 77));
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
