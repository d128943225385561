// Tintwell - a window of the program: controls in twips, a load step, modal
// and modeless showing, hiding and unloading.
#pragma once

#include "platform/ColorValue.h"
#include "platform/KeyboardReturn.h"
#include "platform/forms/Control.h"

#include <QKeySequence>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class CommandButton;
class FormPictures;
class ProgramForms;
class MenuItem;
class QEventLoop;
class QMenuBar;
class QMouseEvent;
class QMoveEvent;
class ScreenMetrics;

// What every form needs from the program: the screen it lays itself out
// for, the list of loaded forms it enters when it loads, and the icons that
// outlive each opening of a window.
struct FormContext
{
    const ScreenMetrics &screen;
    ProgramForms &programForms;
    FormPictures &pictures;
};

enum class StartUpPosition
{
    Manual,
    CenterScreen,
    CenterOwner
};

class Form : public QWidget
{
    Q_OBJECT

  public:
    Form(const FormContext &context, const QString &name);
    ~Form() override;
    Q_DISABLE_COPY_MOVE(Form)

    // Lifecycle. load() runs the load step once; the show calls load first.
    void load();
    void showModeless();
    // Returns when the form is hidden or unloaded.
    void showModal();
    void hideForm();
    // Runs the form's unload handling (which may refuse), leaves the loaded
    // list and hands the form to whoever owns it for destruction.
    void unload();
    // Called once the form has unloaded, by the holder that owns it.
    std::function<void()> onUnloaded;

    // The window, in twips, frame excluded (the window manager draws that).
    [[nodiscard]] double Left() const;
    [[nodiscard]] double Top() const;
    [[nodiscard]] double Width() const;
    [[nodiscard]] double Height() const;
    void Move(double left, double top, double width, double height);
    void Refresh();
    // The client area below the menu bar, in twips.
    [[nodiscard]] double ScaleWidth() const;
    [[nodiscard]] double ScaleHeight() const;

    // Every control, in creation order, nested ones and menu items included.
    [[nodiscard]] std::vector<Control *> Controls() const;
    [[nodiscard]] const ScreenMetrics &screenMetrics() const { return screen_; }
    [[nodiscard]] double twipsPerPixelX() const;
    [[nodiscard]] double twipsPerPixelY() const;

    // The focused control of this form, if any.
    [[nodiscard]] Control *ActiveControl() const;

  protected:
    template <class T, class... Args> T &add(Args &&...args)
    {
        auto control = std::make_unique<T>(*this, std::forward<Args>(args)...);
        T &ref = *control;
        controls_.push_back(std::move(control));
        return ref;
    }
    MenuItem &addMenu(const QString &name, const QString &caption);
    // A command on the menu bar itself, with no list under it.
    MenuItem &addMenuCommand(const QString &name, const QString &caption);
    MenuItem &addMenuItem(MenuItem &menu, const QString &name, const QString &caption,
                          const QKeySequence &shortcut = {});

    // Design-time properties.
    void setCaption(const QString &caption) { setWindowTitle(caption); }
    void setBackColor(ColorValue color);
    [[nodiscard]] ColorValue BackColor() const;
    void setFixedBorder(bool fixed);
    // Off: the window stays out of the task bar (a dialog of the program).
    void setShowInTaskbar(bool show);
    void setClientSize(double widthTwips, double heightTwips);
    void setStartUpPosition(StartUpPosition position) { startUpPosition_ = position; }
    void setKeyPreview(bool on) { keyPreview_ = on; }
    void setDefaultButton(CommandButton *button) { defaultButton_ = button; }
    void setCancelButton(CommandButton *button) { cancelButton_ = button; }
    [[nodiscard]] ProgramForms &programForms() const { return programForms_; }
    [[nodiscard]] FormPictures &pictures() const { return pictures_; }

    // The form's own handlers.
    virtual void Form_Load() {}
    // Returns false to refuse the unload.
    virtual bool Form_QueryUnload() { return true; }
    virtual void Form_Unload() {}
    // Runs when the form is shown and when the person moves to it from another
    // window of the program; coming back from another program does not count.
    virtual void Form_Activate() {}
    virtual void Form_Resize() {}
    // With the key preview on, a key released in any control of the form.
    virtual void Form_KeyUp(int /*keyCode*/, Qt::KeyboardModifiers) {}
    // The pointer moving over the form's own background, where no control is.
    virtual void Form_MouseMove(Qt::MouseButtons, QPointF /*twips*/) {}

    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

  private:
    void showNow();
    // The controls that follow the form's size, then the form's handler.
    void resized();
    void placeOnFirstShow();
    void centreOnPlacement();
    void applyTabOrder();
    void resolveAccessKeyClashes();
    [[nodiscard]] int menuBarHeight() const;
    void applyWindowFlags();
    [[nodiscard]] QMenuBar *menuBar();
    // The height of the containers docked along the top above the given one
    // (all of them for null), in twips.
    [[nodiscard]] double dockedHeightAbove(const Control *control = nullptr) const;

    // How keys and the pointer reach the form's handlers (FormEvents.cpp).
    // Controls hand their widgets' events in.
    friend class Control;
    // A key pressed in the control, or in the form where none has the focus
    // (null): the character it types goes to the control's key-press
    // handler. False when the handler dropped the key or the form is gone.
    bool keyDown(Control *control, const QKeyEvent &event);
    void keyTyped(Control *control, int &keyAscii);
    void keyUp(const QKeyEvent &event);
    // Enter and Esc that nothing took press the default and the cancel button.
    bool pressDefaultOrCancel(const QKeyEvent &event);

    const ScreenMetrics &screen_;
    ProgramForms &programForms_;
    FormPictures &pictures_;
    QWidget *const client_;
    QMenuBar *menuBar_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<MenuItem *> menus_; // the menu bar's menus, in order
    CommandButton *defaultButton_ = nullptr;
    CommandButton *cancelButton_ = nullptr;
    QEventLoop *modalLoop_ = nullptr;
    StartUpPosition startUpPosition_ = StartUpPosition::Manual;
    bool keyPreview_ = false;
    bool fixedBorder_ = false;
    bool showInTaskbar_ = true;
    bool loaded_ = false;
    bool everShown_ = false;
    QRect placement_;             // where the window is centred on its first show
    bool awaitingFrame_ = false;  // centred, before the window manager framed it
    bool activateOnShow_ = false; // shown, and not yet activated since
    KeyboardReturn shownOver_;    // the window that was active when it was shown
};

// The character code that a key event types, as a key-press handler sees it:
// Ctrl with a letter gives its control character (Ctrl+C is 3), Alt with a key
// the key's character, keys that type nothing (arrows, Delete, function keys) 0.
[[nodiscard]] int characterCodeOf(const QKeyEvent &event);
