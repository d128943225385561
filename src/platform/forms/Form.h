// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a window of the program: controls in twips, a load step, modal
// and modeless showing, hiding and unloading.
#pragma once

#include "platform/core/ColorValue.h"
#include "platform/core/KeyboardReturn.h"
#include "platform/forms/Control.h"
#include "platform/forms/FormHost.h"
#include "platform/forms/FormPlacement.h"
#include "platform/services/ScreenMetrics.h"

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

// What every form needs from the program: the screen it lays itself out
// for, the list of loaded forms it enters when it loads, and the icons that
// outlive each opening of a window.
struct FormContext
{
    const ScreenMetrics &screen;
    ProgramForms &programForms;
    FormPictures &pictures;
};

// A form is a widget to the program and its windows; to its controls it is
// their host, and nothing more.
class Form : public QWidget, private FormHost
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
    [[nodiscard]] double Left() const { return screen_.toTwipsX(x()); }
    [[nodiscard]] double Top() const { return screen_.toTwipsY(y()); }
    [[nodiscard]] double Width() const { return screen_.toTwipsX(width()); }
    [[nodiscard]] double Height() const { return screen_.toTwipsY(height()); }
    void Move(const TwipsRect &box);
    void Refresh() { repaint(); }
    // The client area below the menu bar, in twips.
    [[nodiscard]] double ScaleWidth() const { return Width(); }
    [[nodiscard]] double ScaleHeight() const;

    // Every control, in creation order, nested ones and menu items included.
    [[nodiscard]] std::vector<Control *> Controls() const;
    [[nodiscard]] const ScreenMetrics &screenMetrics() const override { return screen_; }

    // The focused control of this form, if any.
    [[nodiscard]] Control *ActiveControl() const;

  protected:
    template <class T, class... Args> T &add(Args &&...args)
    {
        auto control = std::make_unique<T>(host(), std::forward<Args>(args)...);
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
    void setFixedBorder(bool fixed);
    // Off: the window stays out of the task bar (a dialog of the program).
    void setShowInTaskbar(bool show);
    // Off: a window that the person may resize offers no minimise and
    // maximise buttons (a fixed border offers none anyway).
    void setMinMaxButtons(bool shown);
    void setClientSize(double widthTwips, double heightTwips);
    void setStartUpPosition(StartUpPosition position) { placement_.setRule(position); }
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
    // What the form's controls ask of it (FormHost).
    [[nodiscard]] FormHost &host() { return *this; }
    [[nodiscard]] QWidget &clientArea() const override { return *client_; }
    [[nodiscard]] double clientWidth() const override { return ScaleWidth(); }
    [[nodiscard]] double dockedHeightAbove(const Control *control) const override;
    void keyReleased(const QKeyEvent &event) override;
    bool pressDefaultOrCancel(const QKeyEvent &event) override;

    void showNow();
    // The controls that follow the form's size, then the form's handler.
    void resized();
    void applyTabOrder();
    void resolveAccessKeyClashes();
    [[nodiscard]] int menuBarHeight() const;
    // The menu bar on a window of the design's colour is of that colour too.
    void colourMenuBar();
    void applyWindowFlags();
    // The window's size, frame excluded; a fixed border keeps it.
    void setOuterSize(QSize size);
    [[nodiscard]] QMenuBar *menuBar();

    const ScreenMetrics &screen_;
    ProgramForms &programForms_;
    FormPictures &pictures_;
    QWidget *const client_;
    QMenuBar *menuBar_ = nullptr;
    bool backColorFixed_ = false; // by the design, not the theme
    std::vector<std::unique_ptr<Control>> controls_;
    CommandButton *defaultButton_ = nullptr;
    CommandButton *cancelButton_ = nullptr;
    QEventLoop *modalLoop_ = nullptr;
    FormPlacement placement_{*this};
    bool keyPreview_ = false;
    bool fixedBorder_ = false;
    bool showInTaskbar_ = true;
    bool minMaxButtons_ = true;
    bool loaded_ = false;
    bool everShown_ = false;
    bool activateOnShow_ = false; // shown, and not yet activated since
    KeyboardReturn shownOver_;    // the window that was active when it was shown
};
