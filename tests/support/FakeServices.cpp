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
    return openFailure.isEmpty() ? OpenedPrinter{this, {}} : OpenedPrinter{nullptr, openFailure};
}

OutputResult FakePrinterService::checkDefaultPrinter()
{
    note(QStringLiteral("check"));
    if (whileChecking) {
        std::exchange(whileChecking, nullptr)(); // once
    }
    return noDefaultPrinter.isEmpty() ? OutputResult::success()
                                      : OutputResult::failure(noDefaultPrinter);
}

DefaultPrinter FakePrinterService::defaultPrinter()
{
    note(QStringLiteral("printer"));
    return printerFound;
}

void FakePrinterService::setHighQuality()
{
    note(QStringLiteral("quality"));
    highQuality = true;
}

void FakePrinterService::setColorOutput()
{
    note(QStringLiteral("color"));
    colorOutput = true;
}

double FakePrinterService::pageWidthTwips()
{
    note(QStringLiteral("page width"));
    return printerFound.paper.printableTwips.width();
}

OutputResult FakePrinterService::drawPicture(const QImage &picture, QPointF topLeftTwips)
{
    note(QStringLiteral("draw"));
    if (!drawFailure.isEmpty()) {
        return OutputResult::failure(drawFailure);
    }
    openJob.push_back({picture, topLeftTwips});
    return OutputResult::success();
}

OutputResult FakePrinterService::endDocument()
{
    note(QStringLiteral("end"));
    std::vector<Drawing> job = std::move(openJob);
    openJob.clear();
    if (!endFailure.isEmpty()) {
        return OutputResult::failure(endFailure);
    }
    jobs.push_back(std::move(job));
    return OutputResult::success();
}

OutputResult FakePictureFileWriter::writeBitmap(const QImage &picture, const QString &path)
{
    if (!failure.isEmpty()) {
        return OutputResult::failure(failure);
    }
    written.push_back({path, picture});
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
