// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the keyboard handed back when a window closes.
#include "platform/core/KeyboardReturn.h"

#include <QApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {

struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};
template <class T> using Reply = std::unique_ptr<T, FreeReply>;

// Whether a window manager looks after the screen: it names its check
// window on the root window.
bool windowManagerRuns(xcb_connection_t *connection)
{
    static constexpr char name[] = "_NET_SUPPORTING_WM_CHECK";
    const Reply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE) {
        return false;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const Reply<xcb_get_property_reply_t> check(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1),
        nullptr));
    return check && xcb_get_property_value_length(check.get()) > 0;
}

} // namespace

KeyboardReturn::KeyboardReturn() : opener_(QApplication::activeWindow()) {}

void KeyboardReturn::giveBack(const QWidget *closed) const
{
    if (opener_ && opener_ != closed && opener_->isVisible()) {
        activate(*opener_);
    }
}

void KeyboardReturn::activate(QWidget &window)
{
    window.activateWindow();
    // Under another platform (offscreen, Wayland) the X11 interface may be
    // there, without a connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection || windowManagerRuns(connection)) {
        return;
    }
    // Qt asks the X server with the time of the last input it saw. A close
    // request carries none, and the server ignores an older request than
    // the focus's last change (a tool that moved the focus, say). With no
    // window manager nothing else competes for the focus: ask for it now.
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT,
                        static_cast<xcb_window_t>(window.winId()), XCB_CURRENT_TIME);
    xcb_flush(connection);
}
