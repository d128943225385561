// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell benchmarks - the swatch's way out: a print job until the printing
// system has taken it, and the largest swatch written as a bitmap file. Run
// under scripts/with-private-cups, whose queue keeps the jobs in CUPS_JOBS.
#include "BenchReport.h"
#include "platform/services/PasswordPrompt.h"
#include "platform/services/PrinterLibrary.h"
#include "platform/services/QtPictureFileWriter.h"
#include "platform/services/ScreenMetrics.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <algorithm>
#include <vector>

namespace {

constexpr int PrintRuns = 5;
constexpr int WriteRuns = 30;
constexpr double WriteGoalMs = 20;
// The largest swatch, 7 wide and 9 high at 1400 twips a unit, on a screen
// where the factors are 1: its drawing area inside a 2-pixel frame.
constexpr int LargestWidthTwips = 7 * 1400;
constexpr int LargestHeightTwips = 9 * 1400;

QString ms(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" ms");
}

QImage largestSwatch(const ScreenMetrics &screen)
{
    QImage picture(screen.toPixelsX(LargestWidthTwips) - 4,
                   screen.toPixelsY(LargestHeightTwips) - 4, QImage::Format_RGB32);
    picture.fill(QColor(0, 128, 128));
    QPainter painter(&picture);
    painter.drawText(0, 20, QStringLiteral("RED: 0"));
    return picture;
}

int jobsArrived()
{
    return static_cast<int>(QDir(qEnvironmentVariable("CUPS_JOBS"))
                                .entryList({QStringLiteral("job-*.pdf")}, QDir::Files)
                                .size());
}

// The floor: a bare Qt program printing the same picture to the same queue.
double floorMs()
{
    QProcess floor;
    floor.start(QStringLiteral(TINTWELL_PRINT_FLOOR), {QString::number(PrintRuns)});
    if (!floor.waitForFinished(60000) || floor.exitCode() != 0) {
        return 0;
    }
    return QString::fromLatin1(floor.readAllStandardOutput()).section('=', 1).toDouble();
}

// One print command's work: the check and the settings before the question,
// then from Yes the page width, the picture and the end of the job, until
// CUPS has accepted it.
// The private queue asks for no password.
class NoPasswords final : public PasswordPrompt
{
  public:
    std::optional<Credentials> ask(const PasswordRequest &) override { return std::nullopt; }
};

bool benchPrint(const ScreenMetrics &screen)
{
    const QImage picture = largestSwatch(screen);
    // As in the program: the first print loads the printer library.
    NoPasswords passwords;
    PrinterLibrary library(screen, passwords, {QStringLiteral(TINTWELL_PRINTING_DIR)});
    std::vector<double> checks;
    std::vector<double> times;
    QElapsedTimer timer;
    const int before = jobsArrived();
    for (int run = 0; run < PrintRuns; ++run) {
        timer.start();
        const OpenedPrinter opened = library.openPrinter();
        if (!opened.printer) {
            out() << "print: FAILED, " << opened.failure << "\n";
            return false;
        }
        const CheckedPrinter found = opened.printer->checkDefaultPrinter();
        if (!found.job) {
            out() << "print: FAILED, " << found.failure << "\n";
            return false;
        }
        PrintJob &printer = *found.job;
        // As the command does before the question: the paper, the state.
        (void)printer.printer();
        printer.setHighQuality();
        printer.setColorOutput();
        checks.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        timer.start(); // Yes
        const double x = (printer.pageWidthTwips() - LargestWidthTwips) / 2;
        const OutputResult drawn = printer.drawPicture(picture, QPointF(x, 1000));
        const OutputResult ended = drawn.ok() ? printer.endDocument() : drawn;
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (!ended.ok()) {
            out() << "print: FAILED, " << ended.reason() << "\n";
            return false;
        }
    }
    QElapsedTimer arrival;
    arrival.start();
    while (jobsArrived() < before + PrintRuns && arrival.elapsed() < 15000) {
        QThread::msleep(20);
    }
    if (jobsArrived() < before + PrintRuns) {
        out() << "print: FAILED, " << jobsArrived() - before << " of " << PrintRuns
              << " jobs reached the queue's backend\n";
        return false;
    }
    const double typical = median({times.begin() + 1, times.end()});
    const double floor = floorMs();
    out() << "print the largest swatch\n"
          << "  the check before the question: first (loads the printer library) "
          << ms(checks.front()) << ", then median of " << PrintRuns - 1 << ": "
          << ms(median({checks.begin() + 1, checks.end()})) << "\n"
          << "  Yes until CUPS has accepted the job: first " << ms(times.front())
          << ", then median of " << PrintRuns - 1 << ": " << ms(typical) << "\n"
          << "  a bare Qt program printing the same picture (bench/print_floor): " << ms(floor)
          << "\n"
          << "  goal at most 1.2 x the bare program: "
          << (floor > 0 && typical <= 1.2 * floor ? "met" : "NOT MET") << "\n";
    return true;
}

bool benchWrite(const ScreenMetrics &screen)
{
    const QImage picture = largestSwatch(screen);
    QtPictureFileWriter writer(screen);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("largest.bmp"));
    std::vector<double> times;
    QElapsedTimer timer;
    for (int run = 0; run < WriteRuns; ++run) {
        timer.start();
        const OutputResult written = writer.writeBitmap(picture, path);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        if (!written.ok()) {
            out() << "bitmap file: FAILED, " << written.reason() << "\n";
            return false;
        }
    }
    const QImage back(path, "bmp");
    if (back.size() != picture.size()) {
        out() << "bitmap file: FAILED, the file does not hold the picture\n";
        return false;
    }
    const double typical = median(times);
    out() << "write the largest swatch (" << picture.width() << " x " << picture.height()
          << " px) as a BMP file\n"
          << "  median of " << WriteRuns << ": " << ms(typical) << " (max "
          << ms(*std::max_element(times.begin(), times.end())) << ")\n"
          << "  goal under " << ms(WriteGoalMs) << ": "
          << (typical < WriteGoalMs ? "met" : "NOT MET") << "\n";
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QtScreenMetrics screen;
    const bool printed = benchPrint(screen);
    out().flush();
    const bool written = benchWrite(screen);
    out().flush();
    return printed && written ? 0 : 1;
}
