// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - one print on the default printer, through CUPS.
#pragma once

#include "platform/printing/CupsExchange.h"
#include "platform/services/PrinterService.h"

#include <QtGlobal>
#include <chrono>
#include <memory>

class CupsJobFollower;
class PasswordPrompt;
class QPainter;
class QPdfWriter;
class QTemporaryDir;
class ScreenMetrics;

// The page is drawn as a PDF on the destination's own paper, and handed to
// CUPS with that paper named and no scaling asked for, so that no filter
// resizes the swatch.
class QtPrintJob final : public PrintJob
{
  public:
    // What a job uses that outlives it.
    struct Context
    {
        const ScreenMetrics &screen;
        PasswordPrompt &passwords;
        CupsJobFollower &follower;
        std::chrono::milliseconds patience;
        std::chrono::milliseconds handOverLimit;
    };

    QtPrintJob(CupsDestination destination, Context context);
    ~QtPrintJob() override;
    Q_DISABLE_COPY_MOVE(QtPrintJob)

    [[nodiscard]] const DefaultPrinter &printer() const override { return printer_; }
    void setHighQuality() override { highQuality_ = true; }
    void setColorOutput() override { colorOutput_ = true; }
    [[nodiscard]] double pageWidthTwips() const override;
    OutputResult drawPicture(const QImage &picture, QPointF topLeftTwips) override;
    OutputResult endDocument() override;
    void follow(std::function<void(const JobOutcome &)> whenEnded) override;

    [[nodiscard]] static QString interrupted();
    [[nodiscard]] static double seconds(std::chrono::milliseconds time);

  private:
    OutputResult beginPage();
    [[nodiscard]] CupsOptions jobSettings() const;
    void closePage();

    const CupsDestination destination_;
    const DefaultPrinter printer_;
    const Context context_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<QPdfWriter> page_;
    std::unique_ptr<QPainter> painter_;
    bool highQuality_ = false;
    bool colorOutput_ = false;
    int jobId_ = 0; // once the printing system took the job
};
