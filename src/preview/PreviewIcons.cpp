// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the pictures of the preview's toolbar and the two windows' icons.
#include "preview/PreviewIcons.h"

#include "platform/forms/FormPictures.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

QIcon svgIcon(const QString &resource, QSize size)
{
    // Drawn for each scale rather than scaled from one picture, so that a
    // HiDPI screen gets as sharp an edge as a normal one.
    QSvgRenderer renderer(resource);
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(size * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon toolbarIcon(FormPictures &pictures, const QString &name, int pixels)
{
    const QString resource = QStringLiteral(":/tintwell/%1.svg").arg(name);
    return pictures.icon(resource + QLatin1Char('@') + QString::number(pixels),
                         [&] { return svgIcon(resource, QSize(pixels, pixels)); });
}

QIcon previewWindowIcon(FormPictures &pictures)
{
    return toolbarIcon(pictures, QStringLiteral("preview-window"), 16);
}

QIcon printSizeWindowIcon(FormPictures &pictures)
{
    return toolbarIcon(pictures, QStringLiteral("print-size-window"), 16);
}
