// Tintwell tests - the real printer service against a private CUPS scheduler
// (scripts/with-private-cups), whose default queue keeps each job's PDF in
// the folder CUPS_JOBS names. The page is read back with poppler's tools.
#include "platform/services/LazyPrinterService.h"
#include "platform/services/QtPrinterService.h"
#include "support/FakeServices.h"

#include <QDir>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int RenderDpi = 144;
const QColor Swatch(204, 0, 102); // JPEG in the PDF would turn it into 205,0,103
const QColor Corner(0, 0, 0);
const QString Queue = QStringLiteral("tintwell-test");

QString jobsFolder()
{
    return qEnvironmentVariable("CUPS_JOBS");
}

QStringList jobFiles()
{
    return QDir(jobsFolder()).entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Name);
}

// Runs a CUPS or poppler tool; its output, or a failed check with its errors.
QByteArray run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
        return {};
    }
    return process.readAllStandardOutput();
}

bool runAdmin(const QString &tool, const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral("/usr/sbin/") + tool, arguments) == 0;
}

// 120 x 80 screen pixels at 15 twips each: 1800 x 1200 twips, 1.25 x 0.83 in.
QImage swatchPicture()
{
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(Swatch);
    QPainter(&picture).fillRect(0, 0, 12, 8, Corner);
    return picture;
}

struct Found
{
    QRect swatch; // the pixels of the swatch's colour, on the rendered page
    int pages = 0;
    QImage page;
};

Found readJob(const QString &pdf)
{
    Found found;
    const QByteArray info = run(QStringLiteral("pdfinfo"), {pdf});
    for (const QByteArray &line : info.split('\n')) {
        if (line.startsWith("Pages:")) {
            found.pages = line.mid(6).trimmed().toInt();
        }
    }
    QTemporaryDir out;
    const QString base = out.filePath(QStringLiteral("page"));
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QString::number(RenderDpi), QStringLiteral("-png"),
         QStringLiteral("-singlefile"), pdf, base});
    found.page = QImage(base + QStringLiteral(".png"));
    for (int y = 0; y < found.page.height(); ++y) {
        for (int x = 0; x < found.page.width(); ++x) {
            if (found.page.pixelColor(x, y) == Swatch) {
                found.swatch |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
}

} // namespace

class PrinterTest : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase()
    {
        QVERIFY2(!jobsFolder().isEmpty(), "run under scripts/with-private-cups");
    }

    void printsOnePageAtNaturalSize()
    {
        const FakeScreenMetrics screen(1024, 768, 15);
        QtPrinterService printer(screen);
        QVERIFY(printer.checkDefaultPrinter().ok());
        printer.setHighQuality();
        printer.setColorOutput();
        const QPointF at(1440, 1000);
        const OutputResult drawn = printer.drawPicture(swatchPicture(), at);
        QVERIFY2(drawn.ok(), qPrintable(drawn.reason()));
        const OutputResult ended = printer.endDocument();
        QVERIFY2(ended.ok(), qPrintable(ended.reason()));
        QTRY_COMPARE_WITH_TIMEOUT(jobFiles().size(), 1, 15000);

        const Found job = readJob(QDir(jobsFolder()).filePath(jobFiles().constFirst()));
        QCOMPARE(job.pages, 1);
        QVERIFY2(!job.swatch.isEmpty(), "no pixel of the swatch's exact colour on the page");
        // Where the page's printable area starts, as the printer says.
        QPrinter reference(QPrinter::HighResolution);
        reference.setPrinterName(QPrinterInfo::defaultPrinter().printerName());
        const QRectF printable = reference.pageLayout().paintRect(QPageLayout::Inch);
        const double pixelsPerTwip = RenderDpi / 1440.0;
        const QPointF expected = (printable.topLeft() * 1440 + at) * pixelsPerTwip;
        // The dark corner takes the top-left of the picture.
        const QPoint corner = expected.toPoint() + QPoint(2, 2);
        QCOMPARE(job.page.pixelColor(corner), Corner);
        QVERIFY2(qAbs(job.swatch.right() + 1 - expected.x() - 1800 * pixelsPerTwip) <= 2,
                 qPrintable(QStringLiteral("swatch ends at %1 px, not %2")
                                .arg(job.swatch.right() + 1)
                                .arg(expected.x() + 1800 * pixelsPerTwip)));
        QVERIFY(qAbs(job.swatch.bottom() + 1 - expected.y() - 1200 * pixelsPerTwip) <= 2);
        QVERIFY(qAbs(job.swatch.left() - expected.x()) <= 2);
        QVERIFY(qAbs(job.swatch.top() - expected.y()) <= 2);

        // A second job on the same printer is a second job, not a second page.
        QVERIFY(printer.drawPicture(swatchPicture(), at).ok());
        QVERIFY(printer.endDocument().ok());
        QTRY_COMPARE_WITH_TIMEOUT(jobFiles().size(), 2, 15000);
    }

    void aRefusedJobIsAFailure()
    {
        QVERIFY(runAdmin(QStringLiteral("cupsreject"), {Queue}));
        const FakeScreenMetrics screen;
        QtPrinterService printer(screen);
        printer.setHighQuality();
        QVERIFY(printer.drawPicture(swatchPicture(), {0, 0}).ok());
        const OutputResult ended = printer.endDocument();
        QVERIFY(runAdmin(QStringLiteral("cupsaccept"), {Queue}));
        QVERIFY(!ended.ok());
        QVERIFY2(ended.reason().contains(Queue), qPrintable(ended.reason()));
    }

    // The program reaches the printer through the library it loads on the
    // first print; without the library every print fails and says why.
    void theProgramLoadsThePrinterWhenAsked_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("found");
        QTest::newRow("library in its folder") << TINTWELL_PRINTING_DIR << true;
        QTest::newRow("no library there") << "/nonexistent" << false;
    }

    void theProgramLoadsThePrinterWhenAsked()
    {
        QFETCH(QString, folder);
        QFETCH(bool, found);
        const FakeScreenMetrics screen;
        LazyPrinterService printer(screen, {folder});
        QCOMPARE(printer.checkDefaultPrinter().ok(), found);
        printer.setHighQuality();
        const int before = jobFiles().size();
        const OutputResult drawn = printer.drawPicture(swatchPicture(), {0, 0});
        const OutputResult ended = drawn.ok() ? printer.endDocument() : drawn;
        QCOMPARE(ended.ok(), found);
        if (found) {
            QTRY_COMPARE_WITH_TIMEOUT(jobFiles().size(), before + 1, 15000);
        } else {
            QVERIFY2(ended.reason().contains(QStringLiteral("could not be loaded")),
                     qPrintable(ended.reason()));
        }
    }

    // Last: it removes the queue.
    void noDefaultPrinterIsAFailure()
    {
        QVERIFY(runAdmin(QStringLiteral("lpadmin"), {QStringLiteral("-x"), Queue}));
        const FakeScreenMetrics screen;
        QtPrinterService printer(screen);
        const OutputResult checked = printer.checkDefaultPrinter();
        QVERIFY(!checked.ok());
        QVERIFY(!checked.reason().isEmpty());
    }
};

QTEST_MAIN(PrinterTest)
#include "test_printer.moc"
