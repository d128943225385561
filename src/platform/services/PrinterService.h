// Tintwell - the system's default printer.
#pragma once

#include "platform/services/OutputResult.h"

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QtGlobal>
#include <utility>

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
// caller must expect its windows to have changed when they return, and
// shows the person that it waits.
class PrinterService
{
  public:
    // One print's hold on the printer, from its check to its end. The
    // windows answer while the printing system is asked, so a second print
    // can start before the first is done; it must find the printer held and
    // do nothing, or its check would replace the printer and paper the first
    // one's page is laid out on.
    class Claim
    {
      public:
        explicit Claim(PrinterService &printer)
            : printer_(std::exchange(printer.claimed_, true) ? nullptr : &printer)
        {
        }
        ~Claim()
        {
            if (printer_) {
                printer_->claimed_ = false;
            }
        }
        Q_DISABLE_COPY_MOVE(Claim)

        // False: another print holds the printer.
        explicit operator bool() const { return printer_ != nullptr; }

      private:
        PrinterService *printer_;
    };

    PrinterService() = default;
    virtual ~PrinterService() = default;
    Q_DISABLE_COPY_MOVE(PrinterService)

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

  private:
    bool claimed_ = false;
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
