// Tintwell - what a print asks the printing system (CUPS).
#include "platform/services/CupsExchange.h"
#include "platform/services/CupsDefaultName.h"
#include "platform/services/CupsPapers.h"

#include <cerrno>
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

using DestGuard = std::unique_ptr<cups_dest_t, void (*)(cups_dest_t *)>;
using InfoGuard = std::unique_ptr<cups_dinfo_t, decltype(&cupsFreeDestInfo)>;

DestGuard guarded(cups_dest_t *dest)
{
    return {dest, [](cups_dest_t *d) { cupsFreeDests(1, d); }};
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
    const char *temporary = cupsGetOption("printer-is-temporary", dest.num_options, dest.options);
    const bool queued = cupsGetOption("printer-uri-supported", dest.num_options, dest.options);
    if (queued && !(temporary && qstrcmp(temporary, "true") == 0)) {
        return {};
    }
    return cupsGetOption("device-uri", dest.num_options, dest.options);
}

CupsDestination describe(http_t *http, cups_dest_t *dest, cups_dinfo_t *info,
                         const QByteArray &discovered)
{
    CupsDestination found{dest->name,
                          cupsGetOption("printer-uri-supported", dest->num_options, dest->options),
                          discovered,
                          cupsGetOption("printer-info", dest->num_options, dest->options),
                          {},
                          paperOf(http, dest, info),
                          bestResolution(http, dest, info),
                          printsInColor(http, dest, info)};
    for (int i = 0; i < dest->num_options; ++i) {
        found.defaults.append(
            std::pair<QByteArray, QByteArray>(dest->options[i].name, dest->options[i].value));
    }
    return found;
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

ipp_status_t printJob(http_t *http, const CupsDestination &destination, cups_option_t *options,
                      int count, const QString &pdfPath, bool &numbered)
{
    const QByteArray resource = "/printers/" + destination.name;
    const QByteArray uri =
        destination.uri.isEmpty() ? "ipp://localhost" + resource : destination.uri;
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
    ipp_t *response =
        cupsDoFileRequest(http, request, resource.constData(), pdfPath.toLocal8Bit().constData());
    const ipp_status_t status = cupsLastError();
    numbered = response && ippFindAttribute(response, "job-id", IPP_TAG_INTEGER);
    ippDelete(response);
    return status;
}

} // namespace

CupsLookup lookUpDefaultDestination(std::chrono::milliseconds patience)
{
    const Connection cups(patience);
    if (!cups.isOpen()) {
        return {std::nullopt, cups.failure()};
    }
    // As lp finds it: LPDEST, PRINTER, the person's lpoptions, the system's.
    const std::optional<CupsDefaultName> chosen = cupsDefaultName();
    const DestGuard dest = guarded(cupsGetNamedDest(
        cups.get(), chosen ? chosen->name.constData() : nullptr,
        chosen && !chosen->instance.isEmpty() ? chosen->instance.constData() : nullptr));
    if (!dest) {
        const ipp_status_t status = cupsLastError();
        if (cups.timedOut() || (failed(status) && status != IPP_STATUS_ERROR_NOT_FOUND)) {
            return {std::nullopt, cups.failure()};
        }
        return {std::nullopt, chosen ? notFound(*chosen)
                                     : QStringLiteral("no printer is set as the default printer")};
    }
    const QByteArray discovered = discoveredUri(*dest);
    // For a printer known from the network alone this makes its queue.
    const InfoGuard info(cupsCopyDestInfo(cups.get(), dest.get()), &cupsFreeDestInfo);
    if (cups.timedOut()) {
        return {std::nullopt, cups.failure()};
    }
    if (!info && !discovered.isEmpty()) {
        return {std::nullopt,
                QStringLiteral("the default printer \"%1\" was found on the network, but CUPS "
                               "could not set it up for printing: %2")
                    .arg(QString::fromUtf8(dest->name), cups.failure())};
    }
    return {describe(cups.get(), dest.get(), info.get(), discovered), {}};
}

OutputResult sendCupsJob(const CupsDestination &destination, const CupsOptions &settings,
                         const QString &pdfPath, std::chrono::milliseconds patience)
{
    const Connection cups(patience);
    if (!cups.isOpen()) {
        return OutputResult::failure(cups.failure());
    }
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
    bool numbered = false;
    ipp_status_t status = printJob(cups.get(), destination, options, count, pdfPath, numbered);
    // CUPS drops a temporary queue a minute after its last use: the person
    // may have taken longer to say yes.
    if (status == IPP_STATUS_ERROR_NOT_FOUND && !destination.discoveredUri.isEmpty() &&
        makeQueue(cups.get(), destination)) {
        status = printJob(cups.get(), destination, options, count, pdfPath, numbered);
    }
    cupsFreeOptions(count, options);
    if (cups.timedOut()) {
        return OutputResult::failure(cups.failure());
    }
    if (failed(status) || !numbered) {
        return OutputResult::failure(QStringLiteral("the printer \"%1\" did not take the job: %2")
                                         .arg(QString::fromUtf8(destination.name), cups.failure()));
    }
    return OutputResult::success();
}
