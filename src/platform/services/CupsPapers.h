// Tintwell - the paper a job without a paper of its own gets, as lp finds
// it, and the paper's name as people know it.
#pragma once

#include "platform/services/CupsExchange.h"

#include <cups/cups.h>

// The person's or the queue's default paper, however it is named (PWG,
// everyday or PPD name, custom size), with the margins the printer has for
// it; where the printer has no such paper, its own default, saying so.
// info may be null: the destination described nothing.
CupsPaper paperOf(http_t *http, cups_dest_t *dest, cups_dinfo_t *info);
