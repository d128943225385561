// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - message boxes shown with QMessageBox.
#pragma once

#include "platform/services/MessageBoxService.h"

class QtMessageBoxService final : public MessageBoxService
{
  public:
    explicit QtMessageBoxService(QString applicationTitle);
    MsgResult show(const MessageRequest &request) override;

  private:
    QString applicationTitle_;
};
