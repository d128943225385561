// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - bitmap files written with QImage through QSaveFile.
#pragma once

#include "platform/services/PictureFileWriter.h"

#include <QtGlobal>

class ScreenMetrics;

// 24-bit BMP at the screen's resolution, so that the file opens and prints
// at the size the picture had on the screen.
class QtPictureFileWriter final : public PictureFileWriter
{
  public:
    explicit QtPictureFileWriter(const ScreenMetrics &screen) : screen_(screen) {}
    Q_DISABLE_COPY_MOVE(QtPictureFileWriter)

    OutputResult writeBitmap(const QImage &picture, const QString &path) override;

  private:
    const ScreenMetrics &screen_;
};
