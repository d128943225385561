// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the preview's two ways out for the swatch: Print, on one page of
// the default printer, centred across the page near its top; and the save
// button, a bitmap file under a name the person picks in the save dialog.
#include "preview/SwatchCommands.h"
#include "filedialog/clsOpenSaveDialog.h"
#include "layout/modResize.h"
#include "platform/core/RaisedError.h"
#include "platform/services/MessageBoxService.h"
#include "platform/services/PictureFileWriter.h"
#include "platform/services/PrinterService.h"
#include "platform/win32/PathSeparator.h"
#include "platform/win32/WindowCalls.h"
#include "preview/frmPrint.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPointer>

QString CurrentFileName;

namespace {

const char *const NoPrinterAdvice =
    "Make sure that the printing system is running and that the default printer is switched on "
    "and can be reached (lpstat -e lists the printers it reaches), or make another printer the "
    "default (lpoptions -d NAME, or the desktop's printer settings); then print the color "
    "again.";
const char *const JobAdvice =
    "Check that the default printer is switched on and accepts jobs, then print the color again.";
const char *const SmallerAdvice =
    "Choose a smaller size with Change Size, then print the color again.";
const char *const WriteAdvice = "Choose another folder or name, then save the color again.";
const char *const DialogAdvice = "Save the color again; the file dialog may work the next time.";

// Lengths in the paper's own units: millimetres for metric paper
// ("iso_a4_210x297mm"), inches for the rest.
QString length(double twips, bool metric)
{
    return metric ? QString::number(twips / 1440 * 25.4, 'f', 0)
                  : QString::number(twips / 1440, 'f', 2);
}

QString unit(bool metric)
{
    return metric ? QStringLiteral("mm") : QStringLiteral("in");
}

QString size(QSizeF twips, bool metric)
{
    return QStringLiteral("%1 x %2 %3")
        .arg(length(twips.width(), metric), length(twips.height(), metric), unit(metric));
}

// Why the swatch, top at `top`, cannot go on the paper whole; empty when it
// can. A clipped swatch would be the wrong colour sample to take along.
QString doesNotFit(QSizeF swatch, double top, const PrinterPaper &paper)
{
    const QSizeF printable = paper.printableTwips;
    if (swatch.width() <= printable.width() && top + swatch.height() <= printable.height()) {
        return {};
    }
    const bool metric = paper.metric;
    return QStringLiteral("a swatch of %1, %2 %3 below the top of the page's printable area, "
                          "does not fit on the paper \"%4\", whose printable area is %5")
        .arg(size(swatch, metric), length(top, metric), unit(metric), paper.name,
             size(printable, metric));
}

const char *const RefusingAdvice =
    "Make another printer the default (lpoptions -d NAME, or the desktop's printer settings), "
    "or ask whoever looks after this printer to let it accept jobs again; then print the color "
    "again.";
const char *const FailedAdvice =
    "Check that the printer is switched on, has paper and is connected, then print the color "
    "again.";

// CUPS's own words, where it gave any, as a quotation.
QString quoted(const QString &words)
{
    return words.isEmpty() ? QString() : QStringLiteral(": \"%1\"").arg(words);
}

// What the person should know before saying yes: a page that will not be
// quite what they expect, or not yet. Empty when there is nothing to say.
QString beforeAsking(const DefaultPrinter &printer)
{
    QStringList notes;
    if (printer.stopped) {
        notes << QStringLiteral("The printer \"%1\" is paused%2. The color will be printed when "
                                "the printer is resumed (in the desktop's printer settings, or "
                                "with cupsenable %1).")
                     .arg(printer.name, quoted(printer.stateMessage));
    }
    if (!printer.paperInsteadOf.isEmpty()) {
        notes << QStringLiteral("The printer \"%1\" has no paper \"%2\": the color will be "
                                "printed on \"%3\".")
                     .arg(printer.name, printer.paperInsteadOf, printer.paper.name);
    }
    if (!printer.color) {
        notes << QStringLiteral("The printer \"%1\" prints in shades of grey, so the swatch "
                                "will not show its color, but its red, green and blue amounts "
                                "will print.")
                     .arg(printer.name);
    }
    return notes.join(QStringLiteral("\n\n"));
}

// How a job that the printing system took ended, where the person must
// know: nothing for one that printed or that someone cancelled.
MessageRequest jobEnded(const QString &printer, const JobOutcome &outcome)
{
    const QString said = outcome.printerMessage.isEmpty()
                             ? QString()
                             : QStringLiteral(": %1").arg(outcome.printerMessage);
    const QString text =
        outcome.end == JobOutcome::End::Aborted
            ? QStringLiteral(
                  "The color was not printed: the printer \"%1\" failed the job%2.\n\n%3")
                  .arg(printer, said, QString::fromLatin1(FailedAdvice))
            : QStringLiteral("The color was not printed yet: the printer \"%1\" stopped%2, and "
                             "the color waits in its queue.\n\nCheck that the printer is switched "
                             "on, has paper and is connected, then resume it (in the desktop's "
                             "printer settings, or with cupsenable %1): the color will then be "
                             "printed.")
                  .arg(printer, said);
    return {.text = text,
            .title = QStringLiteral("Tintwell"),
            .icon = MsgIcon::Exclamation,
            .buttons = MsgButtons::OK};
}

// While the command waits for the printing system: the busy pointer, and
// the preview's commands that would start another print or change the
// swatch stand still; the windows still answer meanwhile.
class WaitingForPrinter
{
  public:
    explicit WaitingForPrinter(frmPrint &preview) : preview_(&preview)
    {
        QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
        preview.setWaitingForPrinter(true);
    }
    ~WaitingForPrinter()
    {
        QGuiApplication::restoreOverrideCursor();
        if (preview_) {
            preview_->setWaitingForPrinter(false);
        }
    }
    Q_DISABLE_COPY_MOVE(WaitingForPrinter)

  private:
    QPointer<frmPrint> preview_;
};

// A preview that was closed or put away while the command waited or asked:
// the print it started is over. (A closed one goes only later.)
bool stillOpen(const QPointer<frmPrint> &preview)
{
    return preview && preview->isVisible();
}

CheckedPrinter checked(PrinterService &printer, frmPrint &preview)
{
    const WaitingForPrinter waiting(preview);
    return printer.checkDefaultPrinter();
}

OutputResult handedOver(PrintJob &job, frmPrint &preview)
{
    const WaitingForPrinter waiting(preview);
    return job.endDocument();
}

} // namespace

void SwatchCommands::PrintColor(frmPrint &preview)
{
    // Asked before anything else: "print now?" when nothing can print would
    // promise a page that never comes.
    const OpenedPrinter opened = services_.printer.openPrinter();
    if (!opened.printer) {
        tellNotPrinted(opened.failure, QString::fromLatin1(NoPrinterAdvice));
        return;
    }
    const QPointer<frmPrint> open(&preview);
    // The job, from here to its hand-over: the printer and paper its page is
    // laid out on are this print's own, whatever another print finds.
    const CheckedPrinter found = checked(*opened.printer, preview);
    if (!found.job) {
        tellNotPrinted(found.failure, QString::fromLatin1(NoPrinterAdvice));
        return;
    }
    if (!stillOpen(open)) {
        return; // the preview was closed while the printer was looked for
    }
    PrintJob &job = *found.job;
    const DefaultPrinter &printer = job.printer();
    if (!printer.accepting) {
        tellNotPrinted(QStringLiteral("the printer \"%1\" does not accept jobs%2")
                           .arg(printer.name, quoted(printer.stateMessage)),
                       QString::fromLatin1(RefusingAdvice));
        return;
    }
    const float y = 1000 * YFactor;
    const QSizeF swatch(preview.picColor.Width(), preview.picColor.Height());
    if (const QString why = doesNotFit(swatch, y, printer.paper); !why.isEmpty()) {
        tellNotPrinted(why, QString::fromLatin1(SmallerAdvice));
        return;
    }
    job.setHighQuality();
    job.setColorOutput();
    const QImage picture = preview.picColor.Image();
    if (const QString note = beforeAsking(printer); !note.isEmpty()) {
        messages_.show({.text = note,
                        .title = QStringLiteral("Tintwell"),
                        .icon = MsgIcon::Information,
                        .buttons = MsgButtons::OK});
        if (!stillOpen(open)) {
            return;
        }
    }
    const MsgResult answer =
        messages_.show({.text = QStringLiteral("Do You Want To Print This Color"),
                        .title = QStringLiteral("PRINT NOW?"),
                        .icon = MsgIcon::None,
                        .buttons = MsgButtons::YesNo});
    if (answer != MsgResult::Yes || !stillOpen(open)) {
        return;
    }
    const auto swatchWidth = static_cast<float>(preview.picColor.Width());
    const float x = (static_cast<float>(job.pageWidthTwips()) - swatchWidth) / 2;
    OutputResult printed = job.drawPicture(picture, QPointF(x, y));
    if (printed.ok()) {
        printed = handedOver(job, preview);
    }
    if (!printed.ok()) {
        tellNotPrinted(printed.reason(), printed.whatToDo().isEmpty()
                                             ? QString::fromLatin1(JobAdvice)
                                             : printed.whatToDo());
        return;
    }
    job.follow([&messages = messages_, name = printer.name](const JobOutcome &outcome) {
        if (outcome.end == JobOutcome::End::Aborted ||
            outcome.end == JobOutcome::End::QueueStopped) {
            messages.show(jobEnded(name, outcome));
        }
    });
}

void SwatchCommands::tellNotPrinted(const QString &reason, const QString &whatToDo)
{
    messages_.show(
        {.text =
             QStringLiteral("The color was not printed: %1.\n\n%2").arg(clause(reason), whatToDo),
         .title = QStringLiteral("Tintwell"),
         .icon = MsgIcon::Exclamation,
         .buttons = MsgButtons::OK});
}

QString SwatchCommands::clause(QString reason)
{
    while (reason.endsWith(QLatin1Char('.'))) {
        reason.chop(1);
    }
    return reason;
}

void SwatchCommands::SaveColor(frmPrint &preview)
{
    const QString previous = CurrentFileName;
    CurrentFileName.clear();
    if (!Save_Dialog(preview)) {
        // Nothing was saved: the name and the caption stay as they were.
        CurrentFileName = previous;
        return;
    }
    if (CurrentFileName.isEmpty()) {
        CurrentFileName = previous;
    }
    // Until the first file of the run is saved the caption keeps its own
    // text rather than going blank.
    if (!CurrentFileName.isEmpty()) {
        preview.setCaption(CurrentFileName);
    }
}

bool SwatchCommands::Save_Dialog(frmPrint &preview)
{
    try {
        clsOpenSaveDialog dialog(services_.dialogs, services_.windows, services_.exeName);
        dialog.setDialogTitle(QStringLiteral("Select File To Save To ..."));
        dialog.setFilter(
            QStringLiteral("Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|GIF (*.gif)|*.gif"));
        dialog.setFlags(OFN_EXPLORER | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
        dialog.setHWndOwner(services_.windows.handleOf(&preview));
        dialog.setMaxFileSize(255);
        if (dialog.Show(clsOpenSaveDialog::DialogTypeSave)) {
            const QString path = dialog.FileName();
            const OutputResult written =
                services_.files.writeBitmap(preview.picColor.Image(), path);
            if (!written.ok()) {
                tellNotSaved(QStringLiteral("The color was not saved to \"%1\"")
                                 .arg(QDir::toNativeSeparators(path)),
                             written.reason(), QString::fromLatin1(WriteAdvice));
                return false;
            }
        }
        if (!dialog.FileName().isEmpty()) {
            CurrentFileName = dialog.FileName();
        }
    } catch (const RaisedError &error) {
        const ErrorRecord &record = error.record();
        tellNotSaved(QStringLiteral("The color was not saved"),
                     QStringLiteral("the file dialog failed with error %1 in %2, %3")
                         .arg(record.number)
                         .arg(record.source, record.description),
                     QString::fromLatin1(DialogAdvice));
        return false;
    }
    if (!CurrentFileName.isEmpty()) {
        preview.setCaption(StripPath());
    }
    return true;
}

QString SwatchCommands::StripPath()
{
    CurrentFileName =
        CurrentFileName.mid(CurrentFileName.lastIndexOf(QLatin1Char(PathSeparator)) + 1);
    return CurrentFileName;
}

void SwatchCommands::tellNotSaved(const QString &what, const QString &reason,
                                  const QString &whatToDo)
{
    messages_.show({.text = QStringLiteral("%1: %2.\n\n%3").arg(what, clause(reason), whatToDo),
                    .title = QStringLiteral("Tintwell"),
                    .icon = MsgIcon::Exclamation,
                    .buttons = MsgButtons::OK});
}
