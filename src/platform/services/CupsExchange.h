// Tintwell - what a print asks the printing system (CUPS): the default
// destination with the paper it prints on, and the hand-over of a job.
#pragma once

#include "platform/services/OutputResult.h"

#include <QByteArray>
#include <QList>
#include <QMarginsF>
#include <QSizeF>
#include <QString>
#include <chrono>
#include <optional>
#include <utility>

using CupsOptions = QList<std::pair<QByteArray, QByteArray>>;

// The paper of a destination; millimetres.
struct CupsPaper
{
    QByteArray media;  // its PWG name, "na_letter_8.5x11in"
    QSizeF size;       // upright
    QMarginsF margins; // where the printer cannot print, on the page as it is turned
    bool landscape = false;
};

struct CupsDestination
{
    QByteArray name; // the queue
    QByteArray uri;
    // The destination's defaults with the person's own (lpoptions) merged
    // in, as lp would send them with a job.
    CupsOptions defaults;
    CupsPaper paper;
    QByteArray bestResolution; // "600dpi"; empty when the printer names none
};

struct CupsLookup
{
    std::optional<CupsDestination> destination;
    QString failure; // when there is no destination
};

// Both calls block, each on a connection of its own that gives up when the
// printing system has not answered for `patience`: they are meant for a
// thread of their own, and take and give copies only.
CupsLookup lookUpDefaultDestination(std::chrono::milliseconds patience);
// Sends the PDF as one Print-Job request: a request cut short leaves no job.
// settings: the job's own, over the destination's defaults.
OutputResult sendCupsJob(const CupsDestination &destination, const CupsOptions &settings,
                         const QString &pdfPath, std::chrono::milliseconds patience);
