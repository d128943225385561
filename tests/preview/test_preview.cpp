// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - the print-size dialog, the preview's swatch and the paths
// between the windows.
#include "layout/modResize.h"
#include "preview/SwatchGeometry.h"
#include "support/ProgramFixture.h"
#include "support/TestForm.h"

#include <QAction>
#include <QClipboard>
#include <QFontMetricsF>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

namespace {

// The swatch as it must look: the colour, and the three lines at its
// top-left corner in Arial 12 pt, one under the other.
QImage expectedSwatch(const QImage &like, QColor colour, const QStringList &lines,
                      QColor text = Qt::black)
{
    QImage expected = like.copy();
    expected.fill(colour);
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPointSizeF(12);
    QPainter painter(&expected);
    painter.setFont(font);
    painter.setPen(text);
    const QFontMetricsF metrics(font, &expected);
    for (int i = 0; i < lines.size(); ++i) {
        painter.drawText(QPointF(0, std::lround(i * metrics.height()) + metrics.ascent()),
                         lines[i]);
    }
    return expected;
}

QRectF swatchTwips(const frmPrint &preview)
{
    const PictureBox &s = preview.picColor;
    return {s.Left(), s.Top(), s.Width(), s.Height()};
}

QIcon pictureOf(CommandButton &button)
{
    return static_cast<QPushButton *>(button.widget())->icon();
}

void pressKey(QWidget *widget, char key)
{
    QTest::keyClick(widget, key);
}

} // namespace

class PreviewTest : public QObject
{
    Q_OBJECT

  private slots:
    void swatchBoxFollowsSizesAndScreen_data()
    {
        QTest::addColumn<int>("widthUnits");
        QTest::addColumn<int>("heightUnits");
        QTest::addColumn<float>("xFactor");
        QTest::addColumn<float>("yFactor");
        QTest::addColumn<double>("clientWidth");
        QTest::addColumn<QRectF>("box");
        QTest::newRow("2 x 2 on the design screen")
            << 2 << 2 << 1.0f << 1.0f << 10560.0 << QRectF(3880, 1000, 2800, 2800);
        QTest::newRow("1 x 1 on 1280 x 1024")
            << 1 << 1 << 1.25f << static_cast<float>(15360.0 / 11520) << 13200.0
            << QRectF(5725, 1333.3334, 1750, 1866.6667);
        QTest::newRow("largest: 7 wide, 9 high")
            << 7 << 9 << 1.0f << 1.0f << 10560.0 << QRectF(380, 1000, 9800, 12600);
        QTest::newRow("wider than the window: cut on both sides")
            << 7 << 1 << 1.0f << 1.0f << 5000.0 << QRectF(-2400, 1000, 9800, 1400);
    }

    void swatchBoxFollowsSizesAndScreen()
    {
        QFETCH(int, widthUnits);
        QFETCH(int, heightUnits);
        QFETCH(float, xFactor);
        QFETCH(float, yFactor);
        QFETCH(double, clientWidth);
        QFETCH(QRectF, box);
        const TwipsRect got =
            swatchBox(static_cast<std::int16_t>(widthUnits), static_cast<std::int16_t>(heightUnits),
                      xFactor, yFactor, clientWidth);
        const QRectF gotBox(got.left, got.top, got.width, got.height);
        const auto near = [](double a, double b) { return qAbs(a - b) < 0.001; };
        QVERIFY2(near(gotBox.left(), box.left()) && near(gotBox.top(), box.top()) &&
                     near(gotBox.width(), box.width()) && near(gotBox.height(), box.height()),
                 qPrintable(QStringLiteral("got %1, %2, %3 x %4")
                                .arg(got.left)
                                .arg(got.top)
                                .arg(got.width)
                                .arg(got.height)));
    }

    // Print Size is a dialog of the size its layout is made for: no border
    // to drag, no minimise or maximise button; and it has an icon of its own.
    void printSizeKeepsItsSize()
    {
        ProgramFixture f;
        frmPrintSetup &d = f.dialog();
        QCOMPARE(d.windowType(), Qt::Dialog);
        QCOMPARE(d.minimumSize(), d.maximumSize());
        QVERIFY(!(d.windowFlags() & Qt::WindowMinMaxButtonsHint));
        QVERIFY(!d.windowIcon().isNull());
    }

    // Keys typed into a list of the modal dialog, then whether it is still up.
    void dialogKeys_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("width");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<bool>("previewShown");
        QTest::newRow("a letter beeps and changes nothing") << "txtHeight" << int(Qt::Key_A) << "2"
                                                            << "2" << 1 << false;
        QTest::newRow("Esc beeps and the dialog stays") << "txtWidth" << int(Qt::Key_Escape) << "2"
                                                        << "2" << 1 << false;
        QTest::newRow("5 selects height 5") << "txtHeight" << int(Qt::Key_5) << "5"
                                            << "2" << 0 << false;
        QTest::newRow("9, the largest height") << "txtHeight" << int(Qt::Key_9) << "9"
                                               << "2" << 0 << false;
        QTest::newRow("7, the largest width") << "txtWidth" << int(Qt::Key_7) << "2"
                                              << "7" << 0 << false;
        QTest::newRow("a width beyond the list changes nothing")
            << "txtWidth" << int(Qt::Key_8) << "2"
            << "2" << 0 << false;
        QTest::newRow("Enter in a list presses OK") << "txtWidth" << int(Qt::Key_Return) << "2"
                                                    << "2" << 0 << true;
        QTest::newRow("Enter on OK itself presses it") << "cmdOK" << int(Qt::Key_Return) << "2"
                                                       << "2" << 0 << true;
        QTest::newRow("the keypad's Enter presses OK")
            << "txtWidth" << (Qt::Key_Enter | Qt::KeypadModifier).toCombined() << "2"
            << "2" << 0 << true;
        QTest::newRow("Alt+O presses OK")
            << "txtHeight" << (Qt::Key_O | Qt::AltModifier).toCombined() << "2"
            << "2" << 0 << true;
    }

    void dialogKeys()
    {
        QFETCH(QString, list);
        QFETCH(int, key);
        QFETCH(QString, height);
        QFETCH(QString, width);
        QFETCH(int, beeps);
        QFETCH(bool, previewShown);
        ProgramFixture f;
        QString seenHeight, seenWidth;
        bool stillOpen = false;
        f.viewColor([&](frmPrintSetup &d) {
            QWidget *target = d.findChild<QWidget *>(list);
            target->setFocus();
            QTest::keyClick(target, Qt::Key(key & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
            seenHeight = d.txtHeight.Text();
            seenWidth = d.txtWidth.Text();
            // A button's letter presses it as a click would show: a moment later.
            const QPointer<frmPrintSetup> dialog(&d);
            const auto gone = [&dialog] { return !dialog || !dialog->isVisible(); };
            stillOpen = previewShown ? !QTest::qWaitFor(gone) : !gone();
        });
        QVERIFY(f.dialogWasModal);
        QCOMPARE(seenHeight, height);
        QCOMPARE(seenWidth, width);
        QCOMPARE(f.beep.count, beeps);
        QCOMPARE(stillOpen, !previewShown);
        QCOMPARE(f.colors().isVisible(), !previewShown);
        QCOMPARE(f.preview() != nullptr && f.preview()->isVisible(), previewShown);
        QVERIFY(f.messages.shown.empty());
    }

    void dialogCloseBoxDropsTheSizes()
    {
        ProgramFixture f;
        f.viewColor([](frmPrintSetup &d) {
            pressKey(d.txtHeight.widget(), '5');
            d.close(); // the close box
        });
        QVERIFY(f.colors().isVisible());
        QVERIFY(f.preview() == nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QString height;
        f.viewColor([&](frmPrintSetup &d) {
            height = d.txtHeight.Text();
            d.close();
        });
        QCOMPARE(height, QStringLiteral("2"));
    }

    // The swatch's image is what the window shows: the colour under the
    // three lines, which keep 12 pt at every screen size.
    void swatchImage_data()
    {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<QSizeF>("outerPixels"); // 2 x 2 at 15 twips per pixel
        QTest::addColumn<QString>("blueKeys");   // typed over the blue box's text; \b: Backspace
        QTest::addColumn<QString>("bluePaste");  // then pasted over it
        QTest::addColumn<int>("blue");
        QTest::addColumn<QString>("blueLine");
        const QSizeF design(186.67, 186.67);
        QTest::newRow("1024 x 768") << 1024 << 768 << design << ""
                                    << "" << 0 << "BLUE: 0";
        QTest::newRow("1280 x 1024") << 1280 << 1024 << QSizeF(233.33, 248.89) << ""
                                     << "" << 0 << "BLUE: 0";
        QTest::newRow("800 x 600") << 800 << 600 << QSizeF(145.83, 145.83) << ""
                                   << "" << 0 << "BLUE: 0";
        // The lines name the colour the swatch shows: a box's text only
        // where it reads as the channel's value.
        QTest::newRow("05 for 5 stays as it is") << 1024 << 768 << design << "5"
                                                 << "05" << 5 << "BLUE: 05";
        QTest::newRow("an emptied box: the blue there is") << 1024 << 768 << design << "2\b"
                                                           << "" << 2 << "BLUE: 2";
        QTest::newRow("an emptied box of 0: no blue") << 1024 << 768 << design << "\b"
                                                      << "" << 0 << "BLUE: 0";
        QTest::newRow("a pasted -5: the blue there is") << 1024 << 768 << design << "2"
                                                        << "-5" << 2 << "BLUE: 2";
    }

    // The amounts read on every colour a person mixes, black where black
    // reads well and white where it does not, whatever the desktop's theme:
    // the saved file and the page carry the same image.
    void theAmountsReadOnEveryColour_data()
    {
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QColor>("text");
        QTest::newRow("black") << QColor(0, 0, 0) << QColor(Qt::white);
        QTest::newRow("a dark violet") << QColor(30, 0, 60) << QColor(Qt::white);
        QTest::newRow("dark blue") << QColor(0, 0, 128) << QColor(Qt::white);
        QTest::newRow("cyan") << QColor(0, 255, 255) << QColor(Qt::black);
        QTest::newRow("a pale mint") << QColor(200, 255, 230) << QColor(Qt::black);
        QTest::newRow("mid grey, just on black's side")
            << QColor(119, 119, 119) << QColor(Qt::black);
        QTest::newRow("a little darker, white's") << QColor(115, 115, 115) << QColor(Qt::white);
    }

    void theAmountsReadOnEveryColour()
    {
        QFETCH(QColor, colour);
        QFETCH(QColor, text);
        const DarkTheme theme; // whose light text the swatch must not take
        ProgramFixture f;
        frmColors &mixer = f.colors();
        for (const auto &[box, amount] :
             {std::pair(&mixer.txtRed, colour.red()), std::pair(&mixer.txtGreen, colour.green()),
              std::pair(&mixer.txtBlue, colour.blue())}) {
            auto *edit = static_cast<QLineEdit *>(box->widget());
            edit->selectAll();
            QTest::keyClicks(edit, QString::number(amount));
        }
        frmPrint *preview = f.openPreview();
        QVERIFY(preview);
        const QImage image = preview->picColor.Image();
        QCOMPARE(image, expectedSwatch(image, colour,
                                       {QStringLiteral("RED: %1").arg(colour.red()),
                                        QStringLiteral("GREEN: %1").arg(colour.green()),
                                        QStringLiteral("BLUE: %1").arg(colour.blue())},
                                       text));
    }

    void swatchImage()
    {
        QFETCH(int, screenWidth);
        QFETCH(int, screenHeight);
        QFETCH(QSizeF, outerPixels);
        QFETCH(QString, blueKeys);
        QFETCH(QString, bluePaste);
        QFETCH(int, blue);
        QFETCH(QString, blueLine);
        ProgramFixture f({.screen = FakeScreenMetrics(screenWidth, screenHeight)});
        f.colors().lstColors.setListIndex(16); // "Red"
        auto *box = static_cast<QLineEdit *>(f.colors().txtBlue.widget());
        box->selectAll();
        QTest::keyClicks(box, blueKeys); // '\b' is Backspace
        QVERIFY(!blueKeys.endsWith(QLatin1Char('\b')) || box->text().isEmpty());
        if (!bluePaste.isEmpty()) {
            QGuiApplication::clipboard()->setText(bluePaste);
            box->selectAll();
            box->paste(); // what the box's context menu does
            QCOMPARE(box->text(), bluePaste);
        }
        frmPrint *preview = f.openPreview();
        QVERIFY(preview);
        // Each edge goes to its nearest pixel: the size is within one pixel.
        const QSize outer = preview->picColor.widget()->size();
        QVERIFY(qAbs(outer.width() - outerPixels.width()) < 1);
        QVERIFY(qAbs(outer.height() - outerPixels.height()) < 1);
        const QImage image = preview->picColor.Image();
        QCOMPARE(image, expectedSwatch(
                            image, QColor(255, 0, blue),
                            {QStringLiteral("RED: 255"), QStringLiteral("GREEN: 0"), blueLine}));
        // Pixel for pixel what the window shows inside the frame.
        QWidget *shown = preview->picColor.widget();
        const QRect inside = static_cast<QFrame *>(shown)->contentsRect();
        QCOMPARE(shown->grab(inside).toImage().convertToFormat(image.format()), image);
    }

    // The preview may be resized, though not minimised or maximised; it has
    // an icon of its own, and its toolbar's buttons are pictures that stay
    // sharp at twice the pixels.
    void thePreviewCanBeResized()
    {
        ProgramFixture f;
        frmPrint *p = f.openPreview();
        QVERIFY(p);
        QVERIFY(p->minimumSize() != p->maximumSize());
        QVERIFY(!(p->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QVERIFY(!p->windowIcon().isNull());
        for (CommandButton *b : {&p->cmdClose, &p->cmdChangeColor, &p->cmdResize, &p->cmdPrint,
                                 &p->cmdRefresh, &p->cmdSave}) {
            auto *button = static_cast<QPushButton *>(b->widget());
            QVERIFY2(button->text().isEmpty(), qPrintable(b->Name()));
            QVERIFY2(!button->icon().pixmap(button->iconSize(), 2.0).isNull(),
                     qPrintable(b->Name()));
        }
    }

    // Refresh, on the toolbar and on the menu bar, where it opens no menu,
    // redraws the swatch at once from the dialog's lists as they are.
    void refreshRedrawsAtOnce_data()
    {
        QTest::addColumn<bool>("fromMenuBar");
        QTest::newRow("toolbar button") << false;
        QTest::newRow("menu bar") << true;
    }

    void refreshRedrawsAtOnce()
    {
        QFETCH(bool, fromMenuBar);
        ProgramFixture f;
        frmPrint *p = f.openPreview();
        QVERIFY(p);
        p->mnuPrintSetUp.trigger();
        frmPrintSetup &d = f.dialog();
        ProgramFixture::activate(d);
        pressKey(d.txtWidth.widget(), '5');
        QCOMPARE(swatchTwips(*p).width(), 2800.0); // not yet
        if (fromMenuBar) {
            QVERIFY(actionOf(*p, p->mnuRefresh)->menu() == nullptr);
            p->mnuRefresh.trigger();
        } else {
            p->cmdRefresh.click();
        }
        QCOMPARE(swatchTwips(*p).width(), 7000.0);
    }

    // The help line follows the pointer over the buttons and is emptied only
    // over the window's own background.
    void helpLine()
    {
        ProgramFixture f;
        frmPrint *p = f.openPreview();
        QVERIFY(p);
        const auto centreOf = [p](Control &c) {
            return c.widget()->mapTo(p, c.widget()->rect().center());
        };
        QTest::mouseMove(p, centreOf(p->cmdResize));
        QCOMPARE(p->lblHelp.Caption(), QStringLiteral("Change The Color Size"));
        QTest::mouseMove(p, centreOf(p->cmdSave));
        QCOMPARE(p->lblHelp.Caption(), QStringLiteral("Save This Color to a File"));
        for (const QPoint &keeps :
             {p->picToolbar.widget()->mapTo(p, QPoint(p->picToolbar.widget()->width() - 3, 5)),
              centreOf(p->lblHelp), centreOf(p->picColor)}) {
            QTest::mouseMove(p, keeps);
            QCOMPARE(p->lblHelp.Caption(), QStringLiteral("Save This Color to a File"));
        }
        QTest::mouseMove(p, QPoint(5, p->height() - 5));
        QCOMPARE(p->lblHelp.Caption(), QString());
    }

    // The ways back to the main window, and what stays loaded.
    void leavingThePreview_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("staysLoaded");
        QTest::newRow("Reset Color button") << "cmdChangeColor" << true;
        QTest::newRow("File, Reset Color by its letter") << "mnuReset" << true;
        QTest::newRow("File, Close by its letter") << "mnuClose" << false;
        QTest::newRow("close box") << "closeBox" << false;
    }

    void leavingThePreview()
    {
        QFETCH(QString, how);
        QFETCH(bool, staysLoaded);
        ProgramFixture f;
        frmPrint *p = f.openPreview();
        QVERIFY(p);
        QVERIFY(!f.colors().isVisible());
        // The icons are the program's, not the load's: the same ones come back.
        const qint64 printIcon = pictureOf(p->cmdPrint).cacheKey();
        const qint64 windowIcon = p->windowIcon().cacheKey();
        if (how == QLatin1String("cmdChangeColor")) {
            p->cmdChangeColor.click();
        } else if (how == QLatin1String("mnuReset")) {
            QVERIFY(ProgramFixture::chooseFromMenu(p->cmdRefresh.widget(), Qt::Key_F, Qt::Key_R));
        } else if (how == QLatin1String("mnuClose")) {
            QVERIFY(ProgramFixture::chooseFromMenu(p->cmdRefresh.widget(), Qt::Key_F, Qt::Key_C));
        } else {
            p->close();
        }
        QVERIFY(f.colors().isVisible());
        QVERIFY(!p->isVisible());
        QCOMPARE(f.preview() != nullptr, staysLoaded);
        QCOMPARE(f.processEnds, 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // A new colour, View Color and OK: the swatch shows it and its numbers.
        f.colors().lstColors.setListIndex(11); // "Orange"
        p = f.openPreview();
        QVERIFY(p);
        QCOMPARE(pictureOf(p->cmdPrint).cacheKey(), printIcon);
        QCOMPARE(p->windowIcon().cacheKey(), windowIcon);
        const QImage image = p->picColor.Image();
        QCOMPARE(image, expectedSwatch(image, QColor(255, 153, 51),
                                       {QStringLiteral("RED: 255"), QStringLiteral("GREEN: 153"),
                                        QStringLiteral("BLUE: 51")}));
    }

    void escapeEndsTheProgram()
    {
        ProgramFixture f;
        frmPrint *p = f.openPreview();
        QVERIFY(p);
        QTest::keyClick(p->cmdRefresh.widget(), Qt::Key_Escape);
        QCOMPARE(f.processEnds, 1);
        // The dialog and the preview are unloaded; only the main window, whose
        // shutdown ends the process, is left.
        const auto left = f.program->programForms().inLoadOrder();
        QCOMPARE(left.size(), std::size_t(1));
        QCOMPARE(left.front().data(), static_cast<Form *>(&f.colors()));
        QVERIFY(f.preview() == nullptr);
    }

    // Change Size leaves the preview up; every activation of the preview
    // redraws from the dialog's lists as they are, OK or not.
    void changeSizeRedrawsOnActivation()
    {
        ProgramFixture f;
        frmPrint *p = f.openPreview();
        QVERIFY(p);
        p->mnuPrintSetUp.trigger();
        p->cmdResize.click(); // a second time: still one dialog
        frmPrintSetup &d = f.dialog();
        QVERIFY(d.isVisible());
        QVERIFY(!d.isModal());
        QVERIFY(p->isVisible());
        ProgramFixture::activate(d);
        pressKey(d.txtWidth.widget(), '5');
        pressKey(d.txtHeight.widget(), '3');
        ProgramFixture::activate(*p);
        QCOMPARE(swatchTwips(*p).size(), QSizeF(7000, 4200));
        QCOMPARE(swatchTwips(*p).left(), (p->ScaleWidth() - 7000) / 2);

        // Closed by its close box: the preview is active again and its swatch
        // turns 2 x 2 at once.
        ProgramFixture::activate(d);
        d.close();
        QTRY_COMPARE(QApplication::activeWindow(), p);
        QCOMPARE(swatchTwips(*p).size(), QSizeF(2800, 2800));
        QVERIFY(!f.dialog().isVisible());

        // Open beside the preview, then View Color in the main window: modal.
        p->mnuPrintSetUp.trigger();
        p->cmdChangeColor.click();
        f.viewColor([](frmPrintSetup &) {});
        QVERIFY(f.dialogWasModal);
    }
};

QTEST_MAIN(PreviewTest)
#include "test_preview.moc"
