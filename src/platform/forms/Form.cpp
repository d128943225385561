// Tintwell - a window of the program: controls in twips, a load step, modal
// and modeless showing, hiding and unloading.
#include "platform/forms/Form.h"

#include "platform/forms/CommandButton.h"
#include "platform/forms/LoadedForms.h"
#include "platform/forms/MenuItem.h"
#include "platform/services/ScreenMetrics.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {

int px(double twips, double twipsPerPixel)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

} // namespace

Form::Form(const FormContext &context, const QString &name)
    : screen_(context.screen), loadedForms_(context.loadedForms), client_(new QWidget(this))
{
    setObjectName(name);
    client_->setObjectName(name + QStringLiteral("_client"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(client_);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setAutoFillBackground(true);
}

Form::~Form()
{
    // An unloaded form has left the list already, and may be destroyed later
    // than the list itself (its destruction waits for the event loop).
    if (loaded_) {
        loadedForms_.remove(this);
    }
    if (modalLoop_) {
        modalLoop_->quit();
    }
    // Controls go first: their handlers must not run while Qt deletes the widgets.
    controlByWidget_.clear();
    controlOrder_.clear();
    controls_.clear();
}

void Form::load()
{
    if (loaded_) {
        return;
    }
    loaded_ = true;
    loadedForms_.add(this);
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
}

void Form::hideForm()
{
    hide();
}

void Form::unload()
{
    if (!loaded_) {
        return;
    }
    if (!Form_QueryUnload()) {
        return;
    }
    Form_Unload();
    loaded_ = false;
    loadedForms_.remove(this);
    hide();
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
        placeOnFirstShow();
    }
    show();
    if (first && frameGeometry().size() != size()) {
        placeOnFirstShow(); // the frame is known now: centre it too
    }
    raise();
    activateWindow();
}

void Form::placeOnFirstShow()
{
    QRect area;
    if (startUpPosition_ == StartUpPosition::CenterOwner) {
        const QWidget *owner = QApplication::activeWindow();
        if (owner && owner != this) {
            area = owner->frameGeometry();
        }
    }
    if (startUpPosition_ != StartUpPosition::Manual && area.isNull()) {
        if (const QScreen *s = QGuiApplication::primaryScreen()) {
            area = s->geometry();
        }
    }
    if (area.isNull()) {
        return;
    }
    // Centre the whole window, frame included, where the frame is known.
    QRect box(QPoint(0, 0), frameGeometry().size().expandedTo(size()));
    box.moveCenter(area.center());
    move(box.topLeft());
}

void Form::applyTabOrder()
{
    std::vector<Control *> order;
    std::copy_if(controlOrder_.begin(), controlOrder_.end(), std::back_inserter(order),
                 [](Control *c) { return c->widget() && c->TabIndex() >= 0; });
    std::stable_sort(order.begin(), order.end(),
                     [](Control *a, Control *b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1]->widget(), order[i]->widget());
    }
    const auto first = std::find_if(order.begin(), order.end(), [](Control *c) {
        return c->widget()->focusPolicy() & Qt::TabFocus;
    });
    if (first != order.end()) {
        (*first)->widget()->setFocus(Qt::OtherFocusReason);
    }
}

void Form::resolveAccessKeyClashes()
{
    // A menu and a button marked with the same letter would share Alt+letter,
    // and Qt then only moves the focus between them. The menu keeps the key.
    QList<QKeySequence> menuKeys;
    for (Control *c : controlOrder_) {
        if (auto *item = dynamic_cast<MenuItem *>(c); item && item->isMenu()) {
            menuKeys << QKeySequence::mnemonic(item->Caption());
        }
    }
    for (Control *c : controlOrder_) {
        if (auto *button = dynamic_cast<CommandButton *>(c)) {
            const QKeySequence key = QKeySequence::mnemonic(button->Caption());
            if (!key.isEmpty() && menuKeys.contains(key)) {
                button->yieldAccessKey();
            }
        }
    }
}

double Form::twipsPerPixelX() const
{
    return screen_.twipsPerPixelX();
}
double Form::twipsPerPixelY() const
{
    return screen_.twipsPerPixelY();
}

double Form::Left() const
{
    return x() * twipsPerPixelX();
}
double Form::Top() const
{
    return y() * twipsPerPixelY();
}
double Form::Width() const
{
    return width() * twipsPerPixelX();
}
double Form::Height() const
{
    return height() * twipsPerPixelY();
}

void Form::Move(double left, double top, double width, double height)
{
    const QSize before = size();
    const QSize newSize(px(width, twipsPerPixelX()), px(height, twipsPerPixelY()));
    move(px(left, twipsPerPixelX()), px(top, twipsPerPixelY()));
    if (fixedBorder_) {
        setFixedSize(newSize);
    } else {
        resize(newSize);
    }
    // A hidden window gets its resize event only when shown; the handler
    // must see the new size now.
    if (!isVisible() && before != newSize) {
        Form_Resize();
    }
}

void Form::Refresh()
{
    repaint();
}

double Form::ScaleWidth() const
{
    return width() * twipsPerPixelX();
}

double Form::ScaleHeight() const
{
    return std::max(0, height() - menuBarHeight()) * twipsPerPixelY();
}

int Form::menuBarHeight() const
{
    return menuBar_ ? menuBar_->sizeHint().height() : 0;
}

void Form::setClientSize(double widthTwips, double heightTwips)
{
    const QSize newSize(px(widthTwips, twipsPerPixelX()),
                        px(heightTwips, twipsPerPixelY()) + menuBarHeight());
    if (fixedBorder_) {
        setFixedSize(newSize);
    } else {
        resize(newSize);
    }
}

void Form::setBackColor(ColorValue color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(color));
    setPalette(pal);
}

ColorValue Form::BackColor() const
{
    return fromQColor(palette().color(QPalette::Window));
}

void Form::setFixedBorder(bool fixed)
{
    fixedBorder_ = fixed;
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (!fixed) {
        flags |= Qt::WindowMinMaxButtonsHint;
    }
    setWindowFlags(flags);
    if (fixed) {
        setFixedSize(size());
    }
}

QMenuBar *Form::menuBar()
{
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setObjectName(objectName() + QStringLiteral("_menuBar"));
        // Keep the client size: the window grows by the bar's height.
        const QSize client = size();
        layout()->setMenuBar(menuBar_);
        const QSize grown(client.width(), client.height() + menuBar_->sizeHint().height());
        if (fixedBorder_) {
            setFixedSize(grown);
        } else {
            resize(grown);
        }
    }
    return menuBar_;
}

MenuItem &Form::addMenu(const QString &name, const QString &caption)
{
    return add<MenuItem>(name, caption, menuBar());
}

MenuItem &Form::addMenuItem(MenuItem &menu, const QString &name, const QString &caption,
                            const QKeySequence &shortcut)
{
    MenuItem &item = add<MenuItem>(name, caption, menu);
    item.setShortcut(shortcut);
    return item;
}

Control *Form::ActiveControl() const
{
    for (QWidget *w = QApplication::focusWidget(); w && w != this; w = w->parentWidget()) {
        if (Control *c = controlByWidget_.value(w)) {
            return c;
        }
    }
    return nullptr;
}

QWidget *Form::containerWidget(Control *container) const
{
    return container && container->widget() ? container->widget() : client_;
}

void Form::watchControlWidget(QWidget *widget, Control *control)
{
    controlByWidget_.insert(widget, control);
    widget->installEventFilter(this);
    widget->setMouseTracking(true);
}
