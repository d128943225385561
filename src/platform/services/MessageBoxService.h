// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - modal message boxes.
#pragma once

#include <QString>

enum class MsgIcon
{
    None,
    Critical,
    Question,
    Exclamation,
    Information
};
enum class MsgButtons
{
    OK,
    OKCancel,
    YesNo,
    YesNoCancel
};
enum class MsgResult
{
    OK,
    Cancel,
    Yes,
    No
};

struct MessageRequest
{
    QString text;
    QString title; // empty: the application's title
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::OK;
};

class MessageBoxService
{
  public:
    virtual ~MessageBoxService() = default;
    // Shows the box modally and returns the button the person pressed.
    virtual MsgResult show(const MessageRequest &request) = 0;
};
