// Tintwell - a control on a form: geometry in twips, a font size in points, a kind.
#include "platform/forms/Control.h"

#include "platform/forms/Form.h"

#include <QWidget>
#include <cmath>

PropertyNotSupported::PropertyNotSupported(const QString &control, const char *property)
    : std::runtime_error(control.toStdString() + " has no settable property " + property)
{
}

Control::Control(Form &form, QString name, ControlKind kind)
    : form_(form), name_(std::move(name)), kind_(kind)
{
}

Control::~Control() = default;

void Control::attach(QWidget *widget)
{
    widget->setObjectName(name_);
    form_.watchControlWidget(widget, this);
}

bool Control::hasBox() const
{
    // Menu items have no position, and a line has only its two end points.
    return kind_ != ControlKind::MenuItem && kind_ != ControlKind::Line;
}

void Control::requireBox(const char *property) const
{
    if (!hasBox()) {
        throw PropertyNotSupported(name_, property);
    }
}

double Control::Left() const
{
    requireBox("Left");
    return left_;
}

double Control::Top() const
{
    requireBox("Top");
    return top_;
}

double Control::Width() const
{
    requireBox("Width");
    return width_;
}

double Control::Height() const
{
    requireBox("Height");
    return height_;
}

void Control::setLeft(double twips)
{
    requireBox("Left");
    left_ = twips;
    applyGeometry();
}

void Control::setTop(double twips)
{
    requireBox("Top");
    top_ = twips;
    applyGeometry();
}

void Control::setWidth(double twips)
{
    requireBox("Width");
    width_ = twips;
    applyGeometry();
}

void Control::setHeight(double twips)
{
    requireBox("Height");
    height_ = twips;
    applyGeometry();
}

void Control::Move(double left, double top, double width, double height)
{
    requireBox("Move");
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applyGeometry();
}

void Control::applyGeometry()
{
    QWidget *w = widget();
    if (!w) {
        return;
    }
    const double tx = form_.twipsPerPixelX();
    const double ty = form_.twipsPerPixelY();
    const int x = static_cast<int>(std::lround(left_ / tx));
    const int y = static_cast<int>(std::lround(top_ / ty));
    const int right = static_cast<int>(std::lround((left_ + width_) / tx));
    const int bottom = static_cast<int>(std::lround((top_ + height_) / ty));
    w->setGeometry(x, y, std::max(0, right - x), std::max(0, bottom - y));
}

double Control::FontSize() const
{
    QWidget *w = widget();
    if (!w || kind_ == ControlKind::Line) {
        throw PropertyNotSupported(name_, "FontSize");
    }
    return w->font().pointSizeF();
}

void Control::setFontSize(double points)
{
    QWidget *w = widget();
    if (!w || kind_ == ControlKind::Line || points <= 0) {
        throw PropertyNotSupported(name_, "FontSize");
    }
    QFont font = w->font();
    font.setPointSizeF(points);
    w->setFont(font);
    applyGeometry();
}

void Control::setFontName(const QString &family)
{
    if (QWidget *w = widget()) {
        QFont font = w->font();
        font.setFamilies({family, QStringLiteral("Liberation Sans")});
        w->setFont(font);
        applyGeometry();
    }
}

void Control::setFontBold(bool bold)
{
    if (QWidget *w = widget()) {
        QFont font = w->font();
        font.setBold(bold);
        w->setFont(font);
        applyGeometry();
    }
}

void Control::setFontUnderline(bool underline)
{
    if (QWidget *w = widget()) {
        QFont font = w->font();
        font.setUnderline(underline);
        w->setFont(font);
        applyGeometry();
    }
}

void Control::setToolTipText(const QString &text)
{
    if (QWidget *w = widget()) {
        w->setToolTip(text);
    }
}

void Control::setAccessibleName(const QString &name)
{
    if (QWidget *w = widget()) {
        w->setAccessibleName(name);
    }
}

void Control::setEnabled(bool enabled)
{
    if (QWidget *w = widget()) {
        w->setEnabled(enabled);
    }
}

void Control::setVisible(bool visible)
{
    if (QWidget *w = widget()) {
        w->setVisible(visible);
    }
}

void Control::setFocus()
{
    if (QWidget *w = widget()) {
        w->setFocus(Qt::OtherFocusReason);
    }
}
