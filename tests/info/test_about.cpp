// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - the about window: what it says, the colour it is painted
// in, and its links and highlights under a real pointer.
#include "platform/core/ReadableText.h"
#include "platform/forms/FormInstance.h"
#include "platform/forms/FormPictures.h"
#include "platform/forms/ProgramForms.h"
#include "shared/modSetColor.h"
#include "support/ProgramFixture.h"

#include <QWindow>

namespace {

// The colour of the window's background as a person sees it, beside the
// version line.
QColor backgroundOnScreen(frmAbout &about)
{
    const QPoint beside = about.lblVersion.widget()->geometry().topRight() + QPoint(20, 0);
    return about.grab().toImage().pixelColor(beside);
}

void mixColor(ProgramFixture &f, int red, int green, int blue)
{
    frmColors &colors = f.program->colors();
    colors.hsbRed.setValue(red);
    colors.hsbGreen.setValue(green);
    colors.hsbBlue.setValue(blue);
}

ColorValue buttonText()
{
    return fromQColor(QApplication::palette().color(QPalette::ButtonText));
}

} // namespace

class AboutTest : public QObject
{
    Q_OBJECT

    // The program's icon in its grey box, as it shows: all of the icon, at
    // most its own 48 pixels, its middle in the box's middle.
    static void iconIsWholeAndCentred(frmAbout &about)
    {
        QWidget *box = about.picIcon.widget();
        const QImage shown = box->grab().toImage();
        const int side = std::min({48, box->width(), box->height()});
        const QImage icon = QImage(QStringLiteral(":/tintwell/tintwell-48.png"))
                                .scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        const auto inked = [](const QImage &image, auto isInk) {
            QRect ink;
            int count = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (isInk(image.pixelColor(x, y))) {
                        ink |= QRect(x, y, 1, 1);
                        ++count;
                    }
                }
            }
            return std::pair(ink, count);
        };
        const auto [iconInk, iconCount] =
            inked(icon, [](const QColor &c) { return c.alpha() > 128; });
        const auto [shownInk, shownCount] =
            inked(shown, [](const QColor &c) { return c != QColor(192, 192, 192); });
        QVERIFY2(
            qAbs(shownCount - iconCount) <= iconCount / 10,
            qPrintable(QStringLiteral("%1 of the icon's %2 dots").arg(shownCount).arg(iconCount)));
        const QPointF iconOffset = QRectF(iconInk).center() - QRectF(icon.rect()).center();
        const QPointF offset = QRectF(shownInk).center() - QRectF(shown.rect()).center();
        QVERIFY2((offset - iconOffset).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("the icon is %1, %2 px off the middle of its box")
                                .arg(offset.x() - iconOffset.x())
                                .arg(offset.y() - iconOffset.y())));
    }

  private slots:
    void loadStepTexts_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QSize>("screenSize");
        const AppInfo build = currentAppInfo();
        QTest::newRow("this build")
            << build.major << build.minor << 2031 << "Version 0.5" << QSize(1024, 768);
        QTest::newRow("minor of two digits, 800 x 600")
            << 0 << 12 << 2040 << "Version 0.12" << QSize(800, 600);
        QTest::newRow("major of one, minor zero, 1920 x 1080")
            << 1 << 0 << 2029 << "Version 1.0" << QSize(1920, 1080);
    }

    void loadStepTexts()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, year);
        QFETCH(QString, version);
        QFETCH(QSize, screenSize);
        FakeScreenMetrics screen(screenSize.width(), screenSize.height());
        ProgramForms loaded;
        FormPictures pictures;
        FakeUrlOpener opener;
        FakeClock clock(year);
        AppInfo info = currentAppInfo();
        info.major = major;
        info.minor = minor;
        info.revision = 7;
        frmAbout about(FormContext{.screen = screen, .programForms = loaded, .pictures = pictures},
                       AboutServices{.info = info, .urlOpener = opener, .clock = clock});
        about.load();
        QCOMPARE(about.windowTitle(), QStringLiteral("About Tintwell..."));
        QCOMPARE(about.lblVersion.Caption(), version);
        QCOMPARE(about.lblTitle.Caption(), QStringLiteral("Tintwell"));
        QVERIFY(about.lblCompanyName.Caption().endsWith(QStringLiteral(" Tintwell Software")));
        QVERIFY2(about.lblRights.Caption().endsWith(QStringLiteral("-") + QString::number(year)),
                 qPrintable(about.lblRights.Caption()));
        // The disclaimer spans the whole client width from the left edge.
        QCOMPARE(about.txtDisclaimer.widget()->x(), 0);
        QCOMPARE(about.txtDisclaimer.widget()->width(), about.width());
        QVERIFY(about.txtDisclaimer.Text().startsWith(
            QStringLiteral("Use this program to pick any one of 16 million colors created on "
                           "your computer system.  \n\n")));
        QVERIFY(about.txtDisclaimer.Text().endsWith(QStringLiteral("\n\n\n")));
        iconIsWholeAndCentred(about);
    }

    void colourOfTheLastLoad_data()
    {
        QTest::addColumn<QTestEventList>("keys");
        QTest::addColumn<bool>("byCloseBox");
        QTest::addColumn<bool>("newColour");
        QTest::addColumn<int>("linksFollowed");
        QTestEventList enter;
        enter.addKeyClick(Qt::Key_Return);
        QTestEventList esc;
        esc.addKeyClick(Qt::Key_Escape);
        QTestEventList click;
        click.addMouseClick(Qt::LeftButton);
        QTestEventList tabSpaceEsc; // from OK to the Web Site link
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Space, Qt::Key_Escape}) {
            tabSpaceEsc.addKeyClick(key);
        }
        QTest::newRow("Enter keeps the old colour") << enter << false << false << 0;
        QTest::newRow("Esc keeps the old colour") << esc << false << false << 0;
        QTest::newRow("OK clicked keeps the old colour") << click << false << false << 0;
        QTest::newRow("Space follows a link, Esc there closes")
            << tabSpaceEsc << false << false << 1;
        QTest::newRow("close box, then the new colour") << QTestEventList() << true << true << 0;
    }

    void colourOfTheLastLoad()
    {
        QFETCH(QTestEventList, keys);
        QFETCH(bool, byCloseBox);
        QFETCH(bool, newColour);
        QFETCH(int, linksFollowed);
        ProgramFixture f;
        mixColor(f, 204, 0, 102);
        frmAbout &about = f.open(f.program->about());
        QCOMPARE(backgroundOnScreen(about), QColor(204, 0, 102));
        QCOMPARE(about.cmdOK.BackColor(), RGB(204, 0, 102));
        QCOMPARE(about.ActiveControl(), &about.cmdOK);

        if (byCloseBox) {
            about.close();
            QVERIFY(!about.isVisible());
            ProgramFixture::flushUnloaded();
        } else {
            for (QTestEvent *event : keys) { // each to the control with the focus then
                event->simulate(QApplication::focusWidget());
            }
            QVERIFY(!about.isVisible());
        }
        QCOMPARE(f.urlOpener.opened,
                 std::vector<QUrl>(linksFollowed, QUrl("http://www.tintwell.example/")));
        mixColor(f, 51, 153, 255);
        frmAbout &again = f.open(f.program->about());
        const QColor expected = newColour ? QColor(51, 153, 255) : QColor(204, 0, 102);
        QCOMPARE(backgroundOnScreen(again), expected);
        QCOMPARE(again.cmdOK.BackColor(), fromQColor(expected));
    }

    void opensCentredOverTheMainWindowWhereItIs_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"Help", "About", "Print Size"}) {
            QTest::newRow(window) << window;
        }
    }

    void opensCentredOverTheMainWindowWhereItIs()
    {
        QFETCH(QString, window);
        ProgramFixture f;
        frmColors &main = f.program->colors();
        main.move(40, 30); // away from the screen's centre, where it opened
        Form &form = window == "Help"    ? static_cast<Form &>(f.program->help())
                     : window == "About" ? static_cast<Form &>(f.program->about())
                                         : f.program->printSetup();
        f.open(form);
        QCOMPARE(form.frameGeometry().center(), main.frameGeometry().center());
    }

    // Every text of the window reads on the mix it is painted in (4.5 : 1),
    // lit by the pointer or not, under a dark theme too.
    void everyTextReadsOnTheMix_data()
    {
        QTest::addColumn<QColor>("mix");
        QTest::newRow("black") << QColor(0, 0, 0);
        QTest::newRow("a dark violet") << QColor(30, 0, 60);
        QTest::newRow("dark blue") << QColor(0, 0, 128);
        QTest::newRow("cyan") << QColor(0, 255, 255);
        QTest::newRow("a pale mint") << QColor(200, 255, 230);
    }

    void everyTextReadsOnTheMix()
    {
        QFETCH(QColor, mix);
        const DarkTheme theme;
        ProgramFixture f;
        mixColor(f, mix.red(), mix.green(), mix.blue());
        frmAbout &about = f.open(f.program->about());
        QWindow *window = about.windowHandle();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const ColorValue background = fromQColor(mix);
        QCOMPARE(backgroundOnScreen(about), mix);
        const auto readable = [&](ColorValue text) {
            return contrastRatio(text, background) >= 4.5;
        };
        const auto at = [&](const Control &c) {
            return c.widget()->mapTo(&about, c.widget()->rect().center());
        };
        const QList<Label *> texts{&about.lblTitle,  &about.lblVersion, &about.lblCompanyName,
                                   &about.lblRights, &about.lblMail,    &about.lblWeb};
        for (const QPoint &pointer : {QPoint(2, 2), at(about.lblWeb), at(about.picIcon)}) {
            QTest::mouseMove(window, pointer); // nothing lit, a link lit, the title lit
            for (const Label *text : texts) {
                QVERIFY2(readable(text->ForeColor()), qPrintable(text->Name()));
            }
        }
        QVERIFY(readable(fromQColor(about.cmdOK.widget()->palette().color(QPalette::ButtonText))));
        // The pointer is still on the icon: its box's border outlines it on the mix.
        QVERIFY(about.picIcon.hasBorder());
        QVERIFY(readable(fromQColor(about.picIcon.widget()->grab().toImage().pixelColor(0, 0))));
    }

    void highlightsFollowThePointer()
    {
        ProgramFixture f;
        frmAbout &about = f.open(f.program->about());
        QWindow *window = about.windowHandle();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto at = [&](const Control &c) {
            return c.widget()->mapTo(&about, c.widget()->rect().center());
        };
        const QPoint background = about.lblVersion.widget()->mapTo(
            &about, QPoint(about.lblVersion.widget()->width() + 20, 4));
        auto linkLit = [](const Label &link) {
            return link.widget()->font().bold() && link.widget()->font().underline() &&
                   link.ForeColor() == RGB(0, 0, 255);
        };

        QTest::mouseMove(window, at(about.lblWeb));
        QVERIFY(linkLit(about.lblWeb));
        QCOMPARE(about.lblWeb.widget()->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(!linkLit(about.lblMail));
        // Straight onto the disclaimer and then the icon: the link stays lit.
        QTest::mouseMove(window, at(about.txtDisclaimer));
        QTest::mouseMove(window, at(about.picIcon));
        QVERIFY(linkLit(about.lblWeb));
        QVERIFY(about.picIcon.hasBorder());
        QVERIFY(about.lblTitle.widget()->font().bold());
        // The design's red would not read on the cyan mix (3.2 : 1).
        QCOMPARE(about.lblTitle.ForeColor(), RGB(0, 0, 0));

        // The window's own background takes every highlight away.
        QTest::mouseMove(window, background);
        QVERIFY(!about.lblWeb.widget()->font().bold() &&
                !about.lblWeb.widget()->font().underline());
        QCOMPARE(about.lblWeb.ForeColor(), buttonText());
        QCOMPARE(about.lblMail.ForeColor(), buttonText());
        QVERIFY(!about.picIcon.hasBorder());
        QVERIFY(!about.lblTitle.widget()->font().bold());
        QCOMPARE(about.lblTitle.ForeColor(), RGB(0, 0, 0));

        // Tab may bring the keyboard to a link; no click takes it there.
        for (int tabs = 0; tabs < 10 && QApplication::focusWidget() != about.lblWeb.widget();
             ++tabs) {
            QTest::keyClick(window, Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), about.lblWeb.widget());
        int linkFocused = 0;
        const QMetaObject::Connection spy =
            connect(qApp, &QApplication::focusChanged, this, [&](QWidget *, QWidget *now) {
                linkFocused += now == about.lblWeb.widget() || now == about.lblMail.widget();
            });

        // A press shows a border, the release takes it away and opens the link.
        QTest::mouseMove(window, at(about.lblMail));
        QTest::mousePress(window, Qt::LeftButton, {}, at(about.lblMail));
        QVERIFY(about.lblMail.hasBorder());
        QVERIFY(f.urlOpener.opened.empty());
        QTest::mouseRelease(window, Qt::LeftButton, {}, at(about.lblMail));
        QVERIFY(!about.lblMail.hasBorder());
        QTest::mouseClick(window, Qt::LeftButton, {}, at(about.lblWeb));
        const std::vector<QUrl> expected{QUrl(QStringLiteral("mailto:comments@tintwell.example")),
                                         QUrl(QStringLiteral("http://www.tintwell.example/"))};
        QCOMPARE(f.urlOpener.opened, expected);

        // Only the left button follows a link; pressed on it but released
        // elsewhere, neither.
        for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            QTest::mouseClick(window, button, {}, at(about.lblWeb));
        }
        QTest::mousePress(window, Qt::LeftButton, {}, at(about.lblWeb));
        QTest::mouseMove(window, background);
        QTest::mouseRelease(window, Qt::LeftButton, {}, background);
        QVERIFY(!about.lblWeb.hasBorder());
        QCOMPARE(f.urlOpener.opened.size(), std::size_t{2});
        QVERIFY(about.isVisible());

        // The keyboard is OK's after the clicks: Enter closes the window.
        disconnect(spy);
        QCOMPARE(linkFocused, 0);
        QTest::keyClick(window, Qt::Key_Return);
        QVERIFY(!about.isVisible());
        QCOMPARE(f.urlOpener.opened.size(), std::size_t{2});
    }
};

QTEST_MAIN(AboutTest)
#include "test_about.moc"
