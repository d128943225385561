// Tintwell - the forms that are loaded, in the order they were loaded.
#pragma once

#include <QPointer>
#include <vector>

class Form;

class LoadedForms
{
  public:
    void add(Form *form);
    void remove(Form *form);
    [[nodiscard]] bool contains(const Form *form) const;
    // A copy, so that unloading while walking it is safe.
    [[nodiscard]] std::vector<QPointer<Form>> inLoadOrder() const;

    // Whether one of the program's windows held the activation when it last
    // changed: false once the person has gone to another program's window.
    [[nodiscard]] bool programActive() const { return programActive_; }
    void setProgramActive(bool active) { programActive_ = active; }

  private:
    std::vector<QPointer<Form>> forms_;
    bool programActive_ = false;
};
