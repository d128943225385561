// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a window of the program: controls in twips, a load step, modal
// and modeless showing, hiding and unloading.
#include "platform/forms/Form.h"

#include "platform/core/ReadableText.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/ControlWidget.h"
#include "platform/forms/FormAccessibility.h"
#include "platform/forms/Keys.h"
#include "platform/forms/MenuItem.h"
#include "platform/forms/ProgramForms.h"
#include "platform/forms/WidgetColors.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

Form::Form(const FormContext &context, const QString &name)
    : screen_(context.screen), programForms_(context.programForms), pictures_(context.pictures),
      client_(new QWidget(this))
{
    installFormAccessibility();
    setObjectName(name);
    client_->setObjectName(name + QStringLiteral("_client"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(client_);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
    // The pointer moving over the background with no button down.
    setMouseTracking(true);
    client_->setMouseTracking(true);
}

Form::~Form()
{
    // An unloaded form has left the list already, and may be destroyed later
    // than the list itself (its destruction waits for the event loop).
    if (loaded_) {
        programForms_.remove(this);
    }
    if (modalLoop_) {
        modalLoop_->quit();
    }
    // Controls go first, each taking its widget along, the last created
    // first, so that nested controls go before their containers.
    while (!controls_.empty()) {
        std::unique_ptr<Control> last = std::move(controls_.back());
        controls_.pop_back();
    }
}

void Form::load()
{
    if (loaded_) {
        return;
    }
    loaded_ = true;
    programForms_.add(this);
    Form_Load();
}

void Form::showModeless()
{
    load();
    if (!loaded_) {
        return;
    }
    if (!isVisible()) {
        setWindowModality(Qt::NonModal);
    }
    showNow();
}

void Form::showModal()
{
    load();
    if (!loaded_) {
        return;
    }
    QPointer<Form> guard(this);
    const KeyboardReturn opener;
    if (!isVisible()) {
        setWindowModality(Qt::ApplicationModal);
    }
    showNow();
    if (!guard || !isVisible() || modalLoop_) {
        return;
    }
    QEventLoop loop;
    modalLoop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    if (guard) {
        modalLoop_ = nullptr;
    }
    opener.giveBack(guard.data());
}

void Form::hideForm()
{
    // A window of the program that closes while it holds the activation hands
    // it to the window it was shown over, as a window manager does: without
    // one nothing would, and that window would not count as activated again.
    const bool wasActive = isActiveWindow();
    hide();
    if (wasActive) {
        // Once the command that closed it is done: the window it was shown
        // over may be going too (View Color puts the preview in the main
        // window's place), and a late request for the focus of a hidden
        // window would leave the keyboard elsewhere when it comes back.
        QTimer::singleShot(0, qApp, [back = shownOver_, closed = QPointer<Form>(this)] {
            back.giveBack(closed.data());
        });
    }
}

void Form::unload()
{
    if (!loaded_ || !Form_QueryUnload()) {
        return;
    }
    Form_Unload();
    loaded_ = false;
    programForms_.remove(this);
    hideForm();
    if (onUnloaded) {
        onUnloaded();
    }
}

void Form::showNow()
{
    const bool first = !everShown_;
    if (first) {
        everShown_ = true;
        applyTabOrder();
        resolveAccessKeyClashes();
        placement_.beforeFirstShow(screen_.pixelGeometry());
    }
    if (!isVisible()) {
        activateOnShow_ = true;
        shownOver_ = KeyboardReturn();
    }
    show();
    if (first) {
        placement_.afterFirstShow();
    }
    raise();
    activateWindow();
}

void Form::applyTabOrder()
{
    // Only the controls that Tab reaches: Qt ignores a step of the order from
    // or to a widget that takes no focus (a label), which left the controls
    // after it in creation order (the about window's Tab skipped its links).
    std::vector<Control *> order;
    const std::vector<Control *> all = Controls();
    std::copy_if(all.begin(), all.end(), std::back_inserter(order), [](Control *c) {
        return c->widget() && c->TabIndex() >= 0 && (c->widget()->focusPolicy() & Qt::TabFocus);
    });
    std::stable_sort(order.begin(), order.end(),
                     [](Control *a, Control *b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
    }
    if (!order.empty()) {
        order.front()->widget()->setFocus(Qt::OtherFocusReason);
    }
}

void Form::resolveAccessKeyClashes()
{
    // A menu and a button marked with the same letter would share Alt+letter,
    // and Qt then only moves the focus between them. The menu keeps the key.
    QList<QKeySequence> menuKeys;
    for (const QAction *menu : menuBar_ ? menuBar_->actions() : QList<QAction *>()) {
        menuKeys << QKeySequence::mnemonic(menu->text());
    }
    for (Control *c : Controls()) {
        c->yieldAccessKeys(menuKeys);
    }
}

void Form::Move(const TwipsRect &box)
{
    const QSize before = size();
    const QSize newSize(screen_.toPixelsX(box.width), screen_.toPixelsY(box.height));
    move(screen_.toPixelsX(box.left), screen_.toPixelsY(box.top));
    setOuterSize(newSize);
    // A hidden window gets its resize event only when shown; the handler
    // must see the new size now.
    if (!isVisible() && before != newSize) {
        resized();
    }
}

double Form::ScaleHeight() const
{
    const double client = screen_.toTwipsY(std::max(0, height() - menuBarHeight()));
    return std::max(0.0, client - dockedHeightAbove(nullptr));
}

double Form::dockedHeightAbove(const Control *control) const
{
    double height = 0;
    for (const Control *c : Controls()) {
        if (c == control) {
            break;
        }
        if (c->isDockedTop()) {
            height += c->Height();
        }
    }
    return height;
}

int Form::menuBarHeight() const
{
    return menuBar_ ? menuBar_->sizeHint().height() : 0;
}

void Form::setClientSize(double widthTwips, double heightTwips)
{
    setOuterSize({screen_.toPixelsX(widthTwips), screen_.toPixelsY(heightTwips) + menuBarHeight()});
}

void Form::setOuterSize(QSize size)
{
    if (fixedBorder_) {
        setFixedSize(size);
    } else {
        resize(size);
    }
}

void Form::setBackColor(ColorValue color)
{
    // Text on the fixed colour is fixed with it: the window's own text, and
    // its menu bar's, read on it under every theme.
    setWidgetColors(*this,
                    {{QPalette::Window, color}, {QPalette::WindowText, readableTextOn(color)}});
    backColorFixed_ = true;
    if (menuBar_) {
        colourMenuBar();
    }
}

void Form::colourMenuBar()
{
    const ColorValue ground = fromQColor(palette().color(QPalette::Window));
    setWidgetColors(*menuBar_, {{QPalette::Window, ground},
                                {QPalette::Button, ground},
                                {QPalette::WindowText, readableTextOn(ground)},
                                {QPalette::ButtonText, readableTextOn(ground)}});
    drawWithItsPalette(*menuBar_);
}

void Form::setFixedBorder(bool fixed)
{
    fixedBorder_ = fixed;
    applyWindowFlags();
    if (fixed) {
        setFixedSize(size());
    }
}

void Form::setShowInTaskbar(bool show)
{
    showInTaskbar_ = show;
    applyWindowFlags();
}

void Form::setMinMaxButtons(bool shown)
{
    minMaxButtons_ = shown;
    applyWindowFlags();
}

void Form::applyWindowFlags()
{
    // A dialog is transient for the program (WM_TRANSIENT_FOR on X11), and
    // window managers leave transient windows out of the task bar.
    Qt::WindowFlags flags = (showInTaskbar_ ? Qt::Window : Qt::Dialog) | Qt::CustomizeWindowHint |
                            Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (!fixedBorder_ && minMaxButtons_) {
        flags |= Qt::WindowMinMaxButtonsHint;
    }
    setWindowFlags(flags);
}

QMenuBar *Form::menuBar()
{
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setObjectName(objectName() + QStringLiteral("_menuBar"));
        if (backColorFixed_) {
            colourMenuBar();
        }
        // Keep the client size: the window grows by the bar's height.
        const QSize client = size();
        layout()->setMenuBar(menuBar_);
        setOuterSize({client.width(), client.height() + menuBar_->sizeHint().height()});
    }
    return menuBar_;
}

MenuItem &Form::addMenu(const QString &name, const QString &caption)
{
    return add<MenuItem>(name, caption, menuBar());
}

MenuItem &Form::addMenuCommand(const QString &name, const QString &caption)
{
    return add<MenuItem>(name, caption, menuBar(), BarCommand{});
}

MenuItem &Form::addMenuItem(MenuItem &menu, const QString &name, const QString &caption,
                            const QKeySequence &shortcut)
{
    MenuItem &item = add<MenuItem>(name, caption, menu);
    item.setShortcut(shortcut);
    return item;
}

std::vector<Control *> Form::Controls() const
{
    std::vector<Control *> all(controls_.size());
    std::ranges::transform(controls_, all.begin(), [](const auto &c) { return c.get(); });
    return all;
}

Control *Form::ActiveControl() const
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || focus->window() != this) {
        return nullptr;
    }
    for (QWidget *w = focus; w && w != this; w = w->parentWidget()) {
        if (const auto *shown = dynamic_cast<const ControlWidgetEvents *>(w)) {
            return &shown->control();
        }
    }
    return nullptr;
}

void Form::keyReleased(const QKeyEvent &event)
{
    if (keyPreview_) {
        Form_KeyUp(event.key(), event.modifiers());
    }
}

bool Form::pressDefaultOrCancel(const QKeyEvent &event)
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    CommandButton *button = isEnterKey(event.key())         ? defaultButton_
                            : event.key() == Qt::Key_Escape ? cancelButton_
                                                            : nullptr;
    if (!button || !button->widget()->isEnabled()) {
        return false;
    }
    button->click();
    return true;
}

// The pointer over the client area: the controls keep their own events, so
// what rises here is the background's.
void Form::mouseMoveEvent(QMouseEvent *event)
{
    Form_MouseMove(event->buttons(),
                   screen_.toTwips(client_->mapFromGlobal(event->globalPosition())));
}

// Keys where no control has the focus.
void Form::keyPressEvent(QKeyEvent *event)
{
    if (!pressDefaultOrCancel(*event)) {
        QWidget::keyPressEvent(event);
    }
}

void Form::keyReleaseEvent(QKeyEvent *event)
{
    keyReleased(*event);
    QWidget::keyReleaseEvent(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    // The close box, Alt+F4 and the session's end all ask for an unload; the
    // form's own unload handling decides what happens.
    event->ignore();
    unload();
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    resized();
}

void Form::resized()
{
    for (Control *c : Controls()) {
        c->formResized();
    }
    Form_Resize();
}

void Form::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (modalLoop_) {
        modalLoop_->quit();
    }
}

void Form::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    placement_.moved();
}

void Form::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange) {
        return;
    }
    if (isActiveWindow()) {
        // Qt activates the new window before it deactivates the old one, so
        // the program is still marked active when the person moves between
        // two of its windows.
        const bool counts = activateOnShow_ || programForms_.oneIsActive();
        activateOnShow_ = false;
        programForms_.setOneIsActive(true);
        if (counts) {
            Form_Activate();
        }
    } else if (QApplication::activeWindow() == nullptr && !isHidden()) {
        // No window of the program took over, and this one was not hidden
        // by the program itself: the person went to another program.
        programForms_.setOneIsActive(false);
    }
}
