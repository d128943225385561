// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell tests - scripted stand-ins for the services.
#include "support/FakeServices.h"

#include <QCursor>
#include <QGuiApplication>
#include <stdexcept>
#include <utility>

MsgResult FakeMessageBoxService::show(const MessageRequest &request)
{
    shown.push_back(request);
    if (log) {
        log->push_back(QStringLiteral("message ") + request.title);
    }
    if (whileShown) {
        std::exchange(whileShown, nullptr)(); // once
    }
    if (!answers.empty()) {
        const MsgResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return request.buttons == MsgButtons::YesNo || request.buttons == MsgButtons::YesNoCancel
               ? MsgResult::Yes
               : MsgResult::OK;
}

void FakePrinterService::note(const QString &call)
{
    if (log) {
        log->push_back(call);
    }
    if (const QCursor *pointer = QGuiApplication::overrideCursor();
        pointer && pointer->shape() == Qt::BusyCursor) {
        underBusyPointer.push_back(call);
    }
}

OpenedPrinter FakePrinterService::openPrinter()
{
    return openFailure.isEmpty() ? OpenedPrinter{.printer = this, .failure = {}}
                                 : OpenedPrinter{.printer = nullptr, .failure = openFailure};
}

// One job on the fake printer: it tells the printer every step.
class FakePrintJob final : public PrintJob
{
  public:
    explicit FakePrintJob(FakePrinterService &printer)
        : printer_(printer), described_(printer.printerFound)
    {
    }

    [[nodiscard]] const DefaultPrinter &printer() const override
    {
        printer_.note(QStringLiteral("printer"));
        return described_;
    }
    void setHighQuality() override
    {
        printer_.note(QStringLiteral("quality"));
        printer_.highQuality = true;
    }
    void setColorOutput() override
    {
        printer_.note(QStringLiteral("color"));
        printer_.colorOutput = true;
    }
    [[nodiscard]] double pageWidthTwips() const override
    {
        printer_.note(QStringLiteral("page width"));
        return described_.paper.printableTwips.width();
    }
    OutputResult drawPicture(const QImage &picture, QPointF topLeftTwips) override
    {
        printer_.note(QStringLiteral("draw"));
        page_.push_back({.picture = picture, .topLeftTwips = topLeftTwips});
        return OutputResult::success();
    }
    OutputResult endDocument() override
    {
        printer_.note(QStringLiteral("end"));
        if (printer_.whileHandingOver) {
            std::exchange(printer_.whileHandingOver, nullptr)(); // once
        }
        if (!printer_.endFailure.isEmpty()) {
            return OutputResult::failure(printer_.endFailure);
        }
        printer_.jobs.push_back(std::move(page_));
        return OutputResult::success();
    }
    void follow(std::function<void(const JobOutcome &)> whenEnded) override
    {
        printer_.note(QStringLiteral("follow"));
        printer_.whenFollowedEnds = std::move(whenEnded);
    }

  private:
    FakePrinterService &printer_;
    const DefaultPrinter described_;
    std::vector<FakePrinterService::Drawing> page_;
};

CheckedPrinter FakePrinterService::checkDefaultPrinter()
{
    note(QStringLiteral("check"));
    if (whileChecking) {
        std::exchange(whileChecking, nullptr)(); // once
    }
    if (!noDefaultPrinter.isEmpty()) {
        return {.job = nullptr, .failure = noDefaultPrinter};
    }
    return {.job = std::make_unique<FakePrintJob>(*this), .failure = {}};
}

OutputResult FakePictureFileWriter::writeBitmap(const QImage &picture, const QString &path)
{
    if (!failure.isEmpty()) {
        return OutputResult::failure(failure);
    }
    written.push_back({.path = path, .picture = picture});
    return OutputResult::success();
}

BOOL FakeDialogCalls::answer(OPENFILENAME &record)
{
    records.push_back(record);
    Answer next;
    if (!answers.empty()) {
        next = answers.front();
        answers.pop_front();
    }
    if (next.kind == Answer::Fail) {
        throw std::runtime_error("the dialog could not be shown");
    }
    if (next.kind == Answer::Cancel) {
        return 0;
    }
    // The buffers as the system writes them: the text, then NULs to their end.
    record.lpstrFile = next.path;
    record.lpstrFile.resize(record.nMaxFile, '\0');
    record.lpstrFileTitle = next.path.substr(next.path.rfind('/') + 1);
    record.lpstrFileTitle.resize(record.nMaxFileTitle, '\0');
    return 1;
}
