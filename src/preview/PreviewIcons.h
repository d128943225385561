// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the pictures of the preview's toolbar and the two windows' icons.
#pragma once

#include <QIcon>
#include <QSize>

class FormPictures;

// The drawing of the resource at the given size, sharp at 1x and 2x.
[[nodiscard]] QIcon svgIcon(const QString &resource, QSize size);

// The program's drawing of a toolbar picture (":/tintwell/NAME.svg"), made
// on its first use.
[[nodiscard]] QIcon toolbarIcon(FormPictures &pictures, const QString &name, int pixels);
[[nodiscard]] QIcon previewWindowIcon(FormPictures &pictures);
[[nodiscard]] QIcon printSizeWindowIcon(FormPictures &pictures);
