// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - the one shared instance of a form: created and loaded on first
// use, destroyed when it unloads, so that the next use loads it afresh.
#pragma once

#include "platform/forms/Form.h"

#include <functional>
#include <memory>

template <class T> class FormInstance
{
  public:
    using Factory = std::function<std::unique_ptr<T>()>;

    explicit FormInstance(Factory factory) : factory_(std::move(factory)) {}
    ~FormInstance() = default;
    FormInstance(const FormInstance &) = delete;
    FormInstance &operator=(const FormInstance &) = delete;

    // The form, created and loaded if it is not loaded yet.
    T &get()
    {
        if (!form_) {
            form_ = factory_();
            form_->onUnloaded = [this] { release(); };
            form_->load();
        }
        return *form_;
    }

    [[nodiscard]] bool exists() const { return form_ != nullptr; }
    [[nodiscard]] T *ifLoaded() const { return form_.get(); }

  private:
    void release()
    {
        // The unload may come from one of the form's own handlers: let Qt
        // destroy it once that handler has returned.
        if (form_) {
            form_.release()->deleteLater();
        }
    }

    Factory factory_;
    std::unique_ptr<T> form_;
};
