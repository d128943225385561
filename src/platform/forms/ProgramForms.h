// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the program's forms: those loaded, in the order they were
// loaded, and whether one of them holds the activation.
#pragma once

#include <QPointer>
#include <vector>

class Form;

class ProgramForms
{
  public:
    void add(Form *form);
    void remove(Form *form);
    // A copy, so that unloading while walking it is safe.
    [[nodiscard]] std::vector<QPointer<Form>> inLoadOrder() const;

    // Whether one of the program's forms held the activation when it last
    // changed: false once the person has gone to another program's window.
    [[nodiscard]] bool oneIsActive() const { return oneIsActive_; }
    void setOneIsActive(bool active) { oneIsActive_ = active; }

  private:
    std::vector<QPointer<Form>> forms_;
    bool oneIsActive_ = false;
};
