// Tintwell - the preview's two ways out for the swatch: Print, on one page of
// the default printer, centred across the page near its top; and the save
// button, a bitmap file under a name the person picks in the save dialog.
#include "preview/SwatchCommands.h"
#include "filedialog/clsOpenSaveDialog.h"
#include "layout/modResize.h"
#include "platform/RaisedError.h"
#include "platform/services/MessageBoxService.h"
#include "platform/services/PictureFileWriter.h"
#include "platform/services/PrinterService.h"
#include "platform/win32/PathSeparator.h"
#include "platform/win32/QtWindowCalls.h"
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

// What the person should know before saying yes: a page that will not be
// quite what they expect. Empty when there is nothing to say.
QString beforeAsking(const DefaultPrinter &printer)
{
    QStringList notes;
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

// The busy pointer while the command waits for the printing system; the
// windows still answer meanwhile.
class BusyPointer
{
  public:
    BusyPointer() { QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor)); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    Q_DISABLE_COPY_MOVE(BusyPointer)
};

OutputResult checked(PrinterService &printer)
{
    const BusyPointer waiting;
    return printer.checkDefaultPrinter();
}

OutputResult handedOver(PrinterService &printer)
{
    const BusyPointer waiting;
    return printer.endDocument();
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
    PrinterService &printer = *opened.printer;
    const PrinterService::Claim claim(printer);
    if (!claim) {
        return; // a print still waits for the printing system
    }
    const QPointer<frmPrint> open(&preview);
    if (const OutputResult found = checked(printer); !found.ok()) {
        tellNotPrinted(found.reason(), QString::fromLatin1(NoPrinterAdvice));
        return;
    }
    if (!open) {
        return; // the preview was closed while the printer was looked for
    }
    const float y = 1000 * YFactor;
    const QSizeF swatch(preview.picColor.Width(), preview.picColor.Height());
    const DefaultPrinter found = printer.defaultPrinter();
    if (const QString why = doesNotFit(swatch, y, found.paper); !why.isEmpty()) {
        tellNotPrinted(why, QString::fromLatin1(SmallerAdvice));
        return;
    }
    printer.setHighQuality();
    printer.setColorOutput();
    const QImage picture = preview.picColor.Image();
    if (const QString note = beforeAsking(found); !note.isEmpty()) {
        messages_.show({note, QStringLiteral("Tintwell"), MsgIcon::Information, MsgButtons::OK});
        if (!open) {
            return;
        }
    }
    const MsgResult answer =
        messages_.show({QStringLiteral("Do You Want To Print This Color"),
                        QStringLiteral("PRINT NOW?"), MsgIcon::None, MsgButtons::YesNo});
    if (answer != MsgResult::Yes || !open) {
        return;
    }
    const auto swatchWidth = static_cast<float>(preview.picColor.Width());
    const float x = (static_cast<float>(printer.pageWidthTwips()) - swatchWidth) / 2;
    OutputResult printed = printer.drawPicture(picture, QPointF(x, y));
    if (printed.ok()) {
        printed = handedOver(printer);
    }
    if (!printed.ok()) {
        tellNotPrinted(printed.reason(), QString::fromLatin1(JobAdvice));
    }
}

void SwatchCommands::tellNotPrinted(const QString &reason, const QString &whatToDo)
{
    messages_.show(
        {QStringLiteral("The color was not printed: %1.\n\n%2").arg(clause(reason), whatToDo),
         QStringLiteral("Tintwell"), MsgIcon::Exclamation, MsgButtons::OK});
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
    messages_.show({QStringLiteral("%1: %2.\n\n%3").arg(what, clause(reason), whatToDo),
                    QStringLiteral("Tintwell"), MsgIcon::Exclamation, MsgButtons::OK});
}
