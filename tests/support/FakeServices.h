// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - scripted stand-ins for the services that leave the process
// or wait for a person.
#pragma once

#include "platform/services/BeepService.h"
#include "platform/services/Clock.h"
#include "platform/services/MessageBoxService.h"
#include "platform/services/PictureFileWriter.h"
#include "platform/services/PrinterService.h"
#include "platform/services/ScreenMetrics.h"
#include "platform/services/SingleInstance.h"
#include "platform/services/UrlOpener.h"
#include "platform/win32/CommonDialogCalls.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// The calls that several fakes received, in the order they came, for tests
// of the order of a command's steps.
using CallLog = QStringList;

class FakeMessageBoxService final : public MessageBoxService
{
  public:
    MsgResult show(const MessageRequest &request) override;
    std::vector<MessageRequest> shown;
    std::deque<MsgResult> answers; // empty: OK (or Yes for a yes/no question)
    // Runs while the next box is up, as the person's other clicks would.
    std::function<void()> whileShown;
    CallLog *log = nullptr; // gets "message TITLE"
};

// A printer that keeps what each job drew, and opens as itself. A reason
// set in one of the failure fields makes that step fail with it.
class FakePrinterService final : public PrinterService, public PrinterOpener
{
  public:
    struct Drawing
    {
        QImage picture;
        QPointF topLeftTwips;
    };

    CheckedPrinter checkDefaultPrinter() override;
    OpenedPrinter openPrinter() override;

    // A colour printer with Letter and no margins: 8.5 x 11 inches.
    DefaultPrinter printerFound{
        .name = QStringLiteral("office"),
        .paper = {.name = QStringLiteral("Letter"),
                  .metric = false,
                  .printableTwips = {12240, 15840}},
        .color = true,
        .paperInsteadOf = {},
        .accepting = true,
        .stopped = false,
        .stateMessage = {},
    };
    // Run inside the check and the hand-over, as the windows' events are
    // while real ones wait.
    std::function<void()> whileChecking;
    std::function<void()> whileHandingOver;
    QString openFailure; // as a printer library that cannot be loaded
    QString noDefaultPrinter;
    QString endFailure;
    bool highQuality = false;
    bool colorOutput = false;
    std::vector<std::vector<Drawing>> jobs; // ended and accepted
    // How the last job that was followed ends, once the test says so.
    std::function<void(const JobOutcome &)> whenFollowedEnds;
    CallLog *log = nullptr;   // gets "check", "printer", "quality", "color", "page width", "draw",
                              // "end", "follow"
    CallLog underBusyPointer; // the calls made while the pointer said that the program waits

  private:
    friend class FakePrintJob;
    void note(const QString &call);
};

// Keeps the pictures instead of writing them; a reason in failure makes
// every write fail with it.
class FakePictureFileWriter final : public PictureFileWriter
{
  public:
    struct File
    {
        QString path;
        QImage picture;
    };
    OutputResult writeBitmap(const QImage &picture, const QString &path) override;
    QString failure;
    std::vector<File> written;
};

class FakeBeepService final : public BeepService
{
  public:
    void beep() override { ++count; }
    int count = 0;
};

// A screen of the given size in pixels at the given twips per pixel.
class FakeScreenMetrics final : public ScreenMetrics
{
  public:
    FakeScreenMetrics(int widthPixels = 1024, int heightPixels = 768, double twipsPerPixel = 15)
        : width(widthPixels), height(heightPixels), tpp(twipsPerPixel)
    {
    }
    [[nodiscard]] double twipsPerPixelX() const override { return tpp; }
    [[nodiscard]] double twipsPerPixelY() const override { return tpp; }
    [[nodiscard]] double widthTwips() const override { return width * tpp; }
    [[nodiscard]] double heightTwips() const override { return height * tpp; }
    [[nodiscard]] QRect pixelGeometry() const override { return {0, 0, width, height}; }
    int width;
    int height;
    double tpp;
};

class FakeSingleInstance final : public SingleInstance
{
  public:
    explicit FakeSingleInstance(bool otherRunning = false) : running(otherRunning) {}
    [[nodiscard]] bool anotherInstanceRunning() override { return running; }
    bool running;
};

// Open and save dialogs that never show: each call takes the next scripted
// answer and keeps the record it was handed.
class FakeDialogCalls final : public CommonDialogCalls
{
  public:
    struct Answer
    {
        enum Kind
        {
            Choose, // the person picks path
            Cancel,
            Fail // the dialog cannot be shown: the call throws
        } kind = Cancel;
        std::string path;
    };

    BOOL GetOpenFileNameA(OPENFILENAME &record) override { return answer(record); }
    BOOL GetSaveFileNameA(OPENFILENAME &record) override { return answer(record); }

    std::deque<Answer> answers; // none left: Cancel
    std::vector<OPENFILENAME> records;

  private:
    BOOL answer(OPENFILENAME &record);
};

class FakeUrlOpener final : public UrlOpener
{
  public:
    void open(const QUrl &address) override { opened.push_back(address); }
    std::vector<QUrl> opened;
};

class FakeClock final : public Clock
{
  public:
    explicit FakeClock(int currentYear = 2031) : year(currentYear) {}
    [[nodiscard]] int currentYear() const override { return year; }
    int year;
};
