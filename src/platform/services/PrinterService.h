// Tintwell - the system's default printer.
#pragma once

#include "platform/services/OutputResult.h"

#include <QPointF>

class QImage;

// Positions are in twips from the top-left corner of the page's printable
// area. A job is opened by the first picture drawn and sent by endDocument.
class PrinterService
{
  public:
    virtual ~PrinterService() = default;

    // Whether the system names a default printer; asks the printing system
    // only and creates no printer.
    virtual OutputResult checkDefaultPrinter() = 0;
    // The two job settings, kept for the program's printer until the program
    // ends; the first of them creates that printer.
    virtual void setHighQuality() = 0;
    virtual void setColorOutput() = 0;
    // The width of the page's printable area.
    [[nodiscard]] virtual double pageWidthTwips() = 0;
    // Draws the picture at its natural size: the size it has on the screen.
    virtual OutputResult drawPicture(const QImage &picture, QPointF topLeftTwips) = 0;
    // Ends the job and hands it to the printing system.
    virtual OutputResult endDocument() = 0;
};
