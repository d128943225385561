// Tintwell - a control on a form: geometry in twips, a font size in points, a kind.
#pragma once

#include <QObject>
#include <QPointF>
#include <QString>
#include <functional>
#include <stdexcept>

class Form;
class QWidget;

enum class ControlKind
{
    TextBox,
    ComboBox,
    Label,
    Frame,
    CommandButton,
    Line,
    PictureBox,
    ScrollBar,
    MenuItem,
};

// Raised when a control does not have a property, or does not let it be set
// (a menu item has no position, a drop-down list's height follows its font).
class PropertyNotSupported : public std::runtime_error
{
  public:
    PropertyNotSupported(const QString &control, const char *property);
};

class Control
{
  public:
    virtual ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    [[nodiscard]] const QString &Name() const { return name_; }
    [[nodiscard]] ControlKind Kind() const { return kind_; }
    [[nodiscard]] Form &ParentForm() const { return form_; }
    // The Qt widget that shows the control; null for a menu item.
    [[nodiscard]] virtual QWidget *widget() const = 0;

    [[nodiscard]] virtual double Left() const;
    [[nodiscard]] virtual double Top() const;
    [[nodiscard]] virtual double Width() const;
    [[nodiscard]] virtual double Height() const;
    virtual void setLeft(double twips);
    virtual void setTop(double twips);
    virtual void setWidth(double twips);
    virtual void setHeight(double twips);
    void Move(double left, double top, double width, double height);

    [[nodiscard]] virtual double FontSize() const;
    virtual void setFontSize(double points);
    void setFontName(const QString &family);
    void setFontBold(bool bold);
    void setFontUnderline(bool underline);

    [[nodiscard]] int TabIndex() const { return tabIndex_; }
    void setTabIndex(int index) { tabIndex_ = index; }
    void setToolTipText(const QString &text);
    void setAccessibleName(const QString &name);
    void setEnabled(bool enabled);
    void setVisible(bool visible);
    void setFocus();

    // Events of the control, raised at once on the user-interface thread.
    // A key-press handler may set the character code to 0 to drop the key.
    std::function<void(int keyCode, Qt::KeyboardModifiers)> onKeyDown;
    std::function<void(int &keyAscii)> onKeyPress;
    std::function<void(int keyCode, Qt::KeyboardModifiers)> onKeyUp;
    std::function<void(Qt::MouseButtons, QPointF twips)> onMouseDown;
    std::function<void(Qt::MouseButtons, QPointF twips)> onMouseMove;
    std::function<void(Qt::MouseButtons, QPointF twips)> onMouseUp;
    std::function<void()> onLostFocus;

  protected:
    Control(Form &form, QString name, ControlKind kind);
    [[nodiscard]] bool hasBox() const;
    void requireBox(const char *property) const;
    // Called once the widget exists: names it, registers it with the form.
    void attach(QWidget *widget);
    // Re-applies the twips geometry in pixels; labels that size themselves override it.
    virtual void applyGeometry();
    // A QObject that lives exactly as long as the control: the context of its
    // signal connections and its event filters, so none outlives it.
    [[nodiscard]] QObject *context() { return &context_; }

    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double height_ = 0;

  private:
    Form &form_;
    QString name_;
    ControlKind kind_;
    int tabIndex_ = -1;
    QObject context_;
};
