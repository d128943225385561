// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the name of the default printer as the person set it.
//
// CUPS 2.4.2's cupsGetNamedDest finds this name itself when asked for the
// default, but then looks for it among the queues only, never on the
// network: a driverless printer made the default is then "not found". Given
// the name, it looks on the network too. Mended upstream in CUPS 2.4.3
// (OpenPrinting/cups#452, pull request #455), whose crash when no default is
// set was mended in 2.4.4 (#719): this can go once 2.4.4 is the oldest CUPS
// the program is built for.
#include "platform/printing/CupsDefaultName.h"

#include <QDir>
#include <QFile>

namespace {

// NAME[/INSTANCE]
CupsDefaultName parse(const QByteArray &text, QString setBy)
{
    const qsizetype slash = text.indexOf('/');
    if (slash < 0) {
        return {.name = text, .instance = {}, .setBy = std::move(setBy)};
    }
    return {.name = text.left(slash), .instance = text.mid(slash + 1), .setBy = std::move(setBy)};
}

// The first "Default NAME[/INSTANCE] ..." line of an lpoptions file.
std::optional<CupsDefaultName> fromOptionsFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    while (!file.atEnd()) {
        const QList<QByteArray> words = file.readLine().simplified().split(' ');
        if (words.size() >= 2 && words[0].compare("Default", Qt::CaseInsensitive) == 0) {
            return parse(words[1], path);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<CupsDefaultName> cupsDefaultName()
{
    if (const QByteArray named = qgetenv("LPDEST"); !named.isEmpty()) {
        return parse(named, QStringLiteral("LPDEST"));
    }
    // PRINTER=lp is the old Unix default name, not a choice: lp ignores it.
    if (const QByteArray named = qgetenv("PRINTER"); !named.isEmpty() && named != "lp") {
        return parse(named, QStringLiteral("PRINTER"));
    }
    if (auto own = fromOptionsFile(QDir::home().filePath(QStringLiteral(".cups/lpoptions")))) {
        return own;
    }
    const QString serverRoot = qEnvironmentVariable("CUPS_SERVERROOT", QStringLiteral("/etc/cups"));
    return fromOptionsFile(QDir(serverRoot).filePath(QStringLiteral("lpoptions")));
}
