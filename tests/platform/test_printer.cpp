// Tintwell tests - the real printer service against a private CUPS scheduler
// (scripts/with-private-cups), whose default queue keeps each job's PDF in
// the folder CUPS_JOBS names. The page is read back with poppler's tools.
#include "platform/services/LazyPrinterService.h"
#include "platform/services/QtPrinterService.h"
#include "support/FakeServices.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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
    QString pageSize; // as pdfinfo gives it: "612 x 792 pts (letter)"
    QImage page;
};

// A printing system on a socket of its own in front of the private one: it
// passes every answer on `delay` late, or with no upstream never answers.
// It runs on the test's own event loop, which only turns while the printer
// service keeps the program's events going.
class Relay : public QObject
{
  public:
    Relay(const QString &upstream, int delay) : upstream_(upstream), delay_(delay)
    {
        server_.listen(folder_.filePath(QStringLiteral("cups.sock")));
        connect(&server_, &QLocalServer::newConnection, this, [this] { relay(); });
    }
    [[nodiscard]] QByteArray path() const { return server_.fullServerName().toLocal8Bit(); }

  private:
    void relay()
    {
        QLocalSocket *client = server_.nextPendingConnection();
        if (upstream_.isEmpty()) {
            return; // connected, never read, never answered
        }
        auto *up = new QLocalSocket(client);
        up->connectToServer(upstream_);
        connect(client, &QLocalSocket::readyRead, up,
                [client, up] { up->write(client->readAll()); });
        connect(up, &QLocalSocket::readyRead, client, [this, client, up] {
            QTimer::singleShot(delay_, client,
                               [client, data = up->readAll()] { client->write(data); });
        });
    }

    QTemporaryDir folder_;
    QLocalServer server_;
    QString upstream_;
    int delay_;
};

Found readJob(const QString &pdf)
{
    Found found;
    const QByteArray info = run(QStringLiteral("pdfinfo"), {pdf});
    for (const QByteArray &line : info.split('\n')) {
        if (line.startsWith("Pages:")) {
            found.pages = line.mid(6).trimmed().toInt();
        } else if (line.startsWith("Page size:")) {
            found.pageSize = QString::fromUtf8(line.mid(10).trimmed());
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

    // The page is the default destination's own paper, as the queue's
    // settings or the person's own lpoptions name it (the raw queue gives no
    // margins), with the swatch at its natural size where it was put.
    void printsOnePageAtNaturalSize_data()
    {
        QTest::addColumn<QString>("queueMedia");
        QTest::addColumn<QString>("personsMedia");
        QTest::addColumn<QString>("pageSize");
        QTest::newRow("A4") << "iso_a4_210x297mm"
                            << ""
                            << "595 x 842 pts (A4)";
        QTest::newRow("Legal") << "na_legal_8.5x14in"
                               << ""
                               << "612 x 1008 pts";
        QTest::newRow("the person's Letter over the queue's A4") << "iso_a4_210x297mm"
                                                                 << "na_letter_8.5x11in"
                                                                 << "612 x 792 pts (letter)";
    }

    void printsOnePageAtNaturalSize()
    {
        QFETCH(QString, queueMedia);
        QFETCH(QString, personsMedia);
        QFETCH(QString, pageSize);
        QVERIFY(
            runAdmin(QStringLiteral("lpadmin"), {QStringLiteral("-p"), Queue, QStringLiteral("-o"),
                                                 QStringLiteral("media-default=") + queueMedia}));
        const QString lpoptions = QDir::home().filePath(QStringLiteral(".cups/lpoptions"));
        QDir::home().mkpath(QStringLiteral(".cups"));
        QFile::remove(lpoptions);
        if (!personsMedia.isEmpty()) {
            QFile file(lpoptions);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QStringLiteral("Dest %1 media=%2\n").arg(Queue, personsMedia).toUtf8());
        }
        const FakeScreenMetrics screen(1024, 768, 15);
        QtPrinterService printer(screen);
        QVERIFY(printer.checkDefaultPrinter().ok());
        QFile::remove(lpoptions);
        QCOMPARE(printer.paper().name, personsMedia.isEmpty() ? queueMedia : personsMedia);
        printer.setHighQuality();
        printer.setColorOutput();
        const int before = jobFiles().size();
        const QPointF at(1440, 1000);
        const OutputResult drawn = printer.drawPicture(swatchPicture(), at);
        QVERIFY2(drawn.ok(), qPrintable(drawn.reason()));
        const OutputResult ended = printer.endDocument();
        QVERIFY2(ended.ok(), qPrintable(ended.reason()));
        QTRY_COMPARE_WITH_TIMEOUT(jobFiles().size(), before + 1, 15000);

        const Found job = readJob(QDir(jobsFolder()).filePath(jobFiles().constLast()));
        QCOMPARE(job.pages, 1);
        QCOMPARE(job.pageSize, pageSize);
        QVERIFY2(!job.swatch.isEmpty(), "no pixel of the swatch's exact colour on the page");
        const double pixelsPerTwip = RenderDpi / 1440.0;
        const QPointF expected = at * pixelsPerTwip;
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
        QTRY_COMPARE_WITH_TIMEOUT(jobFiles().size(), before + 2, 15000);
    }

    // While the printing system is asked the program's events go on (the
    // relay itself needs them); one that stays silent is given up on in
    // time, one that answers late still prints.
    void aSilentPrintingSystemFreezesNothing_data()
    {
        QTest::addColumn<bool>("silentAtCheck");
        QTest::addColumn<int>("answerDelay"); // ms; -1: no answer at all
        QTest::newRow("silent when the printer is looked for") << true << -1;
        QTest::newRow("silent when the job is handed over") << false << -1;
        QTest::newRow("late but answering") << true << 400;
    }

    void aSilentPrintingSystemFreezesNothing()
    {
        QFETCH(bool, silentAtCheck);
        QFETCH(int, answerDelay);
        const QByteArray realServer = qgetenv("CUPS_SERVER");
        Relay relay(answerDelay < 0 ? QString() : QString::fromLocal8Bit(realServer),
                    qMax(answerDelay, 0));
        const FakeScreenMetrics screen;
        constexpr std::chrono::milliseconds patience{1500};
        QtPrinterService printer(screen, patience);
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start(50);
        QElapsedTimer waited;

        qputenv("CUPS_SERVER", silentAtCheck ? relay.path() : realServer);
        waited.start();
        OutputResult result = printer.checkDefaultPrinter();
        if (result.ok()) {
            qputenv("CUPS_SERVER", relay.path());
            QVERIFY(printer.drawPicture(swatchPicture(), {0, 0}).ok());
            waited.start();
            result = printer.endDocument();
        }
        qputenv("CUPS_SERVER", realServer);

        QVERIFY2(ticks >= waited.elapsed() / 100, qPrintable(QString::number(ticks)));
        if (answerDelay >= 0) {
            QVERIFY2(result.ok(), qPrintable(result.reason()));
            return;
        }
        QVERIFY(!result.ok());
        QCOMPARE(result.reason(),
                 QStringLiteral("the printing system (CUPS) has not answered for 1.5 seconds"));
        QVERIFY2(waited.elapsed() < patience.count() + 1500,
                 qPrintable(QString::number(waited.elapsed())));
    }

    void aRefusedJobIsAFailure()
    {
        QVERIFY(runAdmin(QStringLiteral("cupsreject"), {Queue}));
        const FakeScreenMetrics screen;
        QtPrinterService printer(screen);
        QVERIFY(printer.checkDefaultPrinter().ok());
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
