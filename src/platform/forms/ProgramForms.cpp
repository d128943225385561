// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the program's forms: those loaded, and whether one is active.
#include "platform/forms/ProgramForms.h"

#include "platform/forms/Form.h"

#include <algorithm>

void ProgramForms::add(Form *form)
{
    if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) {
        forms_.emplace_back(form);
    }
}

void ProgramForms::remove(Form *form)
{
    std::erase_if(forms_, [form](const QPointer<Form> &f) { return f.isNull() || f == form; });
}

std::vector<QPointer<Form>> ProgramForms::inLoadOrder() const
{
    std::vector<QPointer<Form>> alive;
    std::copy_if(forms_.begin(), forms_.end(), std::back_inserter(alive),
                 [](const QPointer<Form> &f) { return !f.isNull(); });
    return alive;
}
