// Tintwell - the icons the windows show, each made once for the program.
#pragma once

#include <QIcon>
#include <QString>
#include <functional>
#include <map>

// Qt's pixmap cache keeps every pixmap an icon hands out under that icon's
// own key. An icon made afresh each time a window opens leaves its pictures
// there, never asked for again, until the cache is full (10 MB; with the
// style's pictures, a thousand openings of the preview grew the program by
// 12 MB). Windows take their icons from here instead, so that a window
// opened again shows the same icon and finds its pixmaps in the cache.
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
