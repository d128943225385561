// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - writing a picture as a bitmap file.
#pragma once

#include "platform/services/OutputResult.h"

class QImage;
class QString;

class PictureFileWriter
{
  public:
    virtual ~PictureFileWriter() = default;
    // Writes the picture as a BMP file, whatever the extension of the path,
    // replacing a file of that name only once the new one is complete; in a
    // folder that takes no new files, a writable old file is written in place.
    virtual OutputResult writeBitmap(const QImage &picture, const QString &path) = 0;
};
