// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the system's default printer.
#pragma once

#include "platform/services/OutputResult.h"

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <memory>

class QImage;

// The paper the default printer prints on: its name as people know it
// ("A4", "Letter", "4 x 6 in") and the size of its printable area.
struct PrinterPaper
{
    QString name;
    bool metric = false; // its lengths are read in millimetres
    QSizeF printableTwips;
};

// What the check found.
struct DefaultPrinter
{
    QString name; // as the person named it: a queue, or a class of printers
    PrinterPaper paper;
    bool color = true; // false: it prints in shades of grey only
    // The paper the person or the queue asked for, where the printer has
    // none of it and prints on `paper` instead; empty otherwise.
    QString paperInsteadOf;
    bool accepting = true; // false: it refuses every job
    bool stopped = false;  // paused or stopped: a job waits until it is resumed
    QString stateMessage;  // why, in its administrator's or CUPS's words; may be empty
};

// How a job that the printing system took ended.
struct JobOutcome
{
    enum class End
    {
        Completed,
        Canceled,
        Aborted,     // the printer failed it: nothing was printed
        QueueStopped // the printer stopped; the job waits until it is resumed
    };
    End end = End::Completed;
    QString printerMessage; // what the printer said, where it said anything
};

// One print on the default printer, from the check that found the printer to
// the hand-over: the printer and paper the page is laid out on, the page,
// the job's settings. Positions are in twips from the top-left corner of the
// page's printable area. The page is opened by the first picture drawn and
// sent by endDocument.
//
// Handing the job over can take a while: endDocument keeps the program's
// windows painting and answering input until the printing system answers,
// asks the person for a password in a window where the print server wants
// one, and gives up after a time limit. The caller must expect its windows to
// have changed when it returns, and shows the person that it waits.
class PrintJob
{
  public:
    PrintJob() = default;
    virtual ~PrintJob() = default;
    Q_DISABLE_COPY_MOVE(PrintJob)

    [[nodiscard]] virtual const DefaultPrinter &printer() const = 0;
    // The two job settings. Colour output on a printer without colour asks
    // for its greys.
    virtual void setHighQuality() = 0;
    virtual void setColorOutput() = 0;
    // The width of the page's printable area.
    [[nodiscard]] virtual double pageWidthTwips() const = 0;
    // Draws the picture at its natural size, the size it has on the screen.
    virtual OutputResult drawPicture(const QImage &picture, QPointF topLeftTwips) = 0;
    // Ends the page and hands the job to the printing system.
    virtual OutputResult endDocument() = 0;
    // After a hand-over: follows the job in the background, for as long as
    // the program runs, and tells whenEnded how it ended, on this thread.
    // The job object need not outlive the following.
    virtual void follow(std::function<void(const JobOutcome &)> whenEnded) = 0;
};

// A job on the default printer, or why there is none.
struct CheckedPrinter
{
    std::unique_ptr<PrintJob> job;
    QString failure;
};

class PrinterService
{
  public:
    PrinterService() = default;
    virtual ~PrinterService() = default;
    Q_DISABLE_COPY_MOVE(PrinterService)

    // Finds the system's default printer, the paper it prints on and its
    // state, and opens a job on it. It keeps the windows answering while the
    // printing system is asked, and gives up after a time limit.
    virtual CheckedPrinter checkDefaultPrinter() = 0;
};

// The printer, or why the program has none.
struct OpenedPrinter
{
    PrinterService *printer = nullptr; // kept by the opener; null when it failed
    QString failure;
};

// Where the commands get the printer. Its code may be loaded only when it is
// first opened: the program starts without it.
class PrinterOpener
{
  public:
    virtual ~PrinterOpener() = default;
    [[nodiscard]] virtual OpenedPrinter openPrinter() = 0;
};
