// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the name of the default printer as the person set it.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

struct CupsDefaultName
{
    QByteArray name;
    QByteArray instance; // empty: the printer's own settings
    QString setBy;       // where it was set, for a message: "LPDEST"
};

// In lp's order: LPDEST, PRINTER, the person's lpoptions, the system's
// lpoptions. Nothing when none of them names one: the printing system's own
// default is then the default.
std::optional<CupsDefaultName> cupsDefaultName();
