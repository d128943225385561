// Tintwell - the pictures of the preview's toolbar and the two windows' icons.
#pragma once

#include <QIcon>
#include <QSize>

// The drawing of the resource at the given size, sharp at 1x and 2x.
[[nodiscard]] QIcon svgIcon(const QString &resource, QSize size);

[[nodiscard]] QIcon previewWindowIcon();
[[nodiscard]] QIcon printSizeWindowIcon();
