// Tintwell - the system's default printer.
#pragma once

#include "platform/services/OutputResult.h"

#include <QPointF>
#include <QSizeF>
#include <QString>

class QImage;

// The paper the default printer prints on: its name as people know it
// ("A4", "Letter", "4 x 6 in") and the size of its printable area.
struct PrinterPaper
{
    QString name;
    bool metric = false; // its lengths are read in millimetres
    QSizeF printableTwips;
};

// What the last successful check found.
struct DefaultPrinter
{
    QString name; // as the printing system names it
    PrinterPaper paper;
    bool color = true; // false: it prints in shades of grey only
    // The paper the person or the queue asked for, where the printer has
    // none of it and prints on `paper` instead; empty otherwise.
    QString paperInsteadOf;
};

// Positions are in twips from the top-left corner of the page's printable
// area. A job is opened by the first picture drawn and sent by endDocument.
//
// Asking the printing system can take a while: checkDefaultPrinter and
// endDocument keep the program's windows painting and answering input until
// it answers, or give up when it has not answered for a few seconds. The
// caller must expect its windows to have changed when they return.
class PrinterService
{
  public:
    virtual ~PrinterService() = default;

    // Finds the system's default printer and the paper it prints on.
    virtual OutputResult checkDefaultPrinter() = 0;
    // What the last successful check found.
    [[nodiscard]] virtual DefaultPrinter defaultPrinter() = 0;
    // The two job settings, kept for the program's printer until the program
    // ends. Colour output on a printer without colour asks for its greys.
    virtual void setHighQuality() = 0;
    virtual void setColorOutput() = 0;
    // The width of the page's printable area.
    [[nodiscard]] virtual double pageWidthTwips() = 0;
    // Draws the picture at its natural size, the size it has on the screen,
    // on the paper of the last successful check.
    virtual OutputResult drawPicture(const QImage &picture, QPointF topLeftTwips) = 0;
    // Ends the job and hands it to the printing system.
    virtual OutputResult endDocument() = 0;
};
