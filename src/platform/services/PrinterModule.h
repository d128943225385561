// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - how the program finds the printer's code in its library.
#pragma once

class PasswordPrompt;
class PrinterService;
class ScreenMetrics;

// The library holding QtPrinterService, without prefix and suffix.
inline constexpr char PrinterModuleName[] = "tintwell_printing";
// Its one entry point: a new QtPrinterService, owned by the caller.
inline constexpr char CreatePrinterServiceSymbol[] = "tintwellCreatePrinterService";
using CreatePrinterService = PrinterService *(*)(const ScreenMetrics &screen,
                                                 PasswordPrompt &passwords);
