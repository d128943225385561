// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - message boxes shown with QMessageBox.
#include "platform/services/QtMessageBoxService.h"

#include "platform/core/KeyboardReturn.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::Exclamation:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MsgButtons::OK:
        break;
    }
    return QMessageBox::Ok;
}

// The first button of the set is the default, as the boxes were designed;
// left to itself a platform theme may choose another (the GTK 3 theme's
// GNOME button order puts No first and gives it the keyboard, so that Enter
// would not print; Qt means it so, and other Qt programs set the default
// button as this does).
QMessageBox::StandardButton defaultOf(MsgButtons buttons)
{
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? QMessageBox::Yes
                                                                              : QMessageBox::Ok;
}

MsgResult fromQtButton(int button)
{
    switch (button) {
    case QMessageBox::Cancel:
        return MsgResult::Cancel;
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    default:
        return MsgResult::OK;
    }
}

} // namespace

QtMessageBoxService::QtMessageBoxService(QString applicationTitle)
    : applicationTitle_(std::move(applicationTitle))
{
}

MsgResult QtMessageBoxService::show(const MessageRequest &request)
{
    const KeyboardReturn opener;
    const QString title = request.title.isEmpty() ? applicationTitle_ : request.title;
    QMessageBox box(toQtIcon(request.icon), title, request.text, toQtButtons(request.buttons),
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("messageBox"));
    box.setDefaultButton(defaultOf(request.buttons));
    box.setWindowModality(Qt::ApplicationModal);
    const MsgResult result = fromQtButton(box.exec());
    opener.giveBack();
    return result;
}
