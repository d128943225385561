// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the paper a job without a paper of its own gets, as lp finds
// it, and the paper's name as people know it.
#pragma once

#include "platform/printing/CupsExchange.h"

#include <cups/cups.h>

// The person's or the queue's default paper, however it is named (PWG,
// everyday or PPD name, custom size), with the margins the printer has for
// it; where the printer has no such paper, its own default, saying so.
// asked: the destination the person chose, whose options name the paper and
// its turn; described, with info: the printer that has the papers, the same
// one or a class's printer. info may be null: the destination described
// nothing.
CupsPaper paperOf(http_t *http, const cups_dest_t &asked, cups_dest_t *described,
                  cups_dinfo_t *info);
