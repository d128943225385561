// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - the preview's Print command and save button, with a
// scripted printer, file writer and file dialog.
#include "platform/win32/QtWindowCalls.h"
#include "preview/SwatchCommands.h"
#include "support/FakeServices.h"
#include "support/ProgramFixture.h"
#include "support/TestForm.h"

#include <QCursor>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTest>
#include <initializer_list>
#include <string>

using namespace std::string_literals;

namespace {

const QString Asked = QStringLiteral("message PRINT NOW?");
const QString Told = QStringLiteral("message Tintwell");

// The program with the fakes that printing and saving go through.
struct OutputFixture
{
    OutputFixture()
    {
        printer.log = &calls;
        app.messages.log = &calls;
    }

    // Opens the preview with the height chosen in the print-size dialog.
    frmPrint *openPreview(int height)
    {
        app.viewColor([height](frmPrintSetup &dialog) {
            QTest::keyClick(dialog.txtHeight.widget(), char('0' + height));
            QTest::keyClick(dialog.txtHeight.widget(), Qt::Key_Return);
        });
        if (app.preview()) {
            ProgramFixture::activate(*app.preview());
        }
        return app.preview();
    }

    // The messages titled "Tintwell" that the person was shown.
    QStringList told() const
    {
        QStringList texts;
        for (const MessageRequest &request : app.messages.shown) {
            if (request.title == QStringLiteral("Tintwell")) {
                texts.append(request.text);
            }
        }
        return texts;
    }

    CallLog calls;
    FakePrinterService printer;
    FakePictureFileWriter files;
    FakeDialogCalls dialogs;
    QtWindowCalls windows;
    OutputServices output{.printer = printer,
                          .files = files,
                          .dialogs = dialogs,
                          .windows = windows,
                          .exeName = QStringLiteral("tintwell")};
    ProgramFixture app{{.output = &output}};
};

} // namespace

class SwatchOutputTest : public QObject
{
    Q_OBJECT

  private slots:
    void init() { CurrentFileName.clear(); }

    void printing_data()
    {
        QTest::addColumn<int>("height");
        QTest::addColumn<PrinterPaper>("paper");
        // Why no printer is found: when the printer's code cannot be loaded
        // ("the printing support ..."), or when the check finds none.
        QTest::addColumn<QString>("noPrinter");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("endFailure");
        QTest::addColumn<QStringList>("expectedCalls");
        QTest::addColumn<QString>("message");

        const PrinterPaper letter{
            .name = QStringLiteral("Letter"), .metric = false, .printableTwips = {12240, 15840}};
        const QStringList settings{"check", "printer", "quality", "color", Asked};
        const QStringList handedOver = settings + QStringList{"page width", "draw", "end"};
        const QStringList printed = handedOver + QStringList{"follow"};
        QTest::newRow("Yes prints the 2 x 2 swatch")
            << 2 << letter << "" << true << "" << printed << "";
        QTest::newRow("height 9 ends above 13600 twips")
            << 9 << letter << "" << true << "" << printed << "";
        QTest::newRow("No prints nothing") << 2 << letter << "" << false << "" << settings << "";
        QTest::newRow("no default printer: not even asked")
            << 2 << letter << "no printer is set as the default printer" << true << ""
            << QStringList{"check", Told}
            << "The color was not printed: no printer is set as the default printer.\n\n";
        QTest::newRow("the printer's code cannot be loaded: nothing is looked for")
            << 2 << letter << "the printing support could not be loaded (no library)" << true << ""
            << QStringList{Told}
            << "The color was not printed: the printing support could not be loaded (no "
               "library).\n\nMake sure that the printing system";
        QTest::newRow("the queue refuses the job")
            << 2 << letter << "" << true << "the printer \"office\" did not take the job: stopped."
            << handedOver + QStringList{Told}
            << "The color was not printed: the printer \"office\" did not take the job: "
               "stopped.\n\n";
        QTest::newRow("a swatch exactly as wide as the printable area prints")
            << 2
            << PrinterPaper{.name = QStringLiteral("Narrow"),
                            .metric = false,
                            .printableTwips = {2800, 15840}}
            << "" << true << "" << printed << "";
        QTest::newRow("height 9 is too tall for A5: not asked, not clipped")
            << 9
            << PrinterPaper{.name = QStringLiteral("A5"),
                            .metric = true,
                            .printableTwips = {7670, 11186}}
            << "" << true << "" << QStringList{"check", "printer", Told}
            << "The color was not printed: a swatch of 49 x 222 mm, 18 mm below the top of the "
               "page's printable area, does not fit on the paper \"A5\", whose "
               "printable area is 135 x 197 mm.\n\n";
        QTest::newRow("height 6 is too tall for 4 x 6 in photo paper")
            << 6
            << PrinterPaper{.name = QStringLiteral("4 x 6 in"),
                            .metric = false,
                            .printableTwips = {5760, 8640}}
            << "" << true << "" << QStringList{"check", "printer", Told}
            << "The color was not printed: a swatch of 1.94 x 5.83 in, 0.69 in below the top of "
               "the page's printable area, does not fit on the paper \"4 x 6 in\", "
               "whose printable area is 4.00 x 6.00 in.\n\n";
    }

    void printing()
    {
        QFETCH(int, height);
        QFETCH(PrinterPaper, paper);
        QFETCH(QString, noPrinter);
        QFETCH(bool, yes);
        QFETCH(QString, endFailure);
        QFETCH(QStringList, expectedCalls);
        QFETCH(QString, message);
        OutputFixture fixture;
        frmPrint *preview = fixture.openPreview(height);
        QVERIFY(preview);
        fixture.printer.printerFound.paper = paper;
        const bool notLoaded = noPrinter.startsWith(QLatin1String("the printing support"));
        (notLoaded ? fixture.printer.openFailure : fixture.printer.noDefaultPrinter) = noPrinter;
        fixture.printer.endFailure = endFailure;
        fixture.app.messages.answers = {yes ? MsgResult::Yes : MsgResult::No};
        const QImage swatch = preview->picColor.Image();
        fixture.calls.clear();

        QTest::mouseClick(preview->cmdPrint.widget(), Qt::LeftButton);

        QCOMPARE(fixture.calls, expectedCalls);
        // The pointer says that the program waits while the printing system
        // is asked, and only then.
        QCOMPARE(fixture.printer.underBusyPointer,
                 expectedCalls.filter(QRegularExpression(QStringLiteral("^(check|end)$"))));
        QVERIFY(!QGuiApplication::overrideCursor());
        if (expectedCalls.contains(Asked)) {
            const MessageRequest &question = fixture.app.messages.shown.front();
            QCOMPARE(question.text, QStringLiteral("Do You Want To Print This Color"));
            QCOMPARE(question.buttons, MsgButtons::YesNo);
            QCOMPARE(question.icon, MsgIcon::None);
        }
        const QStringList told = fixture.told();
        QCOMPARE(told.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QVERIFY2(told.front().startsWith(message), qPrintable(told.front()));
            QVERIFY2(told.front().size() > message.size() + 20, "the message says what to do");
        }
        // The preview stays as it was.
        QCOMPARE(preview->picColor.Image(), swatch);
        QCOMPARE(preview->windowTitle(), QStringLiteral("Preview Color"));

        const bool accepted = expectedCalls.contains("end") && endFailure.isEmpty();
        QCOMPARE(fixture.printer.jobs.size(), accepted ? 1U : 0U);
        if (!accepted) {
            return;
        }
        const std::vector<FakePrinterService::Drawing> &job = fixture.printer.jobs.front();
        QCOMPARE(job.size(), 1U);
        QCOMPARE(job.front().picture, swatch);
        // On a 1024 x 768 screen the factors are 1: the outer width is 2800
        // twips, the top 1000 twips down the printable area.
        QCOMPARE(preview->picColor.Width(), 2800.0);
        QCOMPARE(job.front().topLeftTwips,
                 QPointF((paper.printableTwips.width() - 2800) / 2, 1000));
        const double bottom = 1000 + swatch.height() * fixture.app.screen.tpp;
        QVERIFY2(bottom < 1000 + height * 1400 && bottom > 1000 + height * 1400 - 100,
                 qPrintable(QString::number(bottom)));
    }

    // A page that will not be what the person expects, or not yet, is
    // announced before the question, in one message; the page still prints
    // on Yes. A printer that refuses jobs is said instead of the question.
    void toldBeforeAsked_data()
    {
        QTest::addColumn<bool>("color");
        QTest::addColumn<QString>("insteadOf");
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<bool>("accepting");
        QTest::addColumn<QString>("stateMessage");
        QTest::addColumn<QString>("note");
        const QString grey = QStringLiteral(
            "The printer \"office\" prints in shades of grey, so the swatch will not show its "
            "color, but its red, green and blue amounts will print.");
        const QString paper = QStringLiteral(
            "The printer \"office\" has no paper \"Legal\": the color will be printed on "
            "\"Letter\".");
        const QString paused = QStringLiteral(
            "The printer \"office\" is paused: \"Paused: new toner cartridge\". The color will "
            "be printed when the printer is resumed (in the desktop's printer settings, or with "
            "cupsenable office).");
        QTest::newRow("a printer without colour") << false << "" << false << true << "" << grey;
        QTest::newRow("a paper the printer lacks")
            << true << "Legal" << false << true << "" << paper;
        QTest::newRow("both") << false << "Legal" << false << true << "" << paper + "\n\n" + grey;
        QTest::newRow("a paused printer, in its administrator's words")
            << true << "" << true << true << "Paused: new toner cartridge" << paused;
        QTest::newRow("a stopped printer that says nothing")
            << true << "" << true << true << ""
            << "The printer \"office\" is paused. The color will be printed when the printer is "
               "resumed (in the desktop's printer settings, or with cupsenable office).";
        QTest::newRow("a refusing printer: said, with its reason, and nothing asked")
            << true << "" << false << false << "Out of service until Monday"
            << "The color was not printed: the printer \"office\" does not accept jobs: \"Out of "
               "service until Monday\".\n\nMake another printer the default";
    }

    void toldBeforeAsked()
    {
        QFETCH(bool, color);
        QFETCH(QString, insteadOf);
        QFETCH(bool, stopped);
        QFETCH(bool, accepting);
        QFETCH(QString, stateMessage);
        QFETCH(QString, note);
        OutputFixture fixture;
        frmPrint *preview = fixture.openPreview(2);
        QVERIFY(preview);
        DefaultPrinter &printer = fixture.printer.printerFound;
        printer.color = color;
        printer.paperInsteadOf = insteadOf;
        printer.stopped = stopped;
        printer.accepting = accepting;
        printer.stateMessage = stateMessage;
        fixture.app.messages.answers = {MsgResult::OK, MsgResult::Yes};
        fixture.calls.clear();

        QTest::mouseClick(preview->cmdPrint.widget(), Qt::LeftButton);

        const MessageRequest &told = fixture.app.messages.shown.front();
        QCOMPARE(fixture.app.messages.shown.size(), accepting ? 2U : 1U);
        QCOMPARE(fixture.printer.jobs.size(), accepting ? 1U : 0U);
        if (!accepting) {
            QCOMPARE(fixture.calls, (QStringList{"check", "printer", Told}));
            QVERIFY2(told.text.startsWith(note), qPrintable(told.text));
            QCOMPARE(told.icon, MsgIcon::Exclamation);
            return;
        }
        QCOMPARE(fixture.calls, (QStringList{"check", "printer", "quality", "color", Told, Asked,
                                             "page width", "draw", "end", "follow"}));
        QCOMPARE(told.text, note);
        QCOMPARE(told.icon, MsgIcon::Information);
        QCOMPARE(told.buttons, MsgButtons::OK);
    }

    // A preview closed while the note before the question is up asks nothing.
    void closedWhileToldIsNotAsked()
    {
        OutputFixture fixture;
        frmPrint *preview = fixture.openPreview(2);
        QVERIFY(preview);
        fixture.printer.printerFound.color = false;
        fixture.app.messages.whileShown = [preview] { preview->mnuClose.trigger(); };
        fixture.calls.clear();
        QTest::mouseClick(preview->cmdPrint.widget(), Qt::LeftButton);
        QCOMPARE(fixture.calls, (QStringList{"check", "printer", "quality", "color", Told}));
        QVERIFY(fixture.printer.jobs.empty());
    }

    // A job that the printer fails after the printing system took it is
    // told of once it ends; one that prints, or that someone cancels, is not.
    void howTheJobEndsIsTold_data()
    {
        QTest::addColumn<JobOutcome::End>("end");
        QTest::addColumn<QString>("message");
        using End = JobOutcome::End;
        QTest::newRow("printed") << End::Completed << "";
        QTest::newRow("cancelled") << End::Canceled << "";
        QTest::newRow("failed at the printer")
            << End::Aborted
            << "The color was not printed: the printer \"office\" failed the job: Unable to "
               "write print data: Broken pipe.\n\nCheck that the printer is switched on";
        QTest::newRow("the printer stopped with the job")
            << End::QueueStopped
            << "The color was not printed yet: the printer \"office\" stopped: Unable to write "
               "print data: Broken pipe, and the color waits in its queue.\n\nCheck that the "
               "printer is switched on, has paper and is connected, then resume it";
    }

    void howTheJobEndsIsTold()
    {
        QFETCH(JobOutcome::End, end);
        QFETCH(QString, message);
        OutputFixture fixture;
        QTest::mouseClick(fixture.openPreview(2)->cmdPrint.widget(), Qt::LeftButton);
        QVERIFY(fixture.printer.whenFollowedEnds);
        fixture.app.preview()->cmdChangeColor.click(); // the person has moved on
        QVERIFY(fixture.told().isEmpty());
        fixture.printer.whenFollowedEnds(
            {.end = end,
             .printerMessage = QStringLiteral("Unable to write print data: Broken pipe")});
        const QStringList told = fixture.told();
        QCOMPARE(told.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QVERIFY2(told.front().startsWith(message), qPrintable(told.front()));
        }
    }

    // While the printing system is asked the preview's commands that would
    // print again or change the swatch take nothing, the pointer says that
    // the program waits, and Exit still ends the program; all come back after.
    void commandsWaitForThePrinter_data()
    {
        QTest::addColumn<bool>("atHandOver"); // else while the printer is looked for
        QTest::addColumn<bool>("exit");
        QTest::newRow("the check") << false << false;
        QTest::newRow("the hand-over") << true << false;
        QTest::newRow("Esc during the check ends the program") << false << true;
    }

    void commandsWaitForThePrinter()
    {
        QFETCH(bool, atHandOver);
        QFETCH(bool, exit);
        OutputFixture fixture;
        frmPrint *preview = fixture.openPreview(2);
        QVERIFY(preview);
        QStringList enabledWhileWaiting;
        int dialogsWhileWaiting = -1;
        bool busyWhileWaiting = false;
        const auto duringWait = [&] {
            for (Control *c : std::initializer_list<Control *>{
                     &preview->cmdPrint, &preview->mnuPrint, &preview->cmdResize,
                     &preview->mnuPrintSetUp, &preview->cmdChangeColor, &preview->mnuReset,
                     &preview->cmdSave, &preview->cmdClose, &preview->mnuClose}) {
                const bool on = c->widget()
                                    ? c->widget()->isEnabled()
                                    : actionOf(*preview, *static_cast<MenuItem *>(c))->isEnabled();
                if (on) {
                    enabledWhileWaiting << c->Name();
                }
            }
            QTest::mouseClick(preview->cmdSave.widget(), Qt::LeftButton);
            QTest::mouseClick(preview->cmdChangeColor.widget(), Qt::LeftButton);
            preview->mnuPrint.trigger();
            dialogsWhileWaiting = int(fixture.dialogs.records.size());
            const QCursor *pointer = QGuiApplication::overrideCursor();
            busyWhileWaiting = pointer && pointer->shape() == Qt::BusyCursor;
            if (exit) {
                QTest::keyClick(preview, Qt::Key_Escape);
            }
        };
        (atHandOver ? fixture.printer.whileHandingOver : fixture.printer.whileChecking) =
            duringWait;
        QTest::mouseClick(preview->cmdPrint.widget(), Qt::LeftButton);

        QCOMPARE(enabledWhileWaiting, (QStringList{"cmdClose", "mnuClose"}));
        QCOMPARE(dialogsWhileWaiting, 0);
        QVERIFY2(busyWhileWaiting, "the pointer did not say that the program waits");
        QCOMPARE(fixture.app.processEnds, exit ? 1 : 0);
        if (exit) {
            return;
        }
        QVERIFY(preview->isVisible());
        QCOMPARE(fixture.printer.jobs.size(), 1U); // one job, not two
        QVERIFY(preview->cmdPrint.widget()->isEnabled());
        QVERIFY(actionOf(*preview, preview->mnuReset)->isEnabled());
        QVERIFY(preview->cmdSave.widget()->isEnabled());
    }

    void aSecondPrintCarriesTheNewColour()
    {
        OutputFixture fixture;
        QTest::mouseClick(fixture.openPreview(2)->cmdPrint.widget(), Qt::LeftButton);
        fixture.app.preview()->cmdChangeColor.click();
        fixture.app.colors().lstColors.setListIndex(11); // "Orange"
        frmPrint *preview = fixture.openPreview(2);
        // This time from the File menu, by the Print item's letter.
        QVERIFY(ProgramFixture::chooseFromMenu(preview->cmdRefresh.widget(), Qt::Key_F, Qt::Key_P));
        QTRY_COMPARE(fixture.printer.jobs.size(), 2U);
        const QImage page = fixture.printer.jobs.back().front().picture;
        QCOMPARE(page.pixelColor(page.width() - 1, page.height() - 1), QColor(255, 153, 51));
        const auto text = [](const QImage &p) {
            return p.createMaskFromColor(p.pixel(p.width() - 1, p.height() - 1));
        };
        QVERIFY(text(page) != text(fixture.printer.jobs.front().front().picture)); // new amounts
        preview->cmdRefresh.click(); // drawn afresh from the main window
        QCOMPARE(page, preview->picColor.Image());
    }

    void saving_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<QString>("message");

        QTest::newRow("teal.jpg is written as chosen")
            << QStringList{"save /pictures/teal.jpg"} << "teal.jpg"
            << QStringList{"/pictures/teal.jpg"} << "";
        QTest::newRow("a file in the root folder")
            << QStringList{"save /teal"} << "teal" << QStringList{"/teal"} << "";
        QTest::newRow("the first save cancelled keeps the caption")
            << QStringList{"cancel"} << "Preview Color" << QStringList{} << "";
        QTest::newRow("a cancel after a save keeps its name")
            << QStringList{"save /pictures/teal.bmp", "cancel"} << "teal.bmp"
            << QStringList{"/pictures/teal.bmp"} << "";
        QTest::newRow("the name outlives the preview")
            << QStringList{"save /pictures/teal.bmp", "reopen", "cancel"} << "teal.bmp"
            << QStringList{"/pictures/teal.bmp"} << "";
        QTest::newRow("a failed write keeps name and caption")
            << QStringList{"save /pictures/teal.bmp", "unwritable /locked/blue.bmp"} << "teal.bmp"
            << QStringList{"/pictures/teal.bmp"}
            << "The color was not saved to \"/locked/blue.bmp\": Permission denied.\n\n";
        QTest::newRow("a failing dialog keeps name and caption")
            << QStringList{"save /pictures/teal.bmp", "dialog fails"} << "teal.bmp"
            << QStringList{"/pictures/teal.bmp"}
            << "The color was not saved: the file dialog failed with error -2147204042 in "
               "tintwell.CFileOpenSaveDialog, CFileOpenSaveDialog component failure.\n\n";
    }

    void saving()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, caption);
        QFETCH(QStringList, written);
        QFETCH(QString, message);
        OutputFixture fixture;
        QVERIFY(fixture.openPreview(2));
        int dialogsShown = 0;
        for (const QString &step : steps) {
            if (step == QStringLiteral("reopen")) {
                fixture.app.preview()->mnuClose.trigger();
                QVERIFY(fixture.openPreview(2));
                QCOMPARE(fixture.app.preview()->windowTitle(), QStringLiteral("Preview Color"));
                continue;
            }
            const QString path = step.section(QLatin1Char(' '), -1);
            using Answer = FakeDialogCalls::Answer;
            if (step.startsWith(QStringLiteral("cancel"))) {
                fixture.dialogs.answers.push_back({Answer::Cancel, {}});
            } else if (step.startsWith(QStringLiteral("dialog fails"))) {
                fixture.dialogs.answers.push_back({Answer::Fail, {}});
            } else {
                fixture.dialogs.answers.push_back({Answer::Choose, path.toStdString()});
            }
            fixture.files.failure = step.startsWith(QStringLiteral("unwritable"))
                                        ? QStringLiteral("Permission denied")
                                        : QString();
            QTest::mouseClick(fixture.app.preview()->cmdSave.widget(), Qt::LeftButton);
            ++dialogsShown;
        }
        frmPrint &preview = *fixture.app.preview();
        QCOMPARE(preview.windowTitle(), caption);
        QCOMPARE(CurrentFileName, caption == QStringLiteral("Preview Color") ? QString() : caption);

        QStringList paths;
        for (const FakePictureFileWriter::File &file : fixture.files.written) {
            paths.append(file.path);
            QCOMPARE(file.picture, preview.picColor.Image());
        }
        QCOMPARE(paths, written);

        const QStringList told = fixture.told();
        QCOMPARE(told.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QVERIFY2(told.front().startsWith(message), qPrintable(told.front()));
        }

        // Every save shows a new dialog with the same five settings, so it
        // starts with no name even after an earlier save.
        QCOMPARE(int(fixture.dialogs.records.size()), dialogsShown);
        for (const OPENFILENAME &record : fixture.dialogs.records) {
            QCOMPARE(record.lpstrTitle, std::string("Select File To Save To ..."));
            QCOMPARE(record.lpstrFilter,
                     "Bitmap (*.bmp)\0*.bmp\0JPEG (*.jpg)\0*.jpg\0GIF (*.gif)\0*.gif\0\0"s);
            QCOMPARE(record.Flags, 0x80006U);
            QVERIFY(record.hwndOwner > 0);
            QCOMPARE(record.nFilterIndex, 1U);
            QCOMPARE(record.lpstrDefExt, std::string());
            QCOMPARE(record.lpstrInitialDir, std::string());
            QCOMPARE(record.lpstrFile.front(), '\0');
        }
        QCOMPARE(fixture.dialogs.records.back().hwndOwner, fixture.windows.handleOf(&preview));
    }
};

QTEST_MAIN(SwatchOutputTest)
#include "test_swatchoutput.moc"
