// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the icons the windows show, each made once for the program.
#pragma once

#include <QIcon>
#include <QString>
#include <functional>
#include <map>

// Each icon is drawn once for the program (the toolbar's from SVG, at each
// scale), not at every opening of a window: a window opened again shows the
// same icon.
class FormPictures
{
  public:
    // The icon kept under that name; `make` makes it the first time.
    [[nodiscard]] const QIcon &icon(const QString &name, const std::function<QIcon()> &make);
    // The icon of a picture file, such as a resource.
    [[nodiscard]] const QIcon &fileIcon(const QString &path);

  private:
    std::map<QString, QIcon> icons_;
};
