// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the icons the windows show, each made once for the program.
#include "platform/forms/FormPictures.h"

const QIcon &FormPictures::icon(const QString &name, const std::function<QIcon()> &make)
{
    const auto known = icons_.find(name);
    if (known != icons_.end()) {
        return known->second;
    }
    return icons_.emplace(name, make()).first->second;
}

const QIcon &FormPictures::fileIcon(const QString &path)
{
    return icon(path, [&path] { return QIcon(path); });
}
