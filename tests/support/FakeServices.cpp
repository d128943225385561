// Tintwell tests - scripted stand-ins for the services.
#include "support/FakeServices.h"

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
}

OutputResult FakePrinterService::checkDefaultPrinter()
{
    note(QStringLiteral("check"));
    return noDefaultPrinter.isEmpty() ? OutputResult::success()
                                      : OutputResult::failure(noDefaultPrinter);
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
    return pageWidth;
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
