// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the paper a job without a paper of its own gets.
#include "platform/printing/CupsPapers.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace {

constexpr double HundredthsPerMm = 100.0;
constexpr double HundredthsPerInch = 2540.0;
// Two sizes within this of each other are the same paper (PWG's tolerance).
constexpr int SameSize = 100;

// A paper by any of the names people and printers give it: PWG
// ("na_letter_8.5x11in"), IPP's older names ("na-letter"), PPD and everyday
// names ("Letter", "A4", "Custom.100x150mm"), in any case.
pwg_media_t *mediaNamed(const char *name)
{
    if (!name || !*name) {
        return nullptr;
    }
    if (pwg_media_t *media = pwgMediaForPWG(name)) {
        return media;
    }
    if (pwg_media_t *media = pwgMediaForLegacy(name)) {
        return media;
    }
    if (pwg_media_t *media = pwgMediaForPPD(name)) {
        return media;
    }
    QByteArray capitalised = QByteArray(name).toLower();
    capitalised[0] = static_cast<char>(QChar::toUpper(capitalised[0]));
    if (pwg_media_t *media = pwgMediaForPPD(capitalised.constData())) {
        return media;
    }
    return pwgMediaForPPD(QByteArray(name).toUpper().constData());
}

QString number(double value)
{
    return QString::number(std::round(value * 100) / 100, 'g', 6);
}

// "Letter", "A5"; a paper known by its size alone, "4 x 6 in" or
// "100 x 150 mm".
QString labelOf(const char *pwgName, int width, int length)
{
    const pwg_media_t *media = pwgMediaForPWG(pwgName);
    const QString ppd = media && media->ppd ? QString::fromLatin1(media->ppd) : QString();
    static const QRegularExpression bySize(QStringLiteral("\\dx\\d"));
    if (!ppd.isEmpty() && ppd.at(0).isLetter() && !ppd.contains(bySize)) {
        return ppd;
    }
    if (QByteArray(pwgName).endsWith("in")) {
        return QStringLiteral("%1 x %2 in")
            .arg(number(width / HundredthsPerInch), number(length / HundredthsPerInch));
    }
    return QStringLiteral("%1 x %2 mm")
        .arg(number(width / HundredthsPerMm), number(length / HundredthsPerMm));
}

cups_size_t sizeOf(const pwg_media_t &media)
{
    cups_size_t size{};
    qstrncpy(size.media, media.pwg, sizeof size.media);
    size.width = media.width;
    size.length = media.length;
    return size;
}

// The usual paper where the person lives.
cups_size_t localPaper()
{
    const bool usLetter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return sizeOf(*pwgMediaForPWG(usLetter ? "na_letter_8.5x11in" : "iso_a4_210x297mm"));
}

bool sameSize(const cups_size_t &size, const pwg_media_t &media)
{
    return std::abs(size.width - media.width) <= SameSize &&
           std::abs(size.length - media.length) <= SameSize;
}

// One of the printer's papers for the one asked for: the same paper under
// any name, or a size the printer takes.
bool printerPaper(http_t *http, cups_dest_t *dest, cups_dinfo_t *info, const pwg_media_t &asked,
                  cups_size_t &size)
{
    if (cupsGetDestMediaByName(http, dest, info, asked.pwg, CUPS_MEDIA_FLAGS_DEFAULT, &size)) {
        return true;
    }
    return cupsGetDestMediaBySize(http, dest, info, asked.width, asked.length,
                                  CUPS_MEDIA_FLAGS_DEFAULT, &size) &&
           sameSize(size, asked);
}

// The paper's size and margins for the job, in CUPS's own terms.
CupsOptions jobOptionsFor(http_t *http, cups_dest_t *dest, cups_dinfo_t *info, cups_size_t &size,
                          bool described)
{
    cups_option_t *options = nullptr;
    int count = described ? cupsAddDestMediaOptions(http, dest, info, CUPS_MEDIA_FLAGS_DEFAULT,
                                                    &size, 0, &options)
                          : 0;
    if (count == 0) {
        count = cupsAddOption(CUPS_MEDIA, size.media, 0, &options);
    }
    CupsOptions job;
    for (int i = 0; i < count; ++i) {
        job.append(CupsOption(options[i].name, options[i].value));
    }
    cupsFreeOptions(count, options);
    return job;
}

// orientation-requested 4 turns the page a quarter to the left (its top
// edge becomes the left), 5 to the right; the margins turn with the page,
// the size stays the paper's upright one.
void turn(CupsPaper &paper, const cups_dest_t &dest)
{
    const int orientation = cupsGetIntegerOption(CUPS_ORIENTATION, dest.num_options, dest.options);
    if (orientation != IPP_ORIENT_LANDSCAPE && orientation != IPP_ORIENT_REVERSE_LANDSCAPE) {
        return;
    }
    const QMarginsF m = paper.margins;
    paper.landscape = true;
    paper.margins = orientation == IPP_ORIENT_LANDSCAPE
                        ? QMarginsF(m.bottom(), m.left(), m.top(), m.right())
                        : QMarginsF(m.top(), m.right(), m.bottom(), m.left());
}

} // namespace

CupsPaper paperOf(http_t *http, const cups_dest_t &asked, cups_dest_t *described,
                  cups_dinfo_t *info)
{
    cups_dest_t *dest = described;
    const char *named = cupsGetOption(CUPS_MEDIA, asked.num_options, asked.options);
    if (!named && info) {
        // The queue's default as its settings say; CUPS's own "default media"
        // would be the printer's, which those settings may have changed.
        named = ippGetString(cupsFindDestDefault(http, dest, info, CUPS_MEDIA), 0, nullptr);
    }
    const pwg_media_t *wanted = mediaNamed(named);
    const bool describesPapers =
        info && cupsGetDestMediaCount(http, dest, info, CUPS_MEDIA_FLAGS_DEFAULT) > 0;
    cups_size_t size{};
    bool found = false;
    if (describesPapers) {
        found = wanted && printerPaper(http, dest, info, *wanted, size);
        if (!found && !cupsGetDestMediaDefault(http, dest, info, CUPS_MEDIA_FLAGS_DEFAULT, &size)) {
            size = localPaper();
        }
    } else {
        // A printer that describes no papers takes the page as it is drawn.
        found = wanted != nullptr;
        size = wanted ? sizeOf(*wanted) : localPaper();
    }
    const auto mm = [](int hundredths) { return hundredths / HundredthsPerMm; };
    CupsPaper paper{
        .media = size.media,
        .label = labelOf(size.media, size.width, size.length),
        .metric = QByteArray(size.media).endsWith("mm"),
        .size = QSizeF(mm(size.width), mm(size.length)),
        .margins = QMarginsF(mm(size.left), mm(size.top), mm(size.right), mm(size.bottom)),
        .landscape = false,
        .jobOptions = jobOptionsFor(http, dest, info, size, describesPapers),
        .insteadOf = {},
    };
    if (named && !found) {
        paper.insteadOf =
            wanted ? labelOf(wanted->pwg, wanted->width, wanted->length) : QString::fromUtf8(named);
    }
    turn(paper, asked);
    return paper;
}
