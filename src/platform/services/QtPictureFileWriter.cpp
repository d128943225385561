// Tintwell - bitmap files written with QImage through QSaveFile.
#include "platform/services/QtPictureFileWriter.h"
#include "platform/services/ScreenMetrics.h"

#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

OutputResult QtPictureFileWriter::writeBitmap(const QImage &picture, const QString &path)
{
    QImage bitmap = picture.convertToFormat(QImage::Format_RGB888);
    bitmap.setDotsPerMeterX(screen_.dotsPerMetreX());
    bitmap.setDotsPerMeterY(screen_.dotsPerMetreY());

    // The new file is written beside the old one and takes its place only
    // when complete: a failed write leaves the old file and no partial one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return OutputResult::failure(file.errorString());
    }
    QImageWriter writer(&file, "bmp");
    if (!writer.write(bitmap)) {
        // The file says why (a full disk) better than the writer does.
        const QString why =
            file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        return OutputResult::failure(why);
    }
    if (!file.commit()) {
        return OutputResult::failure(file.errorString());
    }
    return OutputResult::success();
}
