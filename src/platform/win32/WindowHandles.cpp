// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - 32-bit handles for the program's windows.
#include "platform/win32/WindowHandles.h"

#include <limits>

HWND WindowHandles::handleOf(QWidget *widget)
{
    if (widget == nullptr) {
        return 0;
    }
    const auto known = handles_.constFind(widget);
    // A pointer alone is not enough: a destroyed widget's address may have
    // been given to a new one, which must not inherit the old handle.
    if (known != handles_.constEnd() && entries_.value(*known).widget == widget) {
        return *known;
    }
    if (lastHandle_ == std::numeric_limits<HWND>::max()) {
        return 0;
    }
    forgetDestroyedWidgets();
    const HWND handle = ++lastHandle_;
    entries_.insert(handle, Entry{widget, widget});
    handles_.insert(widget, handle);
    return handle;
}

QWidget *WindowHandles::widgetOf(HWND handle) const
{
    return entries_.value(handle).widget;
}

void WindowHandles::forgetDestroyedWidgets()
{
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (it->widget.isNull()) {
            if (handles_.value(it->address) == it.key()) {
                handles_.remove(it->address);
            }
            it = entries_.erase(it);
        } else {
            ++it;
        }
    }
}
