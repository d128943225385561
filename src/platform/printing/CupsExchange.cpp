// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - what a print asks the printing system (CUPS).
#include "platform/printing/CupsExchange.h"

#include "platform/printing/CupsDefaultName.h"
#include "platform/printing/CupsPapers.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cups/cups.h>
#include <memory>

namespace {

constexpr auto JobTitle = "Tintwell";

// A connection of its own to the printing system, whose every wait for an
// answer gives up after `patience`.
class Connection
{
  public:
    explicit Connection(std::chrono::milliseconds patience)
        : patience_(patience),
          http_(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                             static_cast<int>(patience.count()), nullptr),
                &httpClose)
    {
        if (http_) {
            // Without a callback a wait that runs out fails the request.
            httpSetTimeout(http_.get(), static_cast<double>(patience.count()) / 1000, nullptr,
                           nullptr);
        }
    }

    [[nodiscard]] http_t *get() const { return http_.get(); }
    [[nodiscard]] bool isOpen() const { return http_ != nullptr; }

    // In words for a message: why the last request over it failed.
    [[nodiscard]] QString failure() const
    {
        if (!http_) {
            return QStringLiteral("the printing system (CUPS) is not running or cannot be reached");
        }
        if (timedOut()) {
            return QStringLiteral("the printing system (CUPS) has not answered for %1 seconds")
                .arg(static_cast<double>(patience_.count()) / 1000);
        }
        return QString::fromUtf8(cupsLastErrorString());
    }
    [[nodiscard]] bool timedOut() const { return http_ && httpError(http_.get()) == ETIMEDOUT; }

  private:
    std::chrono::milliseconds patience_;
    std::unique_ptr<http_t, decltype(&httpClose)> http_;
};

bool failed(ipp_status_t status)
{
    return status > IPP_STATUS_OK_EVENTS_COMPLETE;
}

const char *optionOf(const cups_dest_t &dest, const char *name)
{
    return cupsGetOption(name, dest.num_options, dest.options);
}

// The checks and the following of a job never ask for a password: without
// this libcups would ask on the terminal, where nobody looks.
const char *neverAsk(const char *, http_t *, const char *, const char *, void *)
{
    return nullptr;
}

// The print server's questions for a password during one hand-over, on its
// thread: asked through the person's window, and forgotten once answered.
// libcups asks again for as long as it is given passwords that the server
// refuses (cupsDoAuthentication in cups/auth.c counts only repeats of the
// same password; only an empty answer ends it): the person is asked
// MostAsks times.
class PasswordAnswers
{
  public:
    static constexpr int MostAsks = 3;

    explicit PasswordAnswers(const AskPassword &ask) : ask_(ask)
    {
        cupsSetPasswordCB2(&PasswordAnswers::answer, this);
    }
    ~PasswordAnswers()
    {
        forget();
        cupsSetPasswordCB2(&neverAsk, nullptr);
    }
    Q_DISABLE_COPY_MOVE(PasswordAnswers)

    [[nodiscard]] bool cancelled() const { return cancelled_; }
    [[nodiscard]] bool refused() const { return refused_; }
    [[nodiscard]] const QString &server() const { return server_; }
    [[nodiscard]] const QString &user() const { return user_; }

  private:
    static const char *answer(const char *, http_t *http, const char *, const char *, void *data)
    {
        return static_cast<PasswordAnswers *>(data)->next(http);
    }

    const char *next(http_t *http)
    {
        forget();
        std::array<char, 256> host{};
        server_ = QString::fromUtf8(httpGetHostname(http, host.data(), int(host.size())));
        user_ = QString::fromUtf8(cupsUser());
        if (asks_ == MostAsks) {
            refused_ = true;
            return nullptr;
        }
        std::optional<Credentials> given =
            ask_ ? ask_({.server = server_, .user = user_, .again = asks_ > 0}) : std::nullopt;
        ++asks_;
        if (!given) {
            cancelled_ = true;
            return nullptr;
        }
        if (!given->user.isEmpty() && given->user != user_) {
            user_ = given->user;
            cupsSetUser(user_.toUtf8().constData()); // libcups pairs it with the password
        }
        password_ = given->password.toUtf8();
        given->password.fill(QChar(u'\0'));
        return password_.constData();
    }

    void forget()
    {
        password_.fill('\0');
        password_.clear();
    }

    const AskPassword &ask_;
    QByteArray password_;
    QString server_;
    QString user_;
    int asks_ = 0;
    bool cancelled_ = false;
    bool refused_ = false;
};

using DestGuard = std::unique_ptr<cups_dest_t, void (*)(cups_dest_t *)>;
using InfoGuard = std::unique_ptr<cups_dinfo_t, decltype(&cupsFreeDestInfo)>;

DestGuard guarded(cups_dest_t *dest)
{
    return {dest, [](cups_dest_t *d) { cupsFreeDests(1, d); }};
}

// The path of a printer's, class's or job's address: what a request is
// posted to.
QByteArray resourceOf(const QByteArray &uri)
{
    std::array<char, 32> scheme{};
    std::array<char, 256> user{};
    std::array<char, 256> host{};
    std::array<char, 1024> resource{};
    int port = 0;
    if (httpSeparateURI(HTTP_URI_CODING_ALL, uri.constData(), scheme.data(), int(scheme.size()),
                        user.data(), int(user.size()), host.data(), int(host.size()), &port,
                        resource.data(), int(resource.size())) < HTTP_URI_STATUS_OK) {
        return "/";
    }
    return resource.data();
}

QByteArray jobUri(int jobId)
{
    return "ipp://localhost/jobs/" + QByteArray::number(jobId);
}

ipp_t *jobRequest(ipp_op_t operation, int jobId)
{
    ipp_t *request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr,
                 jobUri(jobId).constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    return request;
}

QByteArray bestResolution(http_t *http, cups_dest_t *dest, cups_dinfo_t *info)
{
    ipp_attribute_t *supported =
        info ? cupsFindDestSupported(http, dest, info, "printer-resolution") : nullptr;
    QByteArray best;
    long bestDots = 0;
    for (int i = 0; supported && i < ippGetCount(supported); ++i) {
        int y = 0;
        ipp_res_t units = IPP_RES_PER_INCH;
        const int x = ippGetResolution(supported, i, &y, &units);
        if (units == IPP_RES_PER_INCH && long(x) * y > bestDots) {
            bestDots = long(x) * y;
            best = x == y ? QByteArray::number(x) + "dpi"
                          : QByteArray::number(x) + 'x' + QByteArray::number(y) + "dpi";
        }
    }
    return best;
}

// A printer prints in colour unless it says otherwise: by the colour modes
// it offers, or else by color-supported.
bool printsInColor(http_t *http, cups_dest_t *dest, cups_dinfo_t *info)
{
    if (!info) {
        return true;
    }
    if (ipp_attribute_t *modes = cupsFindDestSupported(http, dest, info, CUPS_PRINT_COLOR_MODE)) {
        return ippContainsString(modes, CUPS_PRINT_COLOR_MODE_COLOR) != 0;
    }
    ipp_attribute_t *color = cupsFindDestSupported(http, dest, info, "color");
    return !color || ippGetBoolean(color, 0) != 0;
}

// CUPS knows the printer from the network alone: a queue it has not made
// yet, or one it made for a while (a temporary queue).
QByteArray discoveredUri(const cups_dest_t &dest)
{
    const char *temporary = optionOf(dest, "printer-is-temporary");
    const bool queued = optionOf(dest, "printer-uri-supported");
    if (queued && !(temporary && qstrcmp(temporary, "true") == 0)) {
        return {};
    }
    return optionOf(dest, "device-uri");
}

// Its state, among its options: one that says nothing takes jobs and prints.
bool isAccepting(const cups_dest_t &dest)
{
    const char *accepting = optionOf(dest, "printer-is-accepting-jobs");
    return !accepting || qstrcmp(accepting, "false") != 0;
}

bool isStopped(const cups_dest_t &dest)
{
    return cupsGetIntegerOption("printer-state", dest.num_options, dest.options) ==
           IPP_PSTATE_STOPPED;
}

// What a destination's options do not carry: why it is stopped or refusing,
// and the printers of a class.
struct PrinterWords
{
    QString stateMessage;
    QList<QByteArray> members;
};

PrinterWords printerWords(http_t *http, const QByteArray &uri)
{
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    static const char *const wanted[] = {"member-names", "printer-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr,
                  wanted);
    ipp_t *response = cupsDoRequest(http, request, resourceOf(uri).constData());
    PrinterWords words;
    if (ipp_attribute_t *message =
            ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT)) {
        words.stateMessage = QString::fromUtf8(ippGetString(message, 0, nullptr)).trimmed();
    }
    ipp_attribute_t *members = ippFindAttribute(response, "member-names", IPP_TAG_NAME);
    for (int i = 0; members && i < ippGetCount(members); ++i) {
        words.members.append(ippGetString(members, i, nullptr));
    }
    ippDelete(response);
    return words;
}

// asked: the destination the person chose, whose options the job carries;
// described: the printer that describes the papers and colours, the same
// one, or a class's first printer.
CupsDestination describe(http_t *http, const cups_dest_t &asked, cups_dest_t *described,
                         cups_dinfo_t *info, const QByteArray &discovered)
{
    CupsDestination found{
        .name = asked.name,
        .uri = optionOf(asked, "printer-uri-supported"),
        .discoveredUri = discovered,
        .info = optionOf(asked, "printer-info"),
        .defaults = {},
        .paper = paperOf(http, asked, described, info),
        .bestResolution = bestResolution(http, described, info),
        .color = printsInColor(http, described, info),
        .accepting = isAccepting(asked),
        .stopped = isStopped(asked),
        .stateMessage = {},
    };
    for (int i = 0; i < asked.num_options; ++i) {
        found.defaults.append(CupsOption(asked.options[i].name, asked.options[i].value));
    }
    return found;
}

bool isClass(const cups_dest_t &dest)
{
    const int type = cupsGetIntegerOption("printer-type", dest.num_options, dest.options);
    return type != INT_MIN && (type & CUPS_PRINTER_CLASS) != 0;
}

QString notFound(const CupsDefaultName &chosen)
{
    return QStringLiteral("the default printer \"%1\", set by %2, cannot be found: CUPS has no "
                          "printer of that name, nor finds one on the network")
        .arg(QString::fromUtf8(chosen.name), chosen.setBy);
}

// Asks CUPS, as lp does, to make the queue of a printer it knows from the
// network alone; a queue that is there already is kept. libcups makes it
// while it reads the printer's description.
bool makeQueue(http_t *http, const CupsDestination &destination)
{
    cups_dest_t dest{};
    dest.name = const_cast<char *>(destination.name.constData());
    dest.num_options =
        cupsAddOption("device-uri", destination.discoveredUri.constData(), 0, &dest.options);
    if (!destination.info.isEmpty()) {
        dest.num_options = cupsAddOption("printer-info", destination.info.constData(),
                                         dest.num_options, &dest.options);
    }
    const InfoGuard info(cupsCopyDestInfo(http, &dest), &cupsFreeDestInfo);
    cupsFreeOptions(dest.num_options, dest.options);
    return info != nullptr;
}

// The job's number, or 0 when the printing system took no job.
int printJob(http_t *http, const CupsDestination &destination, cups_option_t *options, int count,
             const QString &pdfPath)
{
    const QByteArray uri = destination.uri.isEmpty()
                               ? "ipp://localhost/printers/" + destination.name
                               : destination.uri;
    ipp_t *request = ippNewRequest(IPP_OP_PRINT_JOB);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, JobTitle);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_MIMETYPE, "document-format", nullptr,
                 "application/pdf");
    cupsEncodeOptions2(request, count, options, IPP_TAG_OPERATION);
    cupsEncodeOptions2(request, count, options, IPP_TAG_JOB);
    // One request carries the job and its document: one cut short by the
    // program's end or a lost connection makes no job at all.
    ipp_t *response = cupsDoFileRequest(http, request, resourceOf(uri).constData(),
                                        pdfPath.toLocal8Bit().constData());
    const ipp_status_t status = cupsLastError();
    ipp_attribute_t *id = ippFindAttribute(response, "job-id", IPP_TAG_INTEGER);
    const int jobId = id && !failed(status) ? ippGetInteger(id, 0) : 0;
    ippDelete(response);
    return jobId;
}

} // namespace

CupsLookup lookUpDefaultDestination(std::chrono::milliseconds patience)
{
    cupsSetPasswordCB2(&neverAsk, nullptr);
    const Connection cups(patience);
    if (!cups.isOpen()) {
        return {.destination = std::nullopt, .failure = cups.failure()};
    }
    // As lp finds it: LPDEST, PRINTER, the person's lpoptions, the system's.
    const std::optional<CupsDefaultName> chosen = cupsDefaultName();
    const DestGuard dest = guarded(cupsGetNamedDest(
        cups.get(), chosen ? chosen->name.constData() : nullptr,
        chosen && !chosen->instance.isEmpty() ? chosen->instance.constData() : nullptr));
    if (!dest) {
        const ipp_status_t status = cupsLastError();
        if (cups.timedOut() || (failed(status) && status != IPP_STATUS_ERROR_NOT_FOUND)) {
            return {.destination = std::nullopt, .failure = cups.failure()};
        }
        return {.destination = std::nullopt,
                .failure = chosen ? notFound(*chosen)
                                  : QStringLiteral("no printer is set as the default printer")};
    }
    const QByteArray discovered = discoveredUri(*dest);
    // For a printer known from the network alone this makes its queue.
    const InfoGuard info(cupsCopyDestInfo(cups.get(), dest.get()), &cupsFreeDestInfo);
    if (cups.timedOut()) {
        return {.destination = std::nullopt, .failure = cups.failure()};
    }
    if (!info && !discovered.isEmpty()) {
        return {.destination = std::nullopt,
                .failure =
                    QStringLiteral("the default printer \"%1\" was found on the network, but CUPS "
                                   "could not set it up for printing: %2")
                        .arg(QString::fromUtf8(dest->name), cups.failure())};
    }
    // A class describes no papers of its own: its first printer, the one CUPS
    // tries first, does.
    const QByteArray uri = optionOf(*dest, "printer-uri-supported");
    const bool asClass = isClass(*dest);
    // Asked only where there is something to tell or a class to look into.
    const PrinterWords words =
        !uri.isEmpty() && (asClass || isStopped(*dest) || !isAccepting(*dest))
            ? printerWords(cups.get(), uri)
            : PrinterWords{};
    DestGuard member = guarded(nullptr);
    InfoGuard memberInfo(nullptr, &cupsFreeDestInfo);
    if (asClass && !words.members.isEmpty()) {
        member = guarded(cupsGetNamedDest(cups.get(), words.members.front().constData(), nullptr));
        if (member) {
            memberInfo.reset(cupsCopyDestInfo(cups.get(), member.get()));
        }
    }
    if (cups.timedOut()) {
        return {.destination = std::nullopt, .failure = cups.failure()};
    }
    const bool byMember = memberInfo != nullptr;
    CupsDestination found = describe(cups.get(), *dest, byMember ? member.get() : dest.get(),
                                     byMember ? memberInfo.get() : info.get(), discovered);
    found.stateMessage = words.stateMessage;
    return {.destination = std::move(found), .failure = {}};
}

CupsSent sendCupsJob(const CupsDestination &destination, const CupsOptions &settings,
                     const QString &pdfPath, std::chrono::milliseconds patience,
                     const AskPassword &askPassword)
{
    const Connection cups(patience);
    if (!cups.isOpen()) {
        return {.result = OutputResult::failure(cups.failure())};
    }
    const PasswordAnswers passwords(askPassword);
    cups_option_t *options = nullptr;
    int count = 0;
    for (const CupsOptions &list : {destination.defaults, settings}) {
        for (const auto &[name, value] : list) {
            count = cupsAddOption(name.constData(), value.constData(), count, &options);
        }
    }
    // The paper is stated once: its size and margins replace a name.
    if (cupsGetOption("media-col", count, options)) {
        count = cupsRemoveOption(CUPS_MEDIA, count, &options);
    }
    int jobId = printJob(cups.get(), destination, options, count, pdfPath);
    // CUPS drops a temporary queue a minute after its last use: the person
    // may have taken longer to say yes.
    if (jobId == 0 && cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND &&
        !destination.discoveredUri.isEmpty() && makeQueue(cups.get(), destination)) {
        jobId = printJob(cups.get(), destination, options, count, pdfPath);
    }
    cupsFreeOptions(count, options);
    if (cups.timedOut()) {
        return {.result = OutputResult::failure(cups.failure())};
    }
    if (passwords.cancelled()) {
        return {
            .result = OutputResult::failure(
                QStringLiteral("the print server \"%1\" needs your password to print")
                    .arg(passwords.server()),
                QStringLiteral("Print the color again, and give the user name and password of your "
                               "account on the print server when they are asked for."))};
    }
    if (passwords.refused()) {
        return {
            .result = OutputResult::failure(
                QStringLiteral("the print server \"%1\" did not accept the password for \"%2\"")
                    .arg(passwords.server(), passwords.user()),
                QStringLiteral("Print the color again with the user name and password of your "
                               "account on the print server, or ask its administrator for them."))};
    }
    if (jobId == 0) {
        return {.result = OutputResult::failure(
                    QStringLiteral("the printer \"%1\" did not take the job: %2")
                        .arg(QString::fromUtf8(destination.name), cups.failure()))};
    }
    return {.result = OutputResult::success(), .jobId = jobId};
}

void cancelCupsJob(int jobId, std::chrono::milliseconds patience)
{
    cupsSetPasswordCB2(&neverAsk, nullptr);
    const Connection cups(patience);
    if (cups.isOpen()) {
        ippDelete(cupsDoRequest(cups.get(), jobRequest(IPP_OP_CANCEL_JOB, jobId), "/jobs/"));
    }
}

CupsJobState cupsJobState(int jobId, std::chrono::milliseconds patience)
{
    cupsSetPasswordCB2(&neverAsk, nullptr);
    const Connection cups(patience);
    if (!cups.isOpen()) {
        return {};
    }
    ipp_t *request = jobRequest(IPP_OP_GET_JOB_ATTRIBUTES, jobId);
    static const char *const wanted[] = {"job-state", "job-state-reasons",
                                         "job-printer-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3, nullptr,
                  wanted);
    ipp_t *response = cupsDoRequest(cups.get(), request, "/jobs/");
    CupsJobState job;
    job.gone = cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND;
    if (ipp_attribute_t *state = ippFindAttribute(response, "job-state", IPP_TAG_ENUM)) {
        job.known = true;
        job.state = ippGetInteger(state, 0);
    }
    job.printerStopped =
        ippContainsString(ippFindAttribute(response, "job-state-reasons", IPP_TAG_KEYWORD),
                          "printer-stopped") != 0;
    if (ipp_attribute_t *message =
            ippFindAttribute(response, "job-printer-state-message", IPP_TAG_TEXT)) {
        job.printerMessage = QString::fromUtf8(ippGetString(message, 0, nullptr)).trimmed();
    }
    ippDelete(response);
    return job;
}
