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
