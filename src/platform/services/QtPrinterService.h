// Tintwell - the default printer, through CUPS.
#pragma once

#include "platform/services/CupsExchange.h"
#include "platform/services/PrinterService.h"

#include <QtGlobal>
#include <chrono>
#include <memory>
#include <optional>

class QPainter;
class QPdfWriter;
class QTemporaryDir;
class ScreenMetrics;

// The page is drawn as a PDF on the default destination's own paper, and
// handed to CUPS with that paper named and no scaling asked for, so that no
// filter resizes the swatch. Every question to CUPS runs on a thread of its
// own (runInBackground): a printing system that hangs freezes no window.
class QtPrinterService final : public PrinterService
{
  public:
    // patience: how long the printing system may stay silent before a
    // print gives up on it. checkLimit: how long finding the default
    // printer may take in all; for a printer known only from the network,
    // CUPS resolves its address and makes its queue, which took from 1 to 5
    // seconds here.
    static constexpr std::chrono::milliseconds DefaultPatience{5000};
    static constexpr std::chrono::milliseconds DefaultCheckLimit{10000};

    explicit QtPrinterService(const ScreenMetrics &screen,
                              std::chrono::milliseconds patience = DefaultPatience,
                              std::chrono::milliseconds checkLimit = DefaultCheckLimit);
    ~QtPrinterService() override;
    Q_DISABLE_COPY_MOVE(QtPrinterService)

    OutputResult checkDefaultPrinter() override;
    [[nodiscard]] DefaultPrinter defaultPrinter() override;
    void setHighQuality() override;
    void setColorOutput() override;
    [[nodiscard]] double pageWidthTwips() override;
    OutputResult drawPicture(const QImage &picture, QPointF topLeftTwips) override;
    OutputResult endDocument() override;

  private:
    OutputResult beginJob();
    [[nodiscard]] OutputResult notFoundInTime() const;
    [[nodiscard]] CupsOptions jobSettings() const;
    void closeJob();

    const ScreenMetrics &screen_;
    const std::chrono::milliseconds patience_;
    const std::chrono::milliseconds checkLimit_;
    std::optional<CupsDestination> destination_;
    std::unique_ptr<QTemporaryDir> jobFolder_;
    std::unique_ptr<QPdfWriter> page_;
    std::unique_ptr<QPainter> painter_;
    bool highQuality_ = false;
    bool colorOutput_ = false;
};
