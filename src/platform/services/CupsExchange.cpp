// Tintwell - what a print asks the printing system (CUPS).
#include "platform/services/CupsExchange.h"

#include <QLocale>
#include <cerrno>
#include <cups/cups.h>
#include <memory>

namespace {

constexpr auto JobTitle = "Tintwell";
constexpr double HundredthsPerMm = 100.0;

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

// The paper's own size when the printer describes no margins: the media
// named, else the usual paper where the person lives.
cups_size_t paperWithoutMargins(const char *named)
{
    pwg_media_t *media = named ? pwgMediaForPWG(named) : nullptr;
    if (!media && named) {
        media = pwgMediaForLegacy(named);
    }
    if (!media) {
        const bool usLetter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
        media = pwgMediaForPWG(usLetter ? "na_letter_8.5x11in" : "iso_a4_210x297mm");
    }
    cups_size_t size{};
    qstrncpy(size.media, media->pwg, sizeof size.media);
    size.width = media->width;
    size.length = media->length;
    return size;
}

// orientation-requested 4 turns the page a quarter to the left, 5 to the
// right; the margins turn with it, the size stays the paper's upright one.
CupsPaper turned(const cups_size_t &size, const cups_dest_t &dest)
{
    const auto mm = [](int hundredths) { return hundredths / HundredthsPerMm; };
    CupsPaper paper{size.media, QSizeF(mm(size.width), mm(size.length)),
                    QMarginsF(mm(size.left), mm(size.top), mm(size.right), mm(size.bottom))};
    const int orientation =
        cupsGetIntegerOption("orientation-requested", dest.num_options, dest.options);
    if (orientation == IPP_ORIENT_LANDSCAPE || orientation == IPP_ORIENT_REVERSE_LANDSCAPE) {
        const QMarginsF m = paper.margins;
        paper.landscape = true;
        paper.margins = orientation == IPP_ORIENT_LANDSCAPE
                            ? QMarginsF(m.bottom(), m.left(), m.top(), m.right())
                            : QMarginsF(m.top(), m.right(), m.bottom(), m.left());
    }
    return paper;
}

// The paper a job without a media of its own would get, as lp sends it: the
// person's or the queue's default media, with the margins the printer has
// for it.
CupsPaper paperOf(http_t *http, cups_dest_t *dest, cups_dinfo_t *info)
{
    const char *named = cupsGetOption("media", dest->num_options, dest->options);
    if (!named && info) {
        // The queue's default as its settings say; CUPS's own "default media"
        // would be the printer's, which those settings may have changed.
        named = ippGetString(cupsFindDestDefault(http, dest, info, "media"), 0, nullptr);
    }
    cups_size_t size{};
    if (!info || !((named && cupsGetDestMediaByName(http, dest, info, named, 0, &size)) ||
                   cupsGetDestMediaDefault(http, dest, info, 0, &size))) {
        size = paperWithoutMargins(named);
    }
    return turned(size, *dest);
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

CupsDestination describe(http_t *http, cups_dest_t *dest, cups_dinfo_t *info)
{
    CupsDestination found{dest->name,
                          cupsGetOption("printer-uri-supported", dest->num_options, dest->options),
                          {},
                          paperOf(http, dest, info),
                          bestResolution(http, dest, info)};
    for (int i = 0; i < dest->num_options; ++i) {
        found.defaults.append(
            std::pair<QByteArray, QByteArray>(dest->options[i].name, dest->options[i].value));
    }
    return found;
}

} // namespace

CupsLookup lookUpDefaultDestination(std::chrono::milliseconds patience)
{
    const Connection cups(patience);
    if (!cups.isOpen()) {
        return {std::nullopt, cups.failure()};
    }
    // As lp finds it: LPDEST, PRINTER, the person's lpoptions, the system's.
    cups_dest_t *dest = cupsGetNamedDest(cups.get(), nullptr, nullptr);
    if (!dest) {
        const ipp_status_t status = cupsLastError();
        if (cups.timedOut() || (failed(status) && status != IPP_STATUS_ERROR_NOT_FOUND)) {
            return {std::nullopt, cups.failure()};
        }
        return {std::nullopt, QStringLiteral("no printer is set as the default printer")};
    }
    const std::unique_ptr<cups_dest_t, void (*)(cups_dest_t *)> destGuard(
        dest, [](cups_dest_t *d) { cupsFreeDests(1, d); });
    const std::unique_ptr<cups_dinfo_t, decltype(&cupsFreeDestInfo)> info(
        cupsCopyDestInfo(cups.get(), dest), &cupsFreeDestInfo);
    if (cups.timedOut()) {
        return {std::nullopt, cups.failure()};
    }
    return {describe(cups.get(), dest, info.get()), {}};
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
    cupsFreeOptions(count, options);

    // One request carries the job and its document: one cut short by the
    // program's end or a lost connection makes no job at all.
    ipp_t *response = cupsDoFileRequest(cups.get(), request, resource.constData(),
                                        pdfPath.toLocal8Bit().constData());
    const ipp_status_t status = cupsLastError();
    const bool numbered = response && ippFindAttribute(response, "job-id", IPP_TAG_INTEGER);
    ippDelete(response);
    if (cups.timedOut()) {
        return OutputResult::failure(cups.failure());
    }
    if (failed(status) || !numbered) {
        return OutputResult::failure(QStringLiteral("the printer \"%1\" did not take the job: %2")
                                         .arg(QString::fromUtf8(destination.name), cups.failure()));
    }
    return OutputResult::success();
}
