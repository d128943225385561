// Tintwell - the default printer, through Qt and CUPS.
#pragma once

#include "platform/services/PrinterService.h"

#include <QtGlobal>
#include <memory>

class QPainter;
class QPrinter;
class QTemporaryDir;
class ScreenMetrics;

// The program's printer is made on the first print, for the printing
// system's default destination. Qt draws the page into a PDF that this
// service hands CUPS itself: Qt's own hand-over ignores CUPS's answer, and a
// job that a queue refuses would pass for printed.
class QtPrinterService final : public PrinterService
{
  public:
    explicit QtPrinterService(const ScreenMetrics &screen);
    ~QtPrinterService() override;
    Q_DISABLE_COPY_MOVE(QtPrinterService)

    OutputResult checkDefaultPrinter() override;
    void setHighQuality() override;
    void setColorOutput() override;
    [[nodiscard]] double pageWidthTwips() override;
    OutputResult drawPicture(const QImage &picture, QPointF topLeftTwips) override;
    OutputResult endDocument() override;

  private:
    QPrinter &printer();
    OutputResult beginJob();
    OutputResult submitJob(const QString &pdfPath);
    void closeJob();

    const ScreenMetrics &screen_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QTemporaryDir> jobFolder_;
    std::unique_ptr<QPainter> painter_;
    bool highQuality_ = false;
    bool colorOutput_ = false;
};
