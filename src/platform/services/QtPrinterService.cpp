// Tintwell - the default printer, through CUPS.
#include "platform/services/QtPrinterService.h"
#include "platform/services/BackgroundCall.h"
#include "platform/services/PrinterModule.h"
#include "platform/services/ScreenMetrics.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cups/cups.h>
#include <memory>
#include <type_traits>

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double TwipsPerMm = TwipsPerInch / 25.4;
// The PDF's own unit: fine enough that no edge of the swatch moves.
constexpr int PageDotsPerInch = 1200;

QPageLayout layoutOf(const CupsPaper &paper)
{
    const QPageSize size(paper.size, QPageSize::Millimeter, QString::fromLatin1(paper.media),
                         QPageSize::ExactMatch);
    return {size, paper.landscape ? QPageLayout::Landscape : QPageLayout::Portrait, paper.margins,
            QPageLayout::Millimeter};
}

QSizeF printableTwips(const CupsPaper &paper)
{
    const QSizeF turned = paper.landscape ? paper.size.transposed() : paper.size;
    const QMarginsF &m = paper.margins;
    return QSizeF(turned.width() - m.left() - m.right(), turned.height() - m.top() - m.bottom()) *
           TwipsPerMm;
}

OutputResult interrupted()
{
    return OutputResult::failure(QStringLiteral("the print was interrupted"));
}

} // namespace

OutputResult QtPrinterService::notFoundInTime() const
{
    return OutputResult::failure(
        QStringLiteral("the printing system (CUPS) did not find the default printer within %1 "
                       "seconds")
            .arg(static_cast<double>(checkLimit_.count()) / 1000));
}

QtPrinterService::QtPrinterService(const ScreenMetrics &screen, std::chrono::milliseconds patience,
                                   std::chrono::milliseconds checkLimit)
    : screen_(screen), patience_(patience), checkLimit_(checkLimit)
{
}

QtPrinterService::~QtPrinterService()
{
    closeJob();
}

OutputResult QtPrinterService::checkDefaultPrinter()
{
    // The default, its paper and its options may have changed since the last
    // print: each print asks again. The limit holds for the whole check,
    // however many questions a printer found on the network needs.
    destination_.reset();
    const QDeadlineTimer limit(checkLimit_);
    const std::optional<CupsLookup> found = runInBackground<CupsLookup>(
        [patience = patience_] { return lookUpDefaultDestination(patience); }, limit);
    if (!found) {
        return limit.hasExpired() ? notFoundInTime() : interrupted();
    }
    if (!found->destination) {
        return OutputResult::failure(found->failure);
    }
    destination_ = found->destination;
    return OutputResult::success();
}

DefaultPrinter QtPrinterService::defaultPrinter()
{
    if (!destination_) {
        return {};
    }
    const CupsPaper &paper = destination_->paper;
    return {QString::fromUtf8(destination_->name),
            {paper.label, paper.metric, printableTwips(paper)},
            destination_->color,
            paper.insteadOf};
}

void QtPrinterService::setHighQuality()
{
    highQuality_ = true;
}

void QtPrinterService::setColorOutput()
{
    colorOutput_ = true;
}

double QtPrinterService::pageWidthTwips()
{
    return defaultPrinter().paper.printableTwips.width();
}

OutputResult QtPrinterService::drawPicture(const QImage &picture, QPointF topLeftTwips)
{
    if (!painter_) {
        if (OutputResult begun = beginJob(); !begun.ok()) {
            return begun;
        }
    }
    // Natural size: the picture's screen pixels as twips, then as the page's dots.
    constexpr double dotsPerTwip = PageDotsPerInch / TwipsPerInch;
    const QRectF area(topLeftTwips.x() * dotsPerTwip, topLeftTwips.y() * dotsPerTwip,
                      screen_.toTwipsX(picture.width()) * dotsPerTwip,
                      screen_.toTwipsY(picture.height()) * dotsPerTwip);
    painter_->drawImage(area, picture);
    return OutputResult::success();
}

OutputResult QtPrinterService::beginJob()
{
    if (!destination_) {
        return OutputResult::failure(QStringLiteral("no default printer has been found"));
    }
    jobFolder_ = std::make_unique<QTemporaryDir>();
    if (!jobFolder_->isValid()) {
        const QString why = jobFolder_->errorString();
        closeJob();
        return OutputResult::failure(
            QStringLiteral("no room for the print job in the temporary folder: %1").arg(why));
    }
    page_ = std::make_unique<QPdfWriter>(jobFolder_->filePath(QStringLiteral("job.pdf")));
    page_->setResolution(PageDotsPerInch);
    page_->setCreator(QStringLiteral("Tintwell"));
    page_->setTitle(QStringLiteral("Tintwell"));
    page_->setPageLayout(layoutOf(destination_->paper));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(page_.get())) {
        closeJob();
        return OutputResult::failure(QStringLiteral("the printer could not start a page"));
    }
    // Qt's PDF output stores pictures as JPEG otherwise, which shifts the
    // colour that is to be matched.
    painter_->setRenderHint(QPainter::LosslessImageRendering);
    return OutputResult::success();
}

CupsOptions QtPrinterService::jobSettings() const
{
    // The job states the paper the page was laid out on, and that nothing
    // may fit the page to another.
    CupsOptions settings = destination_->paper.jobOptions;
    settings << CupsOption("print-scaling", "none") << CupsOption("fit-to-page", "false");
    if (highQuality_) {
        settings.append(CupsOption(CUPS_PRINT_QUALITY, CUPS_PRINT_QUALITY_HIGH));
        if (!destination_->bestResolution.isEmpty()) {
            settings.append(CupsOption("printer-resolution", destination_->bestResolution));
        }
    }
    if (colorOutput_) {
        settings.append(CupsOption(CUPS_PRINT_COLOR_MODE, destination_->color
                                                              ? CUPS_PRINT_COLOR_MODE_COLOR
                                                              : CUPS_PRINT_COLOR_MODE_MONOCHROME));
    }
    return settings;
}

OutputResult QtPrinterService::endDocument()
{
    if (!painter_) {
        return OutputResult::failure(QStringLiteral("nothing was drawn to print"));
    }
    const QString pdf = jobFolder_->filePath(QStringLiteral("job.pdf"));
    const bool ended = painter_->end();
    page_.reset(); // writes the file's end
    if (!ended || QFileInfo(pdf).size() == 0) {
        closeJob();
        return OutputResult::failure(QStringLiteral("the page could not be finished"));
    }
    const std::optional<OutputResult> sent = runInBackground<OutputResult>(
        [target = *destination_, settings = jobSettings(), pdf, patience = patience_] {
            return sendCupsJob(target, settings, pdf, patience);
        });
    // A hand-over left behind by the program's end has the file open
    // already, or finds it gone and sends nothing.
    closeJob();
    return sent ? *sent : interrupted();
}

void QtPrinterService::closeJob()
{
    if (painter_ && painter_->isActive()) {
        painter_->end();
    }
    painter_.reset();
    page_.reset();
    jobFolder_.reset();
}

// The library's entry point for PrinterLibrary, which takes ownership.
extern "C" Q_DECL_EXPORT PrinterService *tintwellCreatePrinterService(const ScreenMetrics &screen)
{
    return std::make_unique<QtPrinterService>(screen).release();
}
static_assert(std::is_same_v<decltype(&tintwellCreatePrinterService), CreatePrinterService>);
