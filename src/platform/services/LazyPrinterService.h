// Tintwell - the default printer, its code loaded on the first print.
#pragma once

#include "platform/services/PrinterService.h"

#include <QLibrary>
#include <QString>
#include <QtGlobal>
#include <memory>

class ScreenMetrics;

// Printing needs CUPS and Qt's PDF writer, which with what they pull in
// add some megabytes to a process; the program starts without them and
// loads the printer library (tintwell_printing) when a print first asks for
// the printer. A library that cannot be loaded makes every print fail with
// the loader's reason.
class LazyPrinterService final : public PrinterService
{
  public:
    // folders: where to look for the library, in order.
    LazyPrinterService(const ScreenMetrics &screen, QStringList folders);
    ~LazyPrinterService() override;
    Q_DISABLE_COPY_MOVE(LazyPrinterService)

    // Beside the program, then in ../lib/tintwell as installed.
    [[nodiscard]] static QStringList programFolders();

    OutputResult checkDefaultPrinter() override;
    [[nodiscard]] DefaultPrinter defaultPrinter() override;
    void setHighQuality() override;
    void setColorOutput() override;
    [[nodiscard]] double pageWidthTwips() override;
    OutputResult drawPicture(const QImage &picture, QPointF topLeftTwips) override;
    OutputResult endDocument() override;

  private:
    PrinterService *printer();
    [[nodiscard]] OutputResult notLoaded() const;

    const ScreenMetrics &screen_;
    QStringList folders_;
    QLibrary library_;
    QString loadFailure_;
    std::unique_ptr<PrinterService> printer_;
};
