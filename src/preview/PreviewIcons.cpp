// Tintwell - the pictures of the preview's toolbar and the two windows' icons.
#include "preview/PreviewIcons.h"

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

QIcon previewWindowIcon()
{
    return svgIcon(QStringLiteral(":/tintwell/preview-window.svg"), QSize(16, 16));
}

QIcon printSizeWindowIcon()
{
    return svgIcon(QStringLiteral(":/tintwell/print-size-window.svg"), QSize(16, 16));
}
