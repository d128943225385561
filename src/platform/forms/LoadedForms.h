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

  private:
    std::vector<QPointer<Form>> forms_;
};
