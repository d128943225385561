// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - the forms layer: geometry in twips, notifications, keys,
// the form lifecycle.
#include "platform/forms/FormInstance.h"
#include "platform/forms/FormPictures.h"
#include "platform/forms/Keys.h"
#include "platform/forms/ProgramForms.h"
#include "support/FakeServices.h"
#include "support/TestForm.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <stdexcept>

namespace {

int whitePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == Qt::white ? 1 : 0;
        }
    }
    return count;
}

} // namespace

class FormsTest : public QObject
{
    Q_OBJECT

  private:
    FakeScreenMetrics screen_;
    ProgramForms loaded_;
    FormPictures pictures_;
    FormContext context_{.screen = screen_, .programForms = loaded_, .pictures = pictures_};

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
        // A control inside a container is placed relative to the container.
        QCOMPARE(form.nestedText.widget()->parentWidget(), form.panel.widget());
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
        QCOMPARE(names, QStringList({"panel", "nestedText", "text", "label", "combo", "bar", "ok",
                                     "cancel", "picture", "pictureLabel", "rule", "notes",
                                     "mnuFile", "mnuOpen", "mnuSep"}));
        QVERIFY(form.findChild<QLineEdit *>(QStringLiteral("nestedText")));
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
        auto *line = qobject_cast<QLineEdit *>(form.text.widget());
        line->setSelection(1, 1);
        form.text.setText(QStringLiteral("123"));
        QCOMPARE(barChanges, 1);
        QCOMPARE(textChanges, 1);
        QCOMPARE(line->selectedText(), QStringLiteral("2"));
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
        QCOMPARE(static_cast<QScrollBar *>(form.bar.widget())->maximum(), 32767);
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
        // An input method's text is typed too; Alt with a letter that is no
        // access key is not typed at all.
        QTest::keyClick(form->text.widget(), Qt::Key_Z, Qt::AltModifier);
        QInputMethodEvent committed;
        committed.setCommitString(QStringLiteral("3\u00e94"));
        QApplication::sendEvent(form->text.widget(), &committed);
        QCOMPARE(form->text.Text(), QStringLiteral("1234"));
    }

    void keyPreviewSeesKeysOfTheFocusedControl()
    {
        auto form = shownForm();
        form->setKeyPreview(true);
        form->text.setFocus();
        form->events.clear();
        QTest::keyClick(form->text.widget(), Qt::Key_A);
        QCOMPARE(form->events, QStringList({QStringLiteral("keyUp %1").arg(Qt::Key_A)}));
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
        // Enter on another button presses that button, as Space does, not the default.
        form->cancel.setFocus();
        QTest::keyClick(form->cancel.widget(), Qt::Key_Return);
        QTest::keyClick(form->cancel.widget(), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(cancelled.count(), 3);
    }

    void multiLineBoxKeepsEnterAndCanBeReadOnly()
    {
        auto form = shownForm();
        form->setDefaultButton(&form->ok);
        int accepted = 0;
        form->ok.onClick = [&] { ++accepted; };
        form->notes.setText(QStringLiteral("first line"));
        form->notes.setFocus();
        auto *box = qobject_cast<QPlainTextEdit *>(form->notes.widget());
        box->moveCursor(QTextCursor::End);
        QTest::keyClick(form->notes.widget(), Qt::Key_Return);
        QTest::keyClicks(form->notes.widget(), QStringLiteral("second"));
        QCOMPARE(form->notes.Text(), QStringLiteral("first line\nsecond"));
        QCOMPARE(accepted, 0); // Enter makes a new line, not the default button's click
        form->notes.setLocked(true);
        QTest::keyClicks(form->notes.widget(), QStringLiteral("more"));
        QTest::keyClick(form->notes.widget(), Qt::Key_Return);
        QCOMPARE(form->notes.Text(), QStringLiteral("first line\nsecond"));
        QCOMPARE(accepted, 0); // nor where the box is read-only and takes no new line
        box->moveCursor(QTextCursor::Start);
        box->moveCursor(QTextCursor::NextWord, QTextCursor::KeepAnchor);
        form->notes.setText(form->notes.Text());
        QCOMPARE(box->textCursor().selectedText(), QStringLiteral("first "));
    }

    // A window that asks a box of several lines for a length limit or an
    // alignment hears at once that it has neither.
    void multiLineBoxRefusesALengthLimitAndAnAlignment()
    {
        TestForm form(context_);
        QVERIFY_THROWS_EXCEPTION(std::logic_error, form.notes.setMaxLength(3));
        QVERIFY_THROWS_EXCEPTION(std::logic_error, form.notes.setAlignment(Qt::AlignHCenter));
    }

    void gotFocusOnlyWhenTheFocusMovesToTheBox_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<int>("raised");
        QTest::newRow("Tab") << "Tab" << 1;
        QTest::newRow("click") << "click" << 1;
        QTest::newRow("window active again") << "window" << 0;
        QTest::newRow("menu closed") << "menu" << 0;
    }

    void gotFocusOnlyWhenTheFocusMovesToTheBox()
    {
        QFETCH(QString, route);
        QFETCH(int, raised);
        auto form = shownForm();
        QWidget *box = form->nestedText.widget();
        form->nestedText.setFocus();
        int got = 0;
        form->nestedText.onGotFocus = [&got] { ++got; };
        if (route == "Tab" || route == "click") {
            form->text.setFocus();
            route == "Tab" ? QTest::keyClick(form->text.widget(), Qt::Key_Tab)
                           : QTest::mouseClick(box, Qt::LeftButton);
        } else if (route == "window") {
            QWidget other;
            other.show();
            QApplication::setActiveWindow(&other);
            QApplication::setActiveWindow(form.get());
        } else {
            QTest::keyClick(box, Qt::Key_F, Qt::AltModifier);
            auto *menu = form->findChild<QMenu *>(QStringLiteral("mnuFile"));
            QTRY_VERIFY(menu->isVisible());
            QTest::keyClick(menu, Qt::Key_Escape);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // leaves the menu bar
        }
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(got, raised);
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
        QVERIFY(actionOf(*form, form->mnuSep)->isSeparator());
    }

    void accessKeyPressBlockedByAModalBoxRunsNothing()
    {
        auto form = shownForm();
        int okClicks = 0;
        form->ok.onClick = [&] { ++okClicks; };
        auto *ok = qobject_cast<QPushButton *>(form->ok.widget());
        form->text.setFocus();
        QTest::keyClick(form->text.widget(), Qt::Key_O, Qt::AltModifier);
        // The next key, typed before the visible press is over, brings up a
        // modal box (a complaint about the key, say).
        QMessageBox box(QMessageBox::Information, QStringLiteral("Tintwell"),
                        QStringLiteral("Numbers Only Please"), QMessageBox::Ok, form.get());
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        QTRY_VERIFY(!ok->isDown());
        QCOMPARE(okClicks, 0);
        box.close();
        QApplication::setActiveWindow(form.get());
        QTest::keyClick(form->text.widget(), Qt::Key_O, Qt::AltModifier);
        QTRY_COMPARE(okClicks, 1);
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

    void comboKeepsEntriesInOrderWithTheirData_data()
    {
        QTest::addColumn<bool>("sorted");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<int>>("data");
        QTest::newRow("sorted by name")
            << true << QStringList({"apple", "Blue", "blue (Dark)", "Red"})
            << QList<int>({4, 2, 3, 1});
        QTest::newRow("in the order added")
            << false << QStringList({"blue (Dark)", "Red", "Blue", "apple"})
            << QList<int>({3, 1, 2, 4});
    }

    void comboKeepsEntriesInOrderWithTheirData()
    {
        QFETCH(bool, sorted);
        QFETCH(QStringList, names);
        QFETCH(QList<int>, data);
        TestForm form(context_);
        form.combo.setSorted(sorted);
        int clicks = 0;
        form.combo.onClick = [&] { ++clicks; };
        form.combo.AddItem(QStringLiteral("blue (Dark)"), 3);
        form.combo.AddItem(QStringLiteral("Red"), 1);
        form.combo.AddItem(QStringLiteral("Blue"), 2);
        form.combo.AddItem(QStringLiteral("apple"), 4);
        QCOMPARE(form.combo.ListIndex(), -1);
        QCOMPARE(clicks, 0);
        QStringList shownNames;
        QList<int> shownData;
        for (int i = 0; i < form.combo.ListCount(); ++i) {
            shownNames << form.combo.List(i);
            shownData << form.combo.ItemData(i);
        }
        QCOMPARE(shownNames, names);
        QCOMPARE(shownData, data);
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
        const auto opener = shownForm();
        FormInstance<TestForm> instance([&] { return std::make_unique<TestForm>(context_); });
        TestForm &form = instance.get();
        bool wasModal = false;
        bool againReturnedAtOnce = false;
        // The nested loop itself is the subject: a queued call ends it. A
        // watchdog ends every loop should the form's own calls not return.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        watchdog.callOnTimeout([] { QCoreApplication::exit(1); });
        watchdog.start(10000);
        QTimer::singleShot(0, &form, [&] {
            wasModal = form.isVisible() && form.isModal();
            form.showModal(); // shown modally already: returns at once
            againReturnedAtOnce = form.isVisible();
            unload ? form.unload() : form.hideForm();
        });
        form.showModal();
        QVERIFY(watchdog.isActive());
        QVERIFY(wasModal);
        QVERIFY(againReturnedAtOnce);
        // The keyboard is back with the window that opened it.
        QTRY_COMPARE(QApplication::activeWindow(), opener.get());
        QCOMPARE(instance.exists(), !unload);
    }

    void resizeAndActivationReachTheForm()
    {
        TestForm form(context_);
        form.events.clear();
        form.Move({0, 0, 7500, 6000});
        QVERIFY(form.events.contains(QStringLiteral("resize")));
        form.showModeless();
        QApplication::setActiveWindow(&form);
        QTRY_VERIFY(form.events.contains(QStringLiteral("activate")));
        QCOMPARE(form.Width(), 7500.0);
    }

    void pictureKeepsWhatIsDrawnAsAnImage_data()
    {
        QTest::addColumn<double>("twipsPerPixel");
        QTest::addColumn<PictureBorder>("border");
        QTest::newRow("96 dpi, no border") << 15.0 << PictureBorder::None;
        QTest::newRow("120 dpi, sunken frame") << 12.0 << PictureBorder::Sunken3D;
    }

    void pictureKeepsWhatIsDrawnAsAnImage()
    {
        QFETCH(double, twipsPerPixel);
        QFETCH(PictureBorder, border);
        screen_.tpp = twipsPerPixel;
        auto form = shownForm();
        PictureBox &picture = form->picture;
        form->pictureLabel.widget()->hide();
        picture.setBorderStyle(border);
        picture.setFontName(QStringLiteral("Arial"));
        picture.setFontSize(12);
        picture.setBackColor(RGB(0, 0, 255));
        picture.setForeColor(RGB(255, 255, 255));
        picture.Print(QStringLiteral("RED: 255"));
        const double lineTwips = picture.CurrentY();
        picture.Print(QStringLiteral("GREEN: 0"));

        // 12 pt is 240 twips, plus the font's leading: the same at any resolution.
        QVERIFY2(lineTwips >= 240 && lineTwips <= 330, qPrintable(QString::number(lineTwips)));
        QCOMPARE(picture.CurrentX(), 0.0);
        QCOMPARE(picture.CurrentY(), 2 * lineTwips);
        const QImage image = picture.Image();
        QCOMPARE(qRound(image.dotsPerMeterX() * 0.0254), qRound(1440 / twipsPerPixel));
        // The image is the drawing area inside the border, as the window shows it.
        const QRect area = picture.widget()->contentsRect();
        QCOMPARE(image, picture.widget()->grab(area).toImage().convertToFormat(image.format()));
        const int linePixels = screen_.toPixelsY(lineTwips);
        QVERIFY(whitePixels(image.copy(0, 0, image.width() / 2, linePixels)) > 20);
        QVERIFY(whitePixels(image.copy(0, linePixels, image.width() / 2, linePixels)) > 20);
        QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), QColor(0, 0, 255));
        // A new background colour erases the drawing.
        picture.setBackColor(RGB(0, 0, 255));
        QCOMPARE(whitePixels(picture.Image()), 0);
    }

    void dockedContainerSpansTheTopAndLeavesTheClientArea()
    {
        TestForm form(context_);
        form.picture.Move({300, 2700, 1500, 600});
        form.picture.setDockedTop(true);
        QCOMPARE(form.picture.widget()->geometry(), QRect(0, 0, 400, 40));
        QCOMPARE(form.ScaleHeight(), 4500.0 - 600);
        form.Move({form.Left(), form.Top(), 9000, form.Height()});
        QCOMPARE(form.picture.Width(), 9000.0);
        QCOMPARE(form.picture.widget()->width(), 600);
        QCOMPARE(form.pictureLabel.widget()->parentWidget(), form.picture.widget());
    }

    void pointerEventsReachTheControlUnderThePointer_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QPointF>("twips"); // within the target's container
        QTest::addColumn<QString>("receiver");
        QTest::newRow("a label") << "label" << QPointF(3700, 950) << "label";
        QTest::newRow("a picture box") << "picture" << QPointF(1200, 3300) << "picture";
        QTest::newRow("a label inside a picture box, not the box")
            << "pictureLabel" << QPointF(150, 120) << "pictureLabel";
        QTest::newRow("the text of a box of several lines")
            << "notes" << QPointF(2000, 2900) << "notes";
        QTest::newRow("the background") << "" << QPointF(5700, 4200) << "form";
        QTest::newRow("a line lets the background have it") << "" << QPointF(3000, 3900) << "form";
    }

    void pointerEventsReachTheControlUnderThePointer()
    {
        QFETCH(QString, target);
        QFETCH(QPointF, twips);
        QFETCH(QString, receiver);
        auto form = shownForm();
        for (Control *c :
             {static_cast<Control *>(&form->label), static_cast<Control *>(&form->picture),
              static_cast<Control *>(&form->pictureLabel), static_cast<Control *>(&form->notes)}) {
            const QString name = c->Name();
            c->onMouseDown = [&, name](auto...) { form->events << name + QStringLiteral(" down"); };
            c->onMouseMove = [&, name](auto...) { form->events << name + QStringLiteral(" move"); };
            c->onMouseUp = [&, name](auto...) { form->events << name + QStringLiteral(" up"); };
        }
        const QWidget *container =
            target.isEmpty() ? form->findChild<QWidget *>(QStringLiteral("TestForm_client"))
                             : form->findChild<QWidget *>(target)->parentWidget();
        const QPoint at = container->mapTo(form.get(), screen_.toPixels(twips));
        form->events.clear();
        QTest::mouseMove(form->windowHandle(), at);
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, at);
        form->events.removeDuplicates();
        // The form's own background hears only the pointer's moves.
        const QStringList heard =
            receiver == QLatin1String("form")
                ? QStringList{QStringLiteral("form move")}
                : QStringList{receiver + QStringLiteral(" move"),
                              receiver + QStringLiteral(" down"), receiver + QStringLiteral(" up")};
        QCOMPARE(form->events, heard);
    }

    void labelIsTransparentUntilGivenABackground()
    {
        auto form = shownForm();
        form->setBackColor(RGB(0, 128, 0));
        const QPoint corner(1, 1); // clear of the caption
        QCOMPARE(form->label.widget()->grab().toImage().pixelColor(corner), QColor(0, 128, 0));
        form->label.setTransparent(false);
        form->label.setBackColor(RGB(255, 255, 192));
        QCOMPARE(form->label.widget()->grab().toImage().pixelColor(corner), QColor(255, 255, 192));
    }

    // A box of several lines wraps its lines and scrolls up and down.
    void multiLineBoxWrapsAndScrollsUpAndDown()
    {
        auto form = shownForm();
        form->notes.setText(
            QStringLiteral("a long line of words that cannot fit the box").repeated(3));
        auto *box = qobject_cast<QPlainTextEdit *>(form->notes.widget());
        QVERIFY(!box->horizontalScrollBar()->isVisible());
        QVERIFY(box->verticalScrollBar()->isVisible());
        // The end of a wrapped line lies below its start.
        box->moveCursor(QTextCursor::End);
        QVERIFY(box->cursorRect().top() > box->fontMetrics().height());
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
        QVERIFY(actionOf(form, form.mnuGo)->menu() == nullptr);
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(actionOf(form, form.mnuGo)).center());
        QCOMPARE(runs, 1);
    }

    void windowsPresentThemselvesToScreenReaders_data()
    {
        QTest::addColumn<bool>("inTaskbar");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::newRow("a window") << true << QAccessible::Window;
        QTest::newRow("a dialog") << false << QAccessible::Dialog;
    }

    void windowsPresentThemselvesToScreenReaders()
    {
        QFETCH(bool, inTaskbar);
        QFETCH(QAccessible::Role, role);
        TestForm form(context_, QStringLiteral("Print Size"));
        form.setShowInTaskbar(inTaskbar);
        form.showModeless();
        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
        QVERIFY(window);
        QCOMPARE(window->role(), role);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Print Size"));
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
