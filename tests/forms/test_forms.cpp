// Tintwell tests - the forms layer: geometry in twips, notifications, keys,
// the form lifecycle.
#include "platform/forms/FormInstance.h"
#include "platform/forms/LoadedForms.h"
#include "support/FakeServices.h"
#include "support/TestForm.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class FormsTest : public QObject
{
    Q_OBJECT

  private:
    FakeScreenMetrics screen_;
    LoadedForms loaded_;
    FormContext context_{screen_, loaded_};

    std::unique_ptr<TestForm> shownForm()
    {
        auto form = std::make_unique<TestForm>(context_);
        form->showModeless();
        QApplication::setActiveWindow(form.get());
        return form;
    }

  private slots:
    void cleanup()
    {
        screen_ = FakeScreenMetrics();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void geometryFollowsTwips_data()
    {
        QTest::addColumn<double>("twipsPerPixel");
        QTest::addColumn<QRect>("textPixels");
        QTest::addColumn<QRect>("nestedPixels");
        QTest::newRow("96 dpi") << 15.0 << QRect(240, 20, 80, 24) << QRect(10, 20, 80, 24);
        QTest::newRow("120 dpi") << 12.0 << QRect(300, 25, 100, 30) << QRect(13, 25, 100, 30);
    }

    void geometryFollowsTwips()
    {
        QFETCH(double, twipsPerPixel);
        QFETCH(QRect, textPixels);
        QFETCH(QRect, nestedPixels);
        screen_.tpp = twipsPerPixel;
        TestForm form(context_);
        QCOMPARE(form.text.widget()->geometry(), textPixels);
        // A control inside a frame is placed relative to the frame.
        QCOMPARE(form.nestedText.widget()->parentWidget(), form.frame.widget());
        QCOMPARE(form.nestedText.widget()->geometry(), nestedPixels);
        QCOMPARE(form.text.Left(), 3600.0);
        QCOMPARE(form.ScaleWidth(), 6000.0);
        QCOMPARE(form.ScaleHeight(), 4500.0);
    }

    void controlsAreListedInCreationOrderWithNestedOnesAndMenuItems()
    {
        TestForm form(context_);
        QStringList names;
        for (const Control *c : form.Controls()) {
            names << c->Name();
        }
        QCOMPARE(names, QStringList({"frame", "nestedText", "text", "label", "combo", "bar", "ok",
                                     "cancel", "picture", "pictureLabel", "rule", "notes",
                                     "mnuFile", "mnuOpen", "mnuSep"}));
        QVERIFY(form.findChild<QLineEdit *>(QStringLiteral("nestedText")));
    }

    void propertiesAControlLacksAreRefused()
    {
        TestForm form(context_);
        QVERIFY_THROWS_EXCEPTION(PropertyNotSupported, form.mnuOpen.setLeft(10));
        QVERIFY_THROWS_EXCEPTION(PropertyNotSupported, (void)form.mnuOpen.FontSize());
        QVERIFY_THROWS_EXCEPTION(PropertyNotSupported, form.rule.setWidth(10));
        QVERIFY_THROWS_EXCEPTION(PropertyNotSupported, form.combo.setHeight(1000));
        QCOMPARE(form.rule.X2(), 6000.0);
    }

    void labelSizesItselfToItsCaption()
    {
        TestForm form(context_);
        form.label.setAutoSize(true);
        const double shortWidth = form.label.Width();
        form.label.setCaption(QStringLiteral("A much longer caption"));
        QVERIFY(form.label.Width() > shortWidth);
        QCOMPARE(form.label.widget()->width(), form.label.widget()->sizeHint().width());
    }

    void settingWhatAControlHoldsRaisesNothing()
    {
        TestForm form(context_);
        int barChanges = 0;
        int textChanges = 0;
        form.bar.onChange = [&] { ++barChanges; };
        form.text.onChange = [&] { ++textChanges; };
        form.bar.setValue(40);
        form.bar.setValue(40);
        form.text.setText(QStringLiteral("123"));
        form.text.setSelStart(1);
        form.text.setSelLength(1);
        form.text.setText(QStringLiteral("123"));
        QCOMPARE(barChanges, 1);
        QCOMPARE(textChanges, 1);
        QCOMPARE(form.text.SelStart(), 1);
        QCOMPARE(form.text.SelLength(), 1);
    }

    void notificationsRunAtOnceAndNest()
    {
        TestForm form(context_);
        QStringList trace;
        form.bar.onChange = [&] {
            trace << QStringLiteral("bar in");
            form.text.setText(QString::number(form.bar.Value()));
            trace << QStringLiteral("bar out");
        };
        form.text.onChange = [&] { trace << QStringLiteral("text ") + form.text.Text(); };
        form.bar.setValue(7);
        QCOMPARE(trace, QStringList({"bar in", "text 7", "bar out"}));
    }

    void scrollBarClampsAndKeepsSixteenBits()
    {
        TestForm form(context_);
        form.bar.setValue(400);
        QCOMPARE(form.bar.Value(), 255);
        form.bar.setValue(-3);
        QCOMPARE(form.bar.Value(), 0);
        form.bar.setRange(0, 100000);
        QCOMPARE(form.bar.Max(), 32767);
    }

    void keyPressHandlerDropsCharacters()
    {
        auto form = shownForm();
        form->text.onKeyPress = [](int &ascii) {
            if (ascii < '0' || ascii > '9') {
                ascii = 0;
            }
        };
        form->text.setFocus();
        QTest::keyClicks(form->text.widget(), QStringLiteral("a1b2"));
        QCOMPARE(form->text.Text(), QStringLiteral("12"));
    }

    void keyPreviewSeesKeysOfTheFocusedControl()
    {
        auto form = shownForm();
        form->setKeyPreview(true);
        form->text.setFocus();
        form->events.clear();
        QTest::keyClick(form->text.widget(), Qt::Key_A);
        QCOMPARE(form->events, QStringList({QStringLiteral("keyDown %1").arg(Qt::Key_A),
                                            QStringLiteral("keyPress 97"),
                                            QStringLiteral("keyUp %1").arg(Qt::Key_A)}));
        form->setKeyPreview(false);
        form->events.clear();
        QTest::keyClick(form->text.widget(), Qt::Key_B);
        QVERIFY(form->events.isEmpty());
    }

    void characterCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("digit") << int(Qt::Key_7) << 0 << "7" << 55;
        QTest::newRow("letter") << int(Qt::Key_A) << 0 << "a" << 97;
        QTest::newRow("Ctrl+C as X11 sends it")
            << int(Qt::Key_C) << int(Qt::ControlModifier) << "\x03" << 3;
        QTest::newRow("Ctrl+V without text")
            << int(Qt::Key_V) << int(Qt::ControlModifier) << "" << 22;
        QTest::newRow("Ctrl+Enter")
            << int(Qt::Key_Return) << int(Qt::ControlModifier) << "\r" << 10;
        QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << "\r" << 13;
        QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << "\b" << 8;
        QTest::newRow("Delete types nothing") << int(Qt::Key_Delete) << 0 << "\x7f" << 0;
        QTest::newRow("arrow types nothing") << int(Qt::Key_Left) << 0 << "" << 0;
        QTest::newRow("Alt+F types nothing") << int(Qt::Key_F) << int(Qt::AltModifier) << "f" << 0;
        QTest::newRow("F1 types nothing") << int(Qt::Key_F1) << 0 << "" << 0;
        QTest::newRow("Arabic-Indic three")
            << int(Qt::Key_unknown) << 0 << QString(QChar(0x663)) << 0x663;
    }

    void characterCodes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, code);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(characterCodeOf(event), code);
    }

    void escapeClicksTheCancelButtonAndEnterTheDefault()
    {
        auto form = shownForm();
        form->setCancelButton(&form->cancel);
        form->setDefaultButton(&form->ok);
        QSignalSpy cancelled(static_cast<QPushButton *>(form->cancel.widget()),
                             &QPushButton::clicked);
        QSignalSpy accepted(static_cast<QPushButton *>(form->ok.widget()), &QPushButton::clicked);
        form->text.setFocus();
        QTest::keyClick(form->text.widget(), Qt::Key_Escape);
        QCOMPARE(cancelled.count(), 1);
        QTest::keyClick(form->text.widget(), Qt::Key_Return);
        QCOMPARE(accepted.count(), 1);
        // Enter on another button belongs to that button, not to the default.
        form->cancel.setFocus();
        QTest::keyClick(form->cancel.widget(), Qt::Key_Return);
        QCOMPARE(accepted.count(), 1);
    }

    void multiLineBoxKeepsEnterAndCanBeReadOnly()
    {
        auto form = shownForm();
        form->setDefaultButton(&form->ok);
        int accepted = 0;
        form->ok.onClick = [&] { ++accepted; };
        form->notes.setText(QStringLiteral("first line"));
        form->notes.setFocus();
        form->notes.setSelStart(10);
        QTest::keyClick(form->notes.widget(), Qt::Key_Return);
        QTest::keyClicks(form->notes.widget(), QStringLiteral("second"));
        QCOMPARE(form->notes.Text(), QStringLiteral("first line\nsecond"));
        QCOMPARE(accepted, 0); // Enter makes a new line, not the default button's click
        form->notes.setLocked(true);
        QTest::keyClicks(form->notes.widget(), QStringLiteral("more"));
        QCOMPARE(form->notes.Text(), QStringLiteral("first line\nsecond"));
        form->notes.setSelStart(0);
        form->notes.setSelLength(5);
        form->notes.setText(form->notes.Text());
        QCOMPARE(form->notes.SelLength(), 5);
    }

    void accessKeyAndShortcutReachTheirCommands()
    {
        auto form = shownForm();
        int okClicks = 0;
        int opened = 0;
        form->ok.onClick = [&] { ++okClicks; };
        form->mnuOpen.onClick = [&] { ++opened; };
        form->text.setFocus();
        QTest::keyClick(form->text.widget(), Qt::Key_O, Qt::AltModifier);
        QTest::keyClick(form->text.widget(), Qt::Key_F5);
        QTRY_COMPARE(okClicks, 1); // an access key presses the button visibly first
        QCOMPARE(opened, 1);
        QVERIFY(form->mnuSep.action()->isSeparator());
    }

    void tabFollowsTabIndex()
    {
        auto form = shownForm();
        QCOMPARE(QApplication::focusWidget(), form->text.widget());
        QStringList visited;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({"nestedText", "combo", "bar", "ok", "cancel"}));
    }

    void comboKeepsEntriesSortedWithTheirData()
    {
        TestForm form(context_);
        int clicks = 0;
        form.combo.onClick = [&] { ++clicks; };
        form.combo.AddItem(QStringLiteral("blue (Dark)"), 3);
        form.combo.AddItem(QStringLiteral("Red"), 1);
        form.combo.AddItem(QStringLiteral("Blue"), 2);
        form.combo.AddItem(QStringLiteral("apple"), 4);
        QCOMPARE(form.combo.ListIndex(), -1);
        QCOMPARE(clicks, 0);
        QStringList names;
        QList<int> data;
        for (int i = 0; i < form.combo.ListCount(); ++i) {
            names << form.combo.List(i);
            data << form.combo.ItemData(i);
        }
        QCOMPARE(names, QStringList({"apple", "Blue", "blue (Dark)", "Red"}));
        QCOMPARE(data, QList<int>({4, 2, 3, 1}));
        form.combo.setListIndex(2);
        form.combo.setListIndex(2);
        QCOMPARE(clicks, 1);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, form.combo.setListIndex(9));
    }

    void formsLoadOnFirstUseAndUnloadToBeCreatedAfresh()
    {
        int created = 0;
        FormInstance<TestForm> first([&] {
            ++created;
            return std::make_unique<TestForm>(context_, QStringLiteral("first"));
        });
        FormInstance<TestForm> second(
            [&] { return std::make_unique<TestForm>(context_, QStringLiteral("second")); });
        second.get();
        first.get().text.setText(QStringLiteral("kept"));
        first.get().hideForm();
        QCOMPARE(first.get().text.Text(), QStringLiteral("kept"));
        QCOMPARE(created, 1);
        QCOMPARE(loaded_.inLoadOrder().size(), std::size_t{2});
        QCOMPARE(loaded_.inLoadOrder().front()->objectName(), QStringLiteral("second"));

        QPointer<TestForm> old = &first.get();
        first.get().unload();
        QVERIFY(!first.exists());
        QCOMPARE(loaded_.inLoadOrder().size(), std::size_t{1});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(old.isNull());
        QCOMPARE(first.get().text.Text(), QString());
        QCOMPARE(created, 2);
        QCOMPARE(first.get().events, QStringList({"load"}));
    }

    void closeBoxAsksTheFormWhichMayRefuse()
    {
        FormInstance<TestForm> instance([&] { return std::make_unique<TestForm>(context_); });
        TestForm &form = instance.get();
        form.showModeless();
        form.refuseUnload = true;
        form.close();
        QVERIFY(instance.exists());
        QVERIFY(form.isVisible());
        form.refuseUnload = false;
        form.close();
        QVERIFY(!instance.exists());
    }

    void showModalReturnsWhenHiddenOrUnloaded_data()
    {
        QTest::addColumn<bool>("unload");
        QTest::newRow("hidden") << false;
        QTest::newRow("unloaded") << true;
    }

    void showModalReturnsWhenHiddenOrUnloaded()
    {
        QFETCH(bool, unload);
        FormInstance<TestForm> instance([&] { return std::make_unique<TestForm>(context_); });
        TestForm &form = instance.get();
        bool wasModal = false;
        // The nested loop itself is the subject: a queued call ends it.
        QTimer::singleShot(0, &form, [&] {
            wasModal = form.isVisible() && form.isModal();
            unload ? form.unload() : form.hideForm();
        });
        form.showModal();
        QVERIFY(wasModal);
        QCOMPARE(instance.exists(), !unload);
    }

    void resizeAndActivationReachTheForm()
    {
        TestForm form(context_);
        form.events.clear();
        form.Move(0, 0, 7500, 6000);
        QVERIFY(form.events.contains(QStringLiteral("resize")));
        form.showModeless();
        QApplication::setActiveWindow(&form);
        QTRY_VERIFY(form.events.contains(QStringLiteral("activate")));
        QCOMPARE(form.Width(), 7500.0);
    }

    // The activation handler runs when a form is shown and when the person
    // moves to it from another window of the program, not when the person
    // comes back from another program.
    void activationCountsOnlyWithinTheProgram_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("activations");
        QTest::newRow("shown") << "show" << 1;
        QTest::newRow("from another window of the program") << "fromSibling" << 2;
        QTest::newRow("back from another program") << "fromOtherProgram" << 1;
        QTest::newRow("after the program hid its active window") << "afterHide" << 2;
        QTest::newRow("hidden and shown again") << "showAgain" << 2;
    }

    void activationCountsOnlyWithinTheProgram()
    {
        QFETCH(QString, path);
        QFETCH(int, activations);
        TestForm form(context_, QStringLiteral("form"));
        TestForm other(context_, QStringLiteral("other"));
        // The window system's own activations of a shown window arrive as events.
        const auto settle = [] { QCoreApplication::processEvents(); };
        other.showModeless();
        settle();
        form.showModeless();
        settle();
        if (path == QLatin1String("fromSibling")) {
            QApplication::setActiveWindow(&other);
            QApplication::setActiveWindow(&form);
        } else if (path == QLatin1String("fromOtherProgram")) {
            QApplication::setActiveWindow(nullptr);
            QApplication::setActiveWindow(&form);
        } else if (path == QLatin1String("afterHide")) {
            QApplication::setActiveWindow(&other);
            other.hideForm();
            settle();
            QApplication::setActiveWindow(&form);
        } else if (path == QLatin1String("showAgain")) {
            form.hideForm();
            settle();
            QApplication::setActiveWindow(&other);
            QApplication::setActiveWindow(nullptr); // to another program
            form.showModeless();
            QApplication::setActiveWindow(&form);
        }
        QCOMPARE(form.events.count(QStringLiteral("activate")), activations);
    }

    void aMenuBarCommandRunsWhenItsCaptionIsClicked()
    {
        struct BarForm final : Form
        {
            explicit BarForm(const FormContext &context) : Form(context, QStringLiteral("bar")) {}
            MenuItem &mnuGo = addMenuCommand(QStringLiteral("mnuGo"), QStringLiteral("Go"));
        } form(context_);
        int runs = 0;
        form.mnuGo.onClick = [&] { ++runs; };
        form.showModeless();
        auto *bar = form.findChild<QMenuBar *>();
        QVERIFY(bar);
        QVERIFY(form.mnuGo.action()->menu() == nullptr);
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(form.mnuGo.action()).center());
        QCOMPARE(runs, 1);
    }

    void centredOnTheScreenWhenFirstShown()
    {
        TestForm form(context_);
        form.setStartUpPosition(StartUpPosition::CenterScreen);
        form.showModeless();
        const QRect screen = screen_.pixelGeometry();
        QVERIFY(qAbs(form.frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(form.frameGeometry().center().y() - screen.center().y()) <= 1);
    }
};

QTEST_MAIN(FormsTest)
#include "test_forms.moc"
