// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - what a print asks the printing system (CUPS): the default
// destination with the paper it prints on, and the hand-over of a job.
#pragma once

#include "platform/services/OutputResult.h"
#include "platform/services/PasswordPrompt.h"

#include <QByteArray>
#include <QList>
#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>
#include <utility>

using CupsOption = std::pair<QByteArray, QByteArray>;
using CupsOptions = QList<CupsOption>;

// The paper of a destination; millimetres.
struct CupsPaper
{
    QByteArray media; // its PWG name, "na_letter_8.5x11in"
    QString label;    // as people know it: "Letter", "A5", "4 x 6 in"
    bool metric = false;
    QSizeF size;       // upright
    QMarginsF margins; // where the printer cannot print, on the page as it is turned
    bool landscape = false;
    // What tells the printer this paper: its size and margins (media-col)
    // where the printer describes its papers, else its name.
    CupsOptions jobOptions;
    // The paper the person or the queue asked for, where the printer has
    // none of it and this one is used instead; empty otherwise.
    QString insteadOf;
};

struct CupsDestination
{
    QByteArray name; // the queue, or the class of printers
    QByteArray uri;
    // The printer's own address where CUPS knows it only from the network
    // (DNS-SD): its queue is temporary, and is made again should CUPS have
    // dropped it before the job comes.
    QByteArray discoveredUri;
    QByteArray info;
    // The destination's defaults with the person's own (lpoptions) merged
    // in, as lp would send them with a job.
    CupsOptions defaults;
    CupsPaper paper;
    QByteArray bestResolution; // "600dpi"; empty when the printer names none
    bool color = true;         // false: it prints in shades of grey only
    bool accepting = true;     // printer-is-accepting-jobs
    bool stopped = false;      // printer-state 5: paused by a person, or by CUPS after a failure
    QString stateMessage;      // printer-state-message, where it is stopped or refusing
};

struct CupsLookup
{
    std::optional<CupsDestination> destination;
    QString failure; // when there is no destination
};

// Asks the person for a password, on whatever thread may show a window;
// nothing when nobody can be asked or the person cancels.
using AskPassword = std::function<std::optional<Credentials>(const PasswordRequest &)>;

struct CupsSent
{
    OutputResult result = OutputResult::success();
    int jobId = 0; // as the printing system numbered it, when it took the job
};

// Where a job that the printing system took stands.
struct CupsJobState
{
    bool known = false; // false: the printing system did not answer
    bool gone = false;  // it no longer knows the job: it keeps no history of ended ones
    int state = 0;      // job-state: 3 pending ... 9 completed
    bool printerStopped = false;
    QString printerMessage; // job-printer-state-message
};

// Every call blocks, each on connections of their own that give up when the
// printing system has not answered for `patience`: they are meant for a
// thread of their own, and take and give copies only. None reads the
// terminal: a print server that wants a password is answered through
// askPassword, or not at all.
CupsLookup lookUpDefaultDestination(std::chrono::milliseconds patience);
// Sends the PDF as one Print-Job request: a request cut short leaves no job.
// settings: the job's own, over the destination's defaults.
CupsSent sendCupsJob(const CupsDestination &destination, const CupsOptions &settings,
                     const QString &pdfPath, std::chrono::milliseconds patience,
                     const AskPassword &askPassword);
// Takes back a job that was sent after its sender had given up on it.
void cancelCupsJob(int jobId, std::chrono::milliseconds patience);
CupsJobState cupsJobState(int jobId, std::chrono::milliseconds patience);
