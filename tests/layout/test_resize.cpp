// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - fitting a window laid out for 1024 x 768 to other screens.
#include "layout/modResize.h"
#include "platform/forms/FormPictures.h"
#include "platform/forms/ProgramForms.h"
#include "support/FakeServices.h"
#include "support/TestForm.h"

#include <QTest>
#include <memory>

namespace {

struct ScaledScreen
{
    ScaledScreen(int width, int height, double twipsPerPixel) : screen(width, height, twipsPerPixel)
    {
    }
    FakeScreenMetrics screen;
    ProgramForms loaded;
    FormPictures pictures;
    TestForm form{{.screen = screen, .programForms = loaded, .pictures = pictures}};
};

// The screen of the current data row, with a test form laid out for it.
std::unique_ptr<ScaledScreen> screenOfRow()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, twipsPerPixel);
    return std::make_unique<ScaledScreen>(width, height, twipsPerPixel);
}

} // namespace

class ResizeTest : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        XFactor = 0;
        YFactor = 0;
    }

    void factorsMeasureTheScreenInTwips_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("twipsPerPixel");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::newRow("1024x768 at 15") << 1024 << 768 << 15.0 << 1.0f << 1.0f;
        QTest::newRow("800x600 at 15") << 800 << 600 << 15.0 << 0.78125f << 0.78125f;
        QTest::newRow("1280x1024 at 15") << 1280 << 1024 << 15.0 << 1.25f << float(4.0 / 3.0);
        QTest::newRow("1366x768 at 15") << 1366 << 768 << 15.0 << 1.333984375f << 1.0f;
        QTest::newRow("1024x768 at 12") << 1024 << 768 << 12.0 << 0.8f << 0.8f;
        // 168 dpi: the screen measures 8777.14 x 6582.86 twips, taken as whole twips.
        QTest::newRow("1024x768 at 168 dpi")
            << 1024 << 768 << 1440.0 / 168 << float(8777.0 / 15360) << float(6583.0 / 11520);
    }

    void factorsMeasureTheScreenInTwips()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        const auto row = screenOfRow();
        TestForm &form = row->form;
        ResizeForm(form);
        QCOMPARE(XFactor, x);
        QCOMPARE(YFactor, y);
    }

    void everyControlIsScaled_data() { factorsMeasureTheScreenInTwips_data(); }

    void everyControlIsScaled()
    {
        QFETCH(float, x);
        QFETCH(float, y);
        const auto row = screenOfRow();
        TestForm &form = row->form;
        const std::initializer_list<Control *> textKinds = {&form.text, &form.combo, &form.label,
                                                            &form.ok};
        for (Control *c : textKinds) {
            c->setFontSize(9.75);
        }
        form.bar.setFontSize(8);
        form.picture.setFontSize(8);
        const double formWidth = form.Width();
        const double comboHeight = form.combo.Height();

        ResizeForm(form);

        QCOMPARE(form.text.Left(), double(3600.0f * x));
        QCOMPARE(form.text.Top(), double(300.0f * y));
        QCOMPARE(form.text.Width(), double(1200.0f * x));
        QCOMPARE(form.text.Height(), double(360.0f * y));
        // Nested controls scale within their container.
        QCOMPARE(form.nestedText.Left(), double(150.0f * x));
        QCOMPARE(form.nestedText.Top(), double(300.0f * y));
        QCOMPARE(form.pictureLabel.Left(), double(75.0f * x));
        // Fonts follow the horizontal factor alone, and only where text is typed or shown.
        for (Control *c : textKinds) {
            QCOMPARE(c->FontSize(), double(9.75f * x));
        }
        QCOMPARE(form.bar.FontSize(), 8.0);
        QCOMPARE(form.picture.FontSize(), 8.0);
        // Each edge goes to the nearest whole pixel, so that boxes touching in twips touch on
        // screen.
        const double tpp = row->screen.tpp;
        const QRect nested = form.nestedText.widget()->geometry();
        QCOMPARE(nested.left(), qRound(form.nestedText.Left() / tpp));
        QCOMPARE(nested.right() + 1,
                 qRound((form.nestedText.Left() + form.nestedText.Width()) / tpp));
        QCOMPARE(nested.bottom() + 1,
                 qRound((form.nestedText.Top() + form.nestedText.Height()) / tpp));
        // Line ends scale like positions; the drop-down keeps the height its font gives.
        const QPoint ruleEnd(row->screen.toPixelsX(6000.0f * x),
                             row->screen.toPixelsY(3900.0f * y));
        QCOMPARE(form.rule.widget()->geometry(),
                 QRect(QPoint(0, ruleEnd.y()), ruleEnd).adjusted(0, 0, 1, 1));
        QCOMPARE(form.combo.widget()->height(), form.combo.widget()->sizeHint().height());
        if (x > 1) {
            QVERIFY(form.combo.Height() > comboHeight);
        }
        // The window itself, to whole pixels.
        QVERIFY(qAbs(form.Width() - formWidth * x) <= row->screen.tpp);
    }

    void designScreenMovesNothing()
    {
        FakeScreenMetrics screen;
        ProgramForms loaded;
        FormPictures pictures;
        TestForm form({.screen = screen, .programForms = loaded, .pictures = pictures});
        const QRect before = form.text.widget()->geometry();
        const QSize formBefore = form.size();
        ResizeForm(form);
        QCOMPARE(form.text.widget()->geometry(), before);
        QCOMPARE(form.size(), formBefore);
    }

    void screenWithoutSizeLeavesTheFormWhole()
    {
        // A screen that reports nothing gives factors of 0: the window and its
        // controls keep their design size instead of collapsing to nothing.
        FakeScreenMetrics screen(0, 0, 15);
        ProgramForms loaded;
        FormPictures pictures;
        TestForm form({.screen = screen, .programForms = loaded, .pictures = pictures});
        const QSize formBefore = form.size();
        const QRect textBefore = form.text.widget()->geometry();
        const double fontBefore = form.text.FontSize();
        const QRect ruleBefore = form.rule.widget()->geometry();
        ResizeForm(form);
        QCOMPARE(XFactor, 0.0f);
        QCOMPARE(form.size(), formBefore);
        QCOMPARE(form.text.widget()->geometry(), textBefore);
        QCOMPARE(form.rule.widget()->geometry(), ruleBefore);
        QCOMPARE(form.text.FontSize(), fontBefore);
    }
};

QTEST_MAIN(ResizeTest)
#include "test_resize.moc"
