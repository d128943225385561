// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell - a line between two points, in twips; it has no box of its own.
#pragma once

#include "platform/forms/Control.h"

class LineSurface;

// Drawn in black, one pixel wide.
class Line final : public Control
{
  public:
    Line(FormHost &form, QString name, Control *container = nullptr);

    void setEnds(double x1, double y1, double x2, double y2);
    void scaleGeometry(const TwipsScale &scale) override;

  protected:
    [[nodiscard]] bool hasFont() const override { return false; }
    void applyGeometry() override;

  private:
    LineSurface *surface_;
    double x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
};
