// Tintwell - the default printer, through Qt and CUPS.
#include "platform/services/QtPrinterService.h"
#include "platform/services/PrinterModule.h"
#include "platform/services/ScreenMetrics.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cups/cups.h>
#include <memory>
#include <type_traits>

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr auto JobTitle = "Tintwell";

QString lastCupsError()
{
    return QString::fromUtf8(cupsLastErrorString());
}

// A CUPS destination may be named "queue/instance"; jobs go to the queue.
QByteArray queueName(const QString &printerName)
{
    return printerName.section(QLatin1Char('/'), 0, 0).toUtf8();
}

void useHighestResolution(QPrinter &printer)
{
    const QList<int> resolutions = printer.supportedResolutions();
    if (!resolutions.isEmpty()) {
        printer.setResolution(*std::max_element(resolutions.begin(), resolutions.end()));
    }
}

} // namespace

QtPrinterService::QtPrinterService(const ScreenMetrics &screen) : screen_(screen) {}

QtPrinterService::~QtPrinterService()
{
    closeJob();
}

OutputResult QtPrinterService::checkDefaultPrinter()
{
    // Without a default Qt quietly takes another printer, or a PDF printer
    // that writes nowhere: ask first.
    if (!QPrinterInfo::defaultPrinter().isNull()) {
        return OutputResult::success();
    }
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    const ipp_status_t status = cupsLastError();
    cupsFreeDests(count, dests);
    // CUPS's own words here are those of a socket ("Bad file descriptor").
    if (count == 0 && status > IPP_STATUS_OK_EVENTS_COMPLETE) {
        return OutputResult::failure(
            QStringLiteral("the printing system (CUPS) is not running or cannot be reached"));
    }
    return OutputResult::failure(QStringLiteral("no printer is set as the default printer"));
}

QPrinter &QtPrinterService::printer()
{
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    // The default may have changed since the last print; jobs follow it.
    const QString current = QPrinterInfo::defaultPrinter().printerName();
    if (!painter_ && !current.isEmpty() && printer_->printerName() != current) {
        printer_->setPrinterName(current);
        if (highQuality_) {
            useHighestResolution(*printer_);
        }
        if (colorOutput_) {
            printer_->setColorMode(QPrinter::Color);
        }
    }
    return *printer_;
}

void QtPrinterService::setHighQuality()
{
    highQuality_ = true;
    useHighestResolution(printer());
}

void QtPrinterService::setColorOutput()
{
    colorOutput_ = true;
    printer().setColorMode(QPrinter::Color);
}

double QtPrinterService::pageWidthTwips()
{
    return printer().pageLayout().paintRect(QPageLayout::Inch).width() * TwipsPerInch;
}

OutputResult QtPrinterService::drawPicture(const QImage &picture, QPointF topLeftTwips)
{
    if (!painter_) {
        if (OutputResult begun = beginJob(); !begun.ok()) {
            return begun;
        }
    }
    const QPrinter &target = *printer_;
    // Natural size: the picture's screen pixels as twips, then as printer dots.
    const double dotsPerTwipX = target.logicalDpiX() / TwipsPerInch;
    const double dotsPerTwipY = target.logicalDpiY() / TwipsPerInch;
    const QRectF area(topLeftTwips.x() * dotsPerTwipX, topLeftTwips.y() * dotsPerTwipY,
                      screen_.toTwipsX(picture.width()) * dotsPerTwipX,
                      screen_.toTwipsY(picture.height()) * dotsPerTwipY);
    painter_->drawImage(area, picture);
    return OutputResult::success();
}

OutputResult QtPrinterService::beginJob()
{
    QPrinter &target = printer();
    jobFolder_ = std::make_unique<QTemporaryDir>();
    if (!jobFolder_->isValid()) {
        const QString why = jobFolder_->errorString();
        closeJob();
        return OutputResult::failure(
            QStringLiteral("no room for the print job in the temporary folder: %1").arg(why));
    }
    // A file name without ".pdf" keeps Qt's CUPS printer, with the default
    // printer's page, but has it write the page here instead of sending it.
    target.setOutputFileName(jobFolder_->filePath(QStringLiteral("job.prn")));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&target)) {
        closeJob();
        return OutputResult::failure(QStringLiteral("the printer could not start a page"));
    }
    // Qt's PDF output stores pictures as JPEG otherwise, which shifts the
    // colour that is to be matched.
    painter_->setRenderHint(QPainter::LosslessImageRendering);
    return OutputResult::success();
}

OutputResult QtPrinterService::endDocument()
{
    if (!painter_) {
        return OutputResult::failure(QStringLiteral("nothing was drawn to print"));
    }
    const QString pdf = printer_->outputFileName();
    const bool ended = painter_->end();
    OutputResult result = OutputResult::failure(QStringLiteral("the page could not be finished"));
    if (ended && QFileInfo(pdf).size() > 0) {
        result = submitJob(pdf);
    }
    closeJob();
    return result;
}

OutputResult QtPrinterService::submitJob(const QString &pdfPath)
{
    cups_option_t *options = nullptr;
    int count = 0;
    if (highQuality_) {
        count = cupsAddOption("print-quality", "5", count, &options); // IPP's "high"
    }
    if (colorOutput_) {
        count = cupsAddOption("print-color-mode", "color", count, &options);
    }
    const int job =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, queueName(printer_->printerName()).constData(),
                       pdfPath.toLocal8Bit().constData(), JobTitle, count, options);
    const QString why = lastCupsError();
    cupsFreeOptions(count, options);
    if (job == 0) {
        return OutputResult::failure(QStringLiteral("the printer \"%1\" did not take the job: %2")
                                         .arg(printer_->printerName(), why));
    }
    return OutputResult::success();
}

void QtPrinterService::closeJob()
{
    if (painter_ && painter_->isActive()) {
        painter_->end();
    }
    painter_.reset();
    if (printer_) {
        printer_->setOutputFileName(QString());
    }
    jobFolder_.reset();
}

// The library's entry point for LazyPrinterService, which takes ownership.
extern "C" Q_DECL_EXPORT PrinterService *tintwellCreatePrinterService(const ScreenMetrics &screen)
{
    return std::make_unique<QtPrinterService>(screen).release();
}
static_assert(std::is_same_v<decltype(&tintwellCreatePrinterService), CreatePrinterService>);
