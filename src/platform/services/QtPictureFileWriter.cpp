// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
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
    // A folder that takes no new files (shared, the files the person's own)
    // leaves only the old file itself to write: Qt then writes it in place,
    // which a failed write can leave partial. Refusing the save would be
    // worse: the person could not keep the colour there at all. A new name
    // in such a folder is still refused.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
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
