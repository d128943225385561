// Tintwell tests - scripted stand-ins for the services that leave the process
// or wait for a person.
#pragma once

#include "platform/services/BeepService.h"
#include "platform/services/Clock.h"
#include "platform/services/MessageBoxService.h"
#include "platform/services/ScreenMetrics.h"
#include "platform/services/SingleInstance.h"
#include "platform/services/UrlOpener.h"

#include <QUrl>

#include <deque>
#include <vector>

class FakeMessageBoxService final : public MessageBoxService
{
  public:
    MsgResult show(const MessageRequest &request) override;
    std::vector<MessageRequest> shown;
    std::deque<MsgResult> answers; // empty: OK (or Yes for a yes/no question)
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
