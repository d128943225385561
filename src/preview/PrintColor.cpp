// Tintwell - the preview's Print command: the swatch on one page of the
// default printer, centred across the page near its top.
#include "layout/modResize.h"
#include "platform/services/MessageBoxService.h"
#include "platform/services/PrinterService.h"
#include "preview/SwatchCommands.h"
#include "preview/frmPrint.h"

#include <QImage>

namespace {

const char *const NoPrinterAdvice =
    "Make sure that the printing system is running and that a printer is set as the "
    "default printer, then print the color again.";
const char *const JobAdvice =
    "Check that the default printer is switched on and accepts jobs, then print the color again.";

} // namespace

void SwatchCommands::PrintColor(frmPrint &preview)
{
    PrinterService &printer = services_.printer;
    // Asked before anything else: "print now?" when nothing can print would
    // promise a page that never comes, and without a default Qt would
    // quietly pick another printer.
    if (const OutputResult found = printer.checkDefaultPrinter(); !found.ok()) {
        tellNotPrinted(found.reason(), QString::fromLatin1(NoPrinterAdvice));
        return;
    }
    printer.setHighQuality();
    printer.setColorOutput();
    const QImage picture = preview.picColor.Image();
    const MsgResult answer =
        messages_.show({QStringLiteral("Do You Want To Print This Color"),
                        QStringLiteral("PRINT NOW?"), MsgIcon::None, MsgButtons::YesNo});
    if (answer != MsgResult::Yes) {
        return;
    }
    const auto swatchWidth = static_cast<float>(preview.picColor.Width());
    const float x = (static_cast<float>(printer.pageWidthTwips()) - swatchWidth) / 2;
    const float y = 1000 * YFactor;
    OutputResult printed = printer.drawPicture(picture, QPointF(x, y));
    if (printed.ok()) {
        printed = printer.endDocument();
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
