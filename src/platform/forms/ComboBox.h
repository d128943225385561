// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a drop-down list: selection only, entries kept sorted by name
// (ignoring case) or in the order they were added, each entry carrying a
// 32-bit number of its own.
#pragma once

#include "platform/core/ColorValue.h"
#include "platform/forms/Control.h"

#include <cstdint>

class QComboBox;

class ComboBox final : public Control
{
  public:
    ComboBox(FormHost &form, QString name, Control *container = nullptr);

    // Sorted (the default): entries go to their place by name. Unsorted:
    // each new entry goes to the end. Set before the first entry.
    void setSorted(bool sorted) { sorted_ = sorted; }
    // Adds an entry at its place and returns that index.
    int AddItem(const QString &text, std::int32_t itemData = 0);
    [[nodiscard]] int ListCount() const;
    [[nodiscard]] QString List(int index) const;
    [[nodiscard]] std::int32_t ItemData(int index) const;
    // -1 when nothing is selected.
    [[nodiscard]] int ListIndex() const;
    // Raises the selection event when the selection changes.
    void setListIndex(int index);
    [[nodiscard]] QString Text() const;
    void setForeColor(ColorValue color);

    std::function<void()> onClick;

    [[nodiscard]] bool scalesFont() const override { return true; }

  protected:
    void applyGeometry() override;
    bool widgetEvent(QEvent &event, ControlWidgetEvents &qt) override;

  private:
    QComboBox *combo_;
    bool sorted_ = true;
};
