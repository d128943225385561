// Tintwell - the forms that are loaded, in the order they were loaded.
#include "platform/forms/LoadedForms.h"

#include "platform/forms/Form.h"

#include <algorithm>

void LoadedForms::add(Form *form)
{
    if (!contains(form)) {
        forms_.emplace_back(form);
    }
}

void LoadedForms::remove(Form *form)
{
    std::erase_if(forms_, [form](const QPointer<Form> &f) { return f.isNull() || f == form; });
}

bool LoadedForms::contains(const Form *form) const
{
    return std::any_of(forms_.begin(), forms_.end(),
                       [form](const QPointer<Form> &f) { return f.data() == form; });
}

std::vector<QPointer<Form>> LoadedForms::inLoadOrder() const
{
    std::vector<QPointer<Form>> alive;
    std::copy_if(forms_.begin(), forms_.end(), std::back_inserter(alive),
                 [](const QPointer<Form> &f) { return !f.isNull(); });
    return alive;
}
