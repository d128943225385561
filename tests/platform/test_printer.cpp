// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - the real printer service against a private CUPS scheduler
// (scripts/with-private-cups), whose default queue keeps each job's PDF in
// the folder CUPS_JOBS names. The page is read back with poppler's tools.
#include "platform/printing/QtPrinterService.h"
#include "platform/services/PasswordPrompt.h"
#include "platform/services/PrinterLibrary.h"
#include "support/FakeServices.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPainter>
#include <QProcess>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

constexpr int RenderDpi = 144;
const QColor Swatch(204, 0, 102); // JPEG in the PDF would turn it into 205,0,103
const QColor Corner(0, 0, 0);
const QString Queue = QStringLiteral("tintwell-test");
const QString Margins = QStringLiteral("tintwell-margins");
const QString Grey = QStringLiteral("tintwell-grey");
// A class of two printers with margins, both on Letter, as in a lab.
const QString Lab = QStringLiteral("tintwell-lab");

QString jobsFolder()
{
    return qEnvironmentVariable("CUPS_JOBS");
}

QStringList jobFiles()
{
    return QDir(jobsFolder()).entryList({QStringLiteral("job-*.pdf")}, QDir::Files);
}

// The job that came last: job-10.pdf after job-9.pdf.
QString latestJob()
{
    const QStringList jobs = jobFiles();
    const auto number = [](const QString &file) { return file.mid(4).chopped(4).toInt(); };
    return QDir(jobsFolder())
        .filePath(
            *std::max_element(jobs.begin(), jobs.end(), [&](const QString &a, const QString &b) {
                return number(a) < number(b);
            }));
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

QString personsOptions()
{
    return QDir::home().filePath(QStringLiteral(".cups/lpoptions"));
}

void writePersonsOptions(const QString &text)
{
    QDir::home().mkpath(QStringLiteral(".cups"));
    QFile file(personsOptions());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

// The options CUPS handed the queue's backend with the job.
QStringList jobOptions(const QString &pdf)
{
    QFile file(QString(pdf).replace(QStringLiteral(".pdf"), QStringLiteral(".options")));
    return file.open(QIODevice::ReadOnly)
               ? QString::fromUtf8(file.readAll()).simplified().split(' ')
               : QStringList();
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

// Answers the print server's questions for a password as scripted, and
// keeps what it was asked.
class ScriptedPasswords final : public PasswordPrompt
{
  public:
    std::optional<Credentials> ask(const PasswordRequest &request) override
    {
        asked.push_back(request);
        if (answers.isEmpty()) {
            return std::nullopt; // Cancel
        }
        return Credentials{.user = request.user, .password = answers.takeFirst()};
    }
    QStringList answers;
    std::vector<PasswordRequest> asked;
};

// The usual limits, with a job's state asked after five times a second.
PrinterLimits followedOften()
{
    PrinterLimits limits;
    limits.followEvery = std::chrono::milliseconds(200);
    return limits;
}

// A picture that no compression makes small: its job is still on its way
// to the printer when a failing printer drops the connection.
QImage noisePicture()
{
    QImage picture(320, 320, QImage::Format_RGB32);
    std::uint32_t state = 12345;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            state = state * 1664525U + 1013904223U;
            picture.setPixel(x, y, state >> 8);
        }
    }
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

// A printing system that answers every request at once with success, and
// with the job id given, or none for 0: what CUPS would say, said wrongly.
class ForgedPrintingSystem : public QObject
{
  public:
    explicit ForgedPrintingSystem(int jobId) : jobId_(jobId)
    {
        server_.listen(folder_.filePath(QStringLiteral("cups.sock")));
        connect(&server_, &QLocalServer::newConnection, this, [this] {
            QLocalSocket *client = server_.nextPendingConnection();
            connect(client, &QLocalSocket::readyRead, this, [this, client] { read(client); });
        });
    }
    [[nodiscard]] QByteArray path() const { return server_.fullServerName().toLocal8Bit(); }

  private:
    void read(QLocalSocket *client)
    {
        QByteArray &request = requests_[client];
        request += client->readAll();
        const qsizetype headerEnd = request.indexOf("\r\n\r\n");
        if (headerEnd < 0) {
            return;
        }
        const QByteArray headers = request.left(headerEnd).toLower();
        if (headers.contains("expect: 100-continue") && !continued_.contains(client)) {
            continued_.insert(client);
            client->write("HTTP/1.1 100 Continue\r\n\r\n");
        }
        const qsizetype lengthAt = headers.indexOf("content-length:");
        const bool whole =
            lengthAt >= 0
                ? request.size() - headerEnd - 4 >=
                      headers.mid(lengthAt + 15, headers.indexOf('\r', lengthAt) - lengthAt - 15)
                          .trimmed()
                          .toLongLong()
                : request.endsWith("0\r\n\r\n");
        if (whole) {
            const QByteArray body = ippAnswer();
            client->write("HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: " +
                          QByteArray::number(body.size()) + "\r\n\r\n" + body);
            request.clear();
            continued_.remove(client);
        }
    }

    // successful-ok, the operation attributes every answer has, the job id.
    [[nodiscard]] QByteArray ippAnswer() const
    {
        QByteArray body("\x02\x00\x00\x00\x00\x00\x00\x01\x01", 9);
        const auto attribute = [&body](char tag, const QByteArray &name, const QByteArray &value) {
            body += tag;
            body += char(name.size() >> 8) + QByteArray(1, char(name.size())) + name;
            body += char(value.size() >> 8) + QByteArray(1, char(value.size())) + value;
        };
        attribute('\x47', "attributes-charset", "utf-8");
        attribute('\x48', "attributes-natural-language", "en");
        if (jobId_ > 0) {
            body += '\x02';
            attribute('\x21', "job-id", QByteArray("\0\0\0", 3) + char(jobId_));
        }
        body += '\x03';
        return body;
    }

    QTemporaryDir folder_;
    QLocalServer server_;
    QHash<QLocalSocket *, QByteArray> requests_;
    QSet<QLocalSocket *> continued_;
    int jobId_;
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

    QTemporaryDir ppdFolder;
    ScriptedPasswords passwords;

  private slots:
    // Two queues beside the raw one, from a PPD of the test's own: one whose
    // printer cannot print within 10, 20, 30 and 40 points of the paper's
    // left, bottom, right and top edges (its papers Letter and A4, A4 its
    // default), and the same without colour. Their filter passes the PDF on
    // as it is.
    void initTestCase()
    {
        QVERIFY2(!jobsFolder().isEmpty(), "run under scripts/with-private-cups");
        QFile margins(QFINDTESTDATA("platform/margins.ppd"));
        QVERIFY(margins.open(QIODevice::ReadOnly));
        const QByteArray printer = margins.readAll();
        for (const auto &[queue, color] : {std::pair(Margins, true), std::pair(Grey, false)}) {
            const QString ppd = ppdFolder.filePath(queue + QStringLiteral(".ppd"));
            QFile file(ppd);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(printer + (color ? "*ColorDevice: True\n" : "*ColorDevice: False\n"));
            file.close();
            QVERIFY(runAdmin(QStringLiteral("lpadmin"),
                             {QStringLiteral("-p"), queue, QStringLiteral("-E"),
                              QStringLiteral("-v"), QStringLiteral("tintwelljobs:") + jobsFolder(),
                              QStringLiteral("-P"), ppd}));
        }
        for (const QString &member :
             {QStringLiteral("tintwell-lab-1"), QStringLiteral("tintwell-lab-2")}) {
            QVERIFY(runAdmin(QStringLiteral("lpadmin"),
                             {QStringLiteral("-p"), member, QStringLiteral("-E"),
                              QStringLiteral("-v"), QStringLiteral("tintwelljobs:") + jobsFolder(),
                              QStringLiteral("-P"), ppdFolder.filePath(Margins + ".ppd"),
                              QStringLiteral("-o"), QStringLiteral("PageSize=Letter")}));
            QVERIFY(runAdmin(QStringLiteral("lpadmin"),
                             {QStringLiteral("-p"), member, QStringLiteral("-c"), Lab}));
        }
        QVERIFY(runAdmin(QStringLiteral("cupsenable"), {Lab}));
        QVERIFY(runAdmin(QStringLiteral("cupsaccept"), {Lab}));
    }

    void cleanup()
    {
        QFile::remove(personsOptions());
        qunsetenv("LPDEST");
        qunsetenv("PRINTER");
    }

    // The page is the paper the default printer takes for a job, as lp
    // would find it: the person's own lpoptions first, then the queue's,
    // however the paper is named. The swatch is at its natural size where
    // it was put, measured from the page's printable area, which follows
    // the printer's margins as the page is turned. The job asks for the
    // highest quality and, where the printer has it, colour.
    void printsOnePageAtNaturalSize_data()
    {
        QTest::addColumn<QString>("queue");
        QTest::addColumn<QString>("queueMedia"); // the raw queue's
        QTest::addColumn<QString>("persons");    // options in the person's lpoptions
        QTest::addColumn<QString>("pageSize");
        QTest::addColumn<QString>("paperName");
        QTest::addColumn<QRectF>("printable"); // points, on the page as it is turned
        QTest::addColumn<QString>("colorMode");
        const auto row = [](const char *name, const QString &queue, const char *queueMedia,
                            const char *persons, const char *pageSize, const char *paperName,
                            QRectF printable, const char *colorMode = "color") {
            QTest::newRow(name) << queue << queueMedia << persons << pageSize << paperName
                                << printable << colorMode;
        };
        const char *a4 = "iso_a4_210x297mm";
        const char *a4Page = "595 x 842 pts (A4)";
        const char *letterPage = "612 x 792 pts (letter)";
        const char *legalPage = "612 x 1008 pts";
        const QRectF letterWithMargins(10, 40, 572, 732);
        row("A4", Queue, a4, "", a4Page, "A4", {0, 0, 595, 842});
        row("Legal", Queue, "na_legal_8.5x14in", "", legalPage, "Legal", {0, 0, 612, 1008});
        row("the person's Letter over the queue's A4", Queue, a4, "media=na_letter_8.5x11in",
            letterPage, "Letter", {0, 0, 612, 792});
        row("an everyday name, where the printer describes no papers", Queue, a4, "media=Legal",
            legalPage, "Legal", {0, 0, 612, 1008});
        row("a custom size", Queue, a4, "media=Custom.100x150mm", "283 x 425 pts", "100 x 150 mm",
            {0, 0, 283.465, 425.197});
        row("the queue's own paper, with margins", Margins, "", "", a4Page, "A4",
            {10, 40, 555, 782});
        row("an everyday name, with margins", Margins, "", "media=Letter", letterPage, "Letter",
            letterWithMargins);
        row("a PPD's name in lower case", Margins, "", "media=letter", letterPage, "Letter",
            letterWithMargins);
        row("a PWG name, with margins", Margins, "", "media=na_letter_8.5x11in", letterPage,
            "Letter", letterWithMargins);
        row("an instance of the person's own", Margins + "/draft", "", "media=Letter", letterPage,
            "Letter", letterWithMargins);
        row("IPP's older name", Margins, "", "media=na-letter", letterPage, "Letter",
            letterWithMargins);
        row("a paper known by its size in inches", Queue, a4, "media=na_index-4x6_4x6in",
            "288 x 432 pts", "4 x 6 in", {0, 0, 288, 432});
        row("a class, on its printers' paper", Lab, "", "", letterPage, "Letter",
            letterWithMargins);
        // Turned a quarter to the left the paper's bottom edge is the page's
        // left; to the right, its top edge.
        row("landscape", Margins, "", "media=Letter orientation-requested=4",
            "792 x 612 pts (letter)", "Letter", {20, 10, 732, 572});
        row("reverse landscape", Margins, "", "media=Letter orientation-requested=5",
            "792 x 612 pts (letter)", "Letter", {40, 30, 732, 572});
        row("a printer without colour is asked for its greys", Grey, "", "", a4Page, "A4",
            {10, 40, 555, 782}, "monochrome");
    }

    void printsOnePageAtNaturalSize()
    {
        QFETCH(QString, queue);
        QFETCH(QString, queueMedia);
        QFETCH(QString, persons);
        QFETCH(QString, pageSize);
        QFETCH(QString, paperName);
        QFETCH(QRectF, printable);
        QFETCH(QString, colorMode);
        if (!queueMedia.isEmpty()) {
            QVERIFY(runAdmin(QStringLiteral("lpadmin"),
                             {QStringLiteral("-p"), queue, QStringLiteral("-o"),
                              QStringLiteral("media-default=") + queueMedia}));
        }
        writePersonsOptions(QStringLiteral("Default %1 %2\n").arg(queue, persons));
        const FakeScreenMetrics screen(1024, 768, 15);
        QtPrinterService service(screen, passwords);
        CheckedPrinter checked = service.checkDefaultPrinter();
        QVERIFY2(checked.job, qPrintable(checked.failure));
        QFile::remove(personsOptions());
        PrintJob &printer = *checked.job;
        const DefaultPrinter found = printer.printer();
        QCOMPARE(found.name, queue.section(QLatin1Char('/'), 0, 0));
        QCOMPARE(found.paper.name, paperName);
        QCOMPARE(found.paperInsteadOf, QString());
        QCOMPARE(found.color, colorMode == QLatin1String("color"));
        const QSizeF printableTwips = found.paper.printableTwips / 20;
        QVERIFY2(qAbs(printableTwips.width() - printable.width()) < 0.5 &&
                     qAbs(printableTwips.height() - printable.height()) < 0.5,
                 qPrintable(QStringLiteral("printable %1 x %2 pt")
                                .arg(printableTwips.width())
                                .arg(printableTwips.height())));
        printer.setHighQuality();
        printer.setColorOutput();
        const int before = jobFiles().size();
        const QPointF at(1440, 1000);
        const OutputResult drawn = printer.drawPicture(swatchPicture(), at);
        QVERIFY2(drawn.ok(), qPrintable(drawn.reason()));
        const OutputResult ended = printer.endDocument();
        QVERIFY2(ended.ok(), qPrintable(ended.reason()));
        QTRY_COMPARE_WITH_TIMEOUT(jobFiles().size(), before + 1, 15000);

        const QString pdf = latestJob();
        const QStringList options = jobOptions(pdf);
        QVERIFY2(options.contains(QStringLiteral("print-quality=5")),
                 qPrintable(options.join(' ')));
        QVERIFY2(options.contains(QStringLiteral("print-color-mode=") + colorMode),
                 qPrintable(options.join(' ')));
        if (queue != Queue) { // the finest resolution of the printers with margins
            QVERIFY2(options.contains(QStringLiteral("printer-resolution=600x1200dpi")),
                     qPrintable(options.join(' ')));
        }
        const Found job = readJob(pdf);
        QCOMPARE(job.pages, 1);
        QCOMPARE(job.pageSize, pageSize);
        QVERIFY2(!job.swatch.isEmpty(), "no pixel of the swatch's exact colour on the page");
        const double pixelsPerTwip = RenderDpi / 1440.0;
        const QPointF expected = (printable.topLeft() * 20 + at) * pixelsPerTwip;
        // The dark corner takes the top-left of the picture.
        const QPoint corner = expected.toPoint() + QPoint(2, 2);
        QCOMPARE(job.page.pixelColor(corner), Corner);
        QVERIFY2(qAbs(job.swatch.right() + 1 - expected.x() - 1800 * pixelsPerTwip) <= 2,
                 qPrintable(QStringLiteral("swatch ends at %1 px, not %2")
                                .arg(job.swatch.right() + 1)
                                .arg(expected.x() + 1800 * pixelsPerTwip)));
        QVERIFY(qAbs(job.swatch.bottom() + 1 - expected.y() - 1200 * pixelsPerTwip) <= 2);
        QVERIFY2(qAbs(job.swatch.left() - expected.x()) <= 2 &&
                     qAbs(job.swatch.top() - expected.y()) <= 2,
                 qPrintable(QStringLiteral("swatch at %1, %2 px, not %3, %4")
                                .arg(job.swatch.left())
                                .arg(job.swatch.top())
                                .arg(expected.x())
                                .arg(expected.y())));

        // A second job on the same printer is a second job, not a second page.
        const CheckedPrinter again = service.checkDefaultPrinter();
        QVERIFY(again.job);
        QVERIFY(again.job->drawPicture(swatchPicture(), at).ok());
        QVERIFY(again.job->endDocument().ok());
        QTRY_COMPARE_WITH_TIMEOUT(jobFiles().size(), before + 2, 15000);
    }

    // A paper the printer does not have is not silently replaced: the
    // person is told which paper the swatch will be printed on.
    void aPaperThePrinterLacksIsNamed_data()
    {
        QTest::addColumn<QString>("personsMedia");
        QTest::newRow("a paper of another size") << "Legal";
        QTest::newRow("a name no paper has") << "Napkin";
    }

    void aPaperThePrinterLacksIsNamed()
    {
        QFETCH(QString, personsMedia);
        writePersonsOptions(QStringLiteral("Default %1 media=%2\n").arg(Margins, personsMedia));
        const FakeScreenMetrics screen;
        QtPrinterService printer(screen, passwords);
        const CheckedPrinter checked = printer.checkDefaultPrinter();
        QVERIFY2(checked.job, qPrintable(checked.failure));
        const DefaultPrinter found = checked.job->printer();
        QCOMPARE(found.paperInsteadOf, personsMedia);
        QCOMPARE(found.paper.name, QStringLiteral("A4")); // the printer's own default
    }

    // The default printer as lp finds it: LPDEST, PRINTER, the person's
    // lpoptions, the system's lpoptions, the printing system's default. One
    // that names a printer nobody can find says so by its name.
    void theDefaultIsTakenInLpsOrder_data()
    {
        QTest::addColumn<QString>("lpdest");
        QTest::addColumn<QString>("printerVariable");
        QTest::addColumn<QString>("persons");
        QTest::addColumn<QString>("systems");
        QTest::addColumn<QString>("found"); // the printer, or the start of the failure
        const QString none;
        QTest::newRow("the printing system's") << none << none << none << none << Queue;
        QTest::newRow("the system's lpoptions") << none << none << none << Margins << Margins;
        QTest::newRow("the person's over the system's") << none << none << Grey << Margins << Grey;
        QTest::newRow("PRINTER over the person's") << none << Margins << Grey << none << Margins;
        QTest::newRow("PRINTER=lp is no choice")
            << none << QStringLiteral("lp") << Grey << none << Grey;
        QTest::newRow("LPDEST over PRINTER") << Grey << Margins << none << none << Grey;

        QTest::newRow("a default nobody can find")
            << QStringLiteral("nowhere") << none << none << none
            << QStringLiteral("the default printer \"nowhere\", set by LPDEST, cannot be found");
    }

    void theDefaultIsTakenInLpsOrder()
    {
        QFETCH(QString, lpdest);
        QFETCH(QString, printerVariable);
        QFETCH(QString, persons);
        QFETCH(QString, systems);
        QFETCH(QString, found);
        const QString systemOptions =
            QDir(qEnvironmentVariable("CUPS_SERVERROOT")).filePath(QStringLiteral("lpoptions"));
        const auto restore = qScopeGuard([&] { QFile::remove(systemOptions); });
        if (!systems.isEmpty()) {
            QFile file(systemOptions);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QStringLiteral("Default %1\n").arg(systems).toUtf8());
        }
        if (!persons.isEmpty()) {
            writePersonsOptions(QStringLiteral("Default %1\n").arg(persons));
        }
        if (!lpdest.isEmpty()) {
            qputenv("LPDEST", lpdest.toUtf8());
        }
        if (!printerVariable.isEmpty()) {
            qputenv("PRINTER", printerVariable.toUtf8());
        }
        const FakeScreenMetrics screen;
        QtPrinterService printer(screen, passwords);
        const CheckedPrinter checked = printer.checkDefaultPrinter();
        if (found.contains(QLatin1Char(' '))) {
            QVERIFY(!checked.job);
            QVERIFY2(checked.failure.startsWith(found), qPrintable(checked.failure));
            return;
        }
        QVERIFY2(checked.job, qPrintable(checked.failure));
        QCOMPARE(checked.job->printer().name, found);
    }

    // While the printing system is asked the program's events go on (the
    // relay itself needs them); one that stays silent is given up on in
    // time, and so is a check whose answers, each in time, add up to more
    // than the check may take; one that answers late still prints.
    void aSilentPrintingSystemFreezesNothing_data()
    {
        QTest::addColumn<bool>("silentAtCheck");
        QTest::addColumn<int>("answerDelay");   // ms; -1: no answer at all
        QTest::addColumn<int>("checkLimit");    // ms
        QTest::addColumn<int>("handOverLimit"); // ms
        QTest::addColumn<QString>("givenUp");   // empty: printed
        const QString silent =
            QStringLiteral("the printing system (CUPS) has not answered for 1.5 seconds");
        QTest::newRow("silent when the printer is looked for")
            << true << -1 << 10000 << 10000 << silent;
        QTest::newRow("silent when the job is handed over")
            << false << -1 << 10000 << 10000 << silent;
        QTest::newRow("late but answering") << true << 400 << 10000 << 10000 << "";
        QTest::newRow("each answer in time, too late in all")
            << true << 1200 << 2000 << 10000
            << "the printing system (CUPS) did not find the default printer within 2 seconds";
        QTest::newRow("each answer in time, the hand-over too late in all")
            << false << 1200 << 10000 << 2000
            << "the printing system (CUPS) did not take the job within 2 seconds";
    }

    void aSilentPrintingSystemFreezesNothing()
    {
        QFETCH(bool, silentAtCheck);
        QFETCH(int, answerDelay);
        QFETCH(int, checkLimit);
        QFETCH(int, handOverLimit);
        QFETCH(QString, givenUp);
        const QByteArray realServer = qgetenv("CUPS_SERVER");
        Relay relay(answerDelay < 0 ? QString() : QString::fromLocal8Bit(realServer),
                    qMax(answerDelay, 0));
        const FakeScreenMetrics screen;
        constexpr std::chrono::milliseconds patience{1500};
        QtPrinterService printer(screen, passwords,
                                 {.patience = patience,
                                  .checkLimit = std::chrono::milliseconds(checkLimit),
                                  .handOverLimit = std::chrono::milliseconds(handOverLimit),
                                  .followEvery = std::chrono::seconds(3)});
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start(50);
        QElapsedTimer waited;

        qputenv("CUPS_SERVER", silentAtCheck ? relay.path() : realServer);
        waited.start();
        const CheckedPrinter checked = printer.checkDefaultPrinter();
        OutputResult result = OutputResult::failure(checked.failure);
        if (checked.job) {
            qputenv("CUPS_SERVER", relay.path());
            QVERIFY(checked.job->drawPicture(swatchPicture(), {0, 0}).ok());
            waited.start();
            result = checked.job->endDocument();
        }
        qputenv("CUPS_SERVER", realServer);

        QVERIFY2(ticks >= waited.elapsed() / 100, qPrintable(QString::number(ticks)));
        if (givenUp.isEmpty()) {
            QVERIFY2(result.ok(), qPrintable(result.reason()));
            return;
        }
        QVERIFY(!result.ok());
        QCOMPARE(result.reason(), givenUp);
        QVERIFY2(waited.elapsed() < std::min<qint64>(checkLimit, patience.count() * 2) + 1500,
                 qPrintable(QString::number(waited.elapsed())));
    }

    // A printer that is paused, or that refuses jobs, says so and why before
    // anything is sent; a job for a paused printer waits, is followed, and
    // prints once the printer is resumed.
    void aPausedOrRefusingPrinterSaysSo_data()
    {
        QTest::addColumn<QString>("tool"); // what the administrator ran
        QTest::addColumn<bool>("stopped");
        QTest::addColumn<bool>("accepting");
        QTest::newRow("paused") << "cupsdisable" << true << true;
        QTest::newRow("refusing jobs") << "cupsreject" << false << false;
    }

    void aPausedOrRefusingPrinterSaysSo()
    {
        QFETCH(QString, tool);
        QFETCH(bool, stopped);
        QFETCH(bool, accepting);
        const QString why =
            QStringLiteral("Out of service until Monday: please use the Library printer");
        QVERIFY(runAdmin(tool, {QStringLiteral("-r"), why, Queue}));
        const auto restore = qScopeGuard([] {
            runAdmin(QStringLiteral("cupsenable"), {Queue});
            runAdmin(QStringLiteral("cupsaccept"), {Queue});
        });
        const FakeScreenMetrics screen;
        QtPrinterService service(screen, passwords, followedOften());
        const CheckedPrinter checked = service.checkDefaultPrinter();
        QVERIFY2(checked.job, qPrintable(checked.failure));
        const DefaultPrinter &found = checked.job->printer();
        QCOMPARE(found.stopped, stopped);
        QCOMPARE(found.accepting, accepting);
        QCOMPARE(found.stateMessage, why);
        if (!accepting) {
            return;
        }
        const int before = jobFiles().size();
        QVERIFY(checked.job->drawPicture(swatchPicture(), {0, 0}).ok());
        QVERIFY(checked.job->endDocument().ok());
        std::optional<JobOutcome> ended;
        checked.job->follow([&ended](const JobOutcome &outcome) { ended = outcome; });
        QTest::qWait(1000);
        QCOMPARE(jobFiles().size(), before); // it waits
        QVERIFY2(!ended, "a printer paused before the question is no news");
        QVERIFY(runAdmin(QStringLiteral("cupsenable"), {Queue}));
        QTRY_COMPARE_WITH_TIMEOUT(jobFiles().size(), before + 1, 15000);
        QTRY_VERIFY_WITH_TIMEOUT(ended.has_value(), 15000);
        QCOMPARE(ended->end, JobOutcome::End::Completed);
    }

    // A print server that wants the person's password asks through the
    // program's window, never the terminal: a refused password is asked
    // again, three times at most, and Cancel ends the print. Each says why
    // nothing printed.
    void aPrintServerAsksForThePassword_data()
    {
        QTest::addColumn<QStringList>("answers"); // "right", "wrong"; none left: Cancel
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("failure"); // empty: printed
        QTest::newRow("the right password") << QStringList{"right"} << 1 << "";
        QTest::newRow("a wrong one, then the right one")
            << QStringList{"wrong", "right"} << 2 << "";
        QTest::newRow("Cancel") << QStringList{} << 1
                                << "the print server \"localhost\" needs your password to print";
        QTest::newRow("wrong every time")
            << QStringList{"wrong", "wrong", "wrong", "right"} << 3
            << "the print server \"localhost\" did not accept the password for \"" +
                   qEnvironmentVariable("CUPS_TEST_USER") + "\"";
    }

    void aPrintServerAsksForThePassword()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, asked);
        QFETCH(QString, failure);
        const QString queue = qEnvironmentVariable("CUPS_PROTECTED_QUEUE");
        if (queue.isEmpty()) {
            QSKIP("the password-protected queue runs as its own test, test_printer_password");
        }
        qputenv("LPDEST", queue.toUtf8());
        ScriptedPasswords person;
        for (const QString &answer : answers) {
            person.answers << (answer == QLatin1String("right")
                                   ? qEnvironmentVariable("CUPS_TEST_PASSWORD")
                                   : QStringLiteral("not-the-password"));
        }
        const FakeScreenMetrics screen;
        QtPrinterService service(screen, person);
        const CheckedPrinter checked = service.checkDefaultPrinter();
        QVERIFY2(checked.job, qPrintable(checked.failure));
        const int before = jobFiles().size();
        QVERIFY(checked.job->drawPicture(swatchPicture(), {0, 0}).ok());
        const OutputResult ended = checked.job->endDocument();
        QCOMPARE(int(person.asked.size()), asked);
        QCOMPARE(person.asked.front().user, qEnvironmentVariable("CUPS_TEST_USER"));
        QCOMPARE(person.asked.front().server, QStringLiteral("localhost"));
        QCOMPARE(person.asked.back().again, asked > 1);
        if (failure.isEmpty()) {
            QVERIFY2(ended.ok(), qPrintable(ended.reason()));
            QTRY_COMPARE_WITH_TIMEOUT(jobFiles().size(), before + 1, 15000);
            return;
        }
        QCOMPARE(ended.reason(), failure);
        QVERIFY(!ended.whatToDo().isEmpty());
        QTest::qWait(500);
        QCOMPARE(jobFiles().size(), before);
    }

    // A printer that drops the connection once CUPS has taken the job fails
    // it: the job is followed until CUPS says how it ended, with the
    // printer's words.
    void aJobThePrinterFailsIsFollowed_data()
    {
        QTest::addColumn<QString>("policy"); // the queue's printer-error-policy
        QTest::addColumn<JobOutcome::End>("end");
        QTest::newRow("the job is given up") << "abort-job" << JobOutcome::End::Aborted;
        QTest::newRow("the queue is stopped") << "stop-printer" << JobOutcome::End::QueueStopped;
    }

    void aJobThePrinterFailsIsFollowed()
    {
        QFETCH(QString, policy);
        QFETCH(JobOutcome::End, end);
        QProcess failing;
        failing.start(QStringLiteral("python3"), {QFINDTESTDATA("../scripts/failing-printer.py")});
        QVERIFY(failing.waitForReadyRead(5000));
        const QString port = QString::fromLatin1(failing.readLine()).trimmed();
        const QString queue = QStringLiteral("tintwell-fails");
        QVERIFY(runAdmin(QStringLiteral("lpadmin"),
                         {QStringLiteral("-p"), queue, QStringLiteral("-E"), QStringLiteral("-v"),
                          QStringLiteral("socket://127.0.0.1:") + port, QStringLiteral("-o"),
                          QStringLiteral("printer-error-policy=") + policy}));
        const auto remove = qScopeGuard([&] {
            runAdmin(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue});
        });
        qputenv("LPDEST", queue.toUtf8());
        const FakeScreenMetrics screen;
        QtPrinterService service(screen, passwords, followedOften());
        const CheckedPrinter checked = service.checkDefaultPrinter();
        QVERIFY2(checked.job, qPrintable(checked.failure));
        QVERIFY(checked.job->drawPicture(noisePicture(), {0, 0}).ok());
        QVERIFY(checked.job->endDocument().ok()); // CUPS took it
        std::optional<JobOutcome> ended;
        checked.job->follow([&ended](const JobOutcome &outcome) { ended = outcome; });
        QTRY_VERIFY_WITH_TIMEOUT(ended.has_value(), 30000);
        QCOMPARE(ended->end, end);
        QVERIFY2(ended->printerMessage.contains(QStringLiteral("Unable to write print data")),
                 qPrintable(ended->printerMessage));
    }

    // Only a job the printing system took, and numbered, is printed.
    void onlyANumberedJobIsPrinted_data()
    {
        QTest::addColumn<QString>("answer"); // "refused": the real queue refuses jobs
        QTest::addColumn<bool>("printed");
        QTest::newRow("the queue refuses jobs") << "refused" << false;
        QTest::newRow("taken without a job id") << "no id" << false;
        QTest::newRow("taken as job 7") << "id 7" << true;
    }

    void onlyANumberedJobIsPrinted()
    {
        QFETCH(QString, answer);
        QFETCH(bool, printed);
        const bool refused = answer == QLatin1String("refused");
        QVERIFY(runAdmin(refused ? QStringLiteral("cupsreject") : QStringLiteral("cupsaccept"),
                         {Queue}));
        const auto accept = qScopeGuard([] { runAdmin(QStringLiteral("cupsaccept"), {Queue}); });
        const FakeScreenMetrics screen;
        QtPrinterService service(screen, passwords);
        const CheckedPrinter checked = service.checkDefaultPrinter();
        QVERIFY(checked.job);
        PrintJob &printer = *checked.job;
        printer.setHighQuality();
        QVERIFY(printer.drawPicture(swatchPicture(), {0, 0}).ok());
        const QByteArray realServer = qgetenv("CUPS_SERVER");
        const ForgedPrintingSystem forged(
            answer.startsWith(QLatin1String("id")) ? answer.mid(3).toInt() : 0);
        if (!refused) {
            qputenv("CUPS_SERVER", forged.path());
        }
        const OutputResult ended = printer.endDocument();
        qputenv("CUPS_SERVER", realServer);
        QCOMPARE(ended.ok(), printed);
        if (!printed) {
            QVERIFY2(
                ended.reason().contains(QStringLiteral("\"%1\" did not take the job").arg(Queue)),
                qPrintable(ended.reason()));
        }
    }

    // The program reaches the printer through the library it loads on the
    // first print; without the library every print fails and says why.
    void theProgramLoadsThePrinterWhenAsked_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("found");
        QTest::newRow("library in its folder") << TINTWELL_PRINTING_DIR << true;
        QTest::newRow("no library there") << "/nonexistent" << false;
        QTest::newRow("nor there") << "/nonexistent:/nowhere" << false;
    }

    void theProgramLoadsThePrinterWhenAsked()
    {
        QFETCH(QString, folder);
        QFETCH(bool, found);
        const FakeScreenMetrics screen;
        PrinterLibrary library(screen, passwords, folder.split(QLatin1Char(':')));
        const OpenedPrinter opened = library.openPrinter();
        QCOMPARE(opened.printer != nullptr, found);
        if (!found) {
            QVERIFY2(opened.failure.startsWith(
                         QStringLiteral("the printing support could not be loaded (")),
                     qPrintable(opened.failure));
            for (const QString &place : folder.split(QLatin1Char(':'))) { // every place tried
                QVERIFY2(opened.failure.contains(place), qPrintable(opened.failure));
            }
            QCOMPARE(library.openPrinter().failure, opened.failure); // and every print says so
            return;
        }
        QCOMPARE(library.openPrinter().printer, opened.printer); // loaded once
        const CheckedPrinter checked = opened.printer->checkDefaultPrinter();
        QVERIFY(checked.job);
        PrintJob &printer = *checked.job;
        printer.setHighQuality();
        const int before = jobFiles().size();
        QVERIFY(printer.drawPicture(swatchPicture(), {0, 0}).ok());
        QVERIFY(printer.endDocument().ok());
        QTRY_COMPARE_WITH_TIMEOUT(jobFiles().size(), before + 1, 15000);
    }

    // Last: it removes the queue.
    void noDefaultPrinterIsAFailure()
    {
        QVERIFY(runAdmin(QStringLiteral("lpadmin"), {QStringLiteral("-x"), Queue}));
        const FakeScreenMetrics screen;
        QtPrinterService printer(screen, passwords);
        const CheckedPrinter checked = printer.checkDefaultPrinter();
        QVERIFY(!checked.job);
        QVERIFY(!checked.failure.isEmpty());
    }
};

QTEST_MAIN(PrinterTest)
#include "test_printer.moc"
