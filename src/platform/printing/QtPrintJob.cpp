// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - one print on the default printer, through CUPS.
#include "platform/printing/QtPrintJob.h"

#include "platform/printing/BackgroundCall.h"
#include "platform/printing/CupsJobFollower.h"
#include "platform/services/PasswordPrompt.h"
#include "platform/services/ScreenMetrics.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cups/cups.h>

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

DefaultPrinter describedFor(const CupsDestination &destination)
{
    const CupsPaper &paper = destination.paper;
    return {
        .name = QString::fromUtf8(destination.name),
        .paper = {.name = paper.label,
                  .metric = paper.metric,
                  .printableTwips = printableTwips(paper)},
        .color = destination.color,
        .paperInsteadOf = paper.insteadOf,
        .accepting = destination.accepting,
        .stopped = destination.stopped,
        .stateMessage = destination.stateMessage,
    };
}

} // namespace

QString QtPrintJob::interrupted()
{
    return QStringLiteral("the print was interrupted");
}

double QtPrintJob::seconds(std::chrono::milliseconds time)
{
    return static_cast<double>(time.count()) / 1000;
}

QtPrintJob::QtPrintJob(CupsDestination destination, Context context)
    : destination_(std::move(destination)), printer_(describedFor(destination_)), context_(context)
{
}

QtPrintJob::~QtPrintJob()
{
    closePage();
}

double QtPrintJob::pageWidthTwips() const
{
    return printer_.paper.printableTwips.width();
}

OutputResult QtPrintJob::drawPicture(const QImage &picture, QPointF topLeftTwips)
{
    if (!painter_) {
        if (OutputResult begun = beginPage(); !begun.ok()) {
            return begun;
        }
    }
    // Natural size: the picture's screen pixels as twips, then as the page's dots.
    constexpr double dotsPerTwip = PageDotsPerInch / TwipsPerInch;
    const ScreenMetrics &screen = context_.screen;
    const QRectF area(topLeftTwips.x() * dotsPerTwip, topLeftTwips.y() * dotsPerTwip,
                      screen.toTwipsX(picture.width()) * dotsPerTwip,
                      screen.toTwipsY(picture.height()) * dotsPerTwip);
    painter_->drawImage(area, picture);
    return OutputResult::success();
}

OutputResult QtPrintJob::beginPage()
{
    folder_ = std::make_unique<QTemporaryDir>();
    if (!folder_->isValid()) {
        const QString why = folder_->errorString();
        closePage();
        return OutputResult::failure(
            QStringLiteral("no room for the print job in the temporary folder: %1").arg(why));
    }
    page_ = std::make_unique<QPdfWriter>(folder_->filePath(QStringLiteral("job.pdf")));
    page_->setResolution(PageDotsPerInch);
    page_->setCreator(QStringLiteral("Tintwell"));
    page_->setTitle(QStringLiteral("Tintwell"));
    page_->setPageLayout(layoutOf(destination_.paper));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(page_.get())) {
        closePage();
        return OutputResult::failure(QStringLiteral("the printer could not start a page"));
    }
    // Qt's PDF output stores pictures as JPEG otherwise, which shifts the
    // colour that is to be matched.
    painter_->setRenderHint(QPainter::LosslessImageRendering);
    return OutputResult::success();
}

CupsOptions QtPrintJob::jobSettings() const
{
    // The job states the paper the page was laid out on, and that nothing
    // may fit the page to another.
    CupsOptions settings = destination_.paper.jobOptions;
    settings << CupsOption("print-scaling", "none") << CupsOption("fit-to-page", "false");
    if (highQuality_) {
        settings.append(CupsOption(CUPS_PRINT_QUALITY, CUPS_PRINT_QUALITY_HIGH));
        if (!destination_.bestResolution.isEmpty()) {
            settings.append(CupsOption("printer-resolution", destination_.bestResolution));
        }
    }
    if (colorOutput_) {
        settings.append(CupsOption(CUPS_PRINT_COLOR_MODE, destination_.color
                                                              ? CUPS_PRINT_COLOR_MODE_COLOR
                                                              : CUPS_PRINT_COLOR_MODE_MONOCHROME));
    }
    return settings;
}

OutputResult QtPrintJob::endDocument()
{
    if (!painter_) {
        return OutputResult::failure(QStringLiteral("nothing was drawn to print"));
    }
    const QString pdf = folder_->filePath(QStringLiteral("job.pdf"));
    const bool ended = painter_->end();
    page_.reset(); // writes the file's end
    if (!ended || QFileInfo(pdf).size() == 0) {
        closePage();
        return OutputResult::failure(QStringLiteral("the page could not be finished"));
    }
    // The password window is asked for on this thread; the hand-over's own
    // thread waits for its answer.
    PasswordPrompt &passwords = context_.passwords;
    const QDeadlineTimer limit(context_.handOverLimit);
    const std::optional<CupsSent> sent = runInBackground<CupsSent>(
        [target = destination_, settings = jobSettings(), pdf, patience = context_.patience,
         &passwords](const BackgroundCaller &caller) {
            const AskPassword ask = [&caller, &passwords](const PasswordRequest &request) {
                return caller.onCallerThread<Credentials>(
                    [&passwords, request] { return passwords.ask(request); });
            };
            CupsSent result = sendCupsJob(target, settings, pdf, patience, ask);
            // Told that it failed, the person must not find a page after all.
            if (result.jobId != 0 && caller.abandoned()) {
                cancelCupsJob(result.jobId, patience);
            }
            return result;
        },
        limit);
    // A hand-over left behind by the program's end has the file open
    // already, or finds it gone and sends nothing.
    closePage();
    if (!sent) {
        return OutputResult::failure(
            limit.hasExpired()
                ? QStringLiteral("the printing system (CUPS) did not take the job within %1 "
                                 "seconds")
                      .arg(seconds(context_.handOverLimit))
                : interrupted());
    }
    jobId_ = sent->jobId;
    return sent->result;
}

void QtPrintJob::follow(std::function<void(const JobOutcome &)> whenEnded)
{
    if (jobId_ != 0) {
        // A printer that was stopped before the question has been told of:
        // only how the job ends is news.
        context_.follower.follow({.jobId = jobId_,
                                  .stoppedIsNews = !destination_.stopped,
                                  .whenEnded = std::move(whenEnded)});
    }
}

void QtPrintJob::closePage()
{
    if (painter_ && painter_->isActive()) {
        painter_->end();
    }
    painter_.reset();
    page_.reset();
    folder_.reset();
}
