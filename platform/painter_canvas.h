// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The low-quality picture's canvas on a QPainter: flat colours, no antialiasing.
#include <QImage>
#include <QPainter>

#include "render/canvas.h"

namespace kiva {

class PainterCanvas : public Canvas {
public:
    explicit PainterCanvas(QPainter& painter);
    void FillRect(int left, int top, int right, int bottom, std::uint32_t colour) override;
    void SetPen(int width, std::uint32_t colour) override;
    void SetBrush(std::uint32_t colour) override;
    void SetNoBrush() override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void DrawLabel(const PlacedLabel& label) override;

private:
    QPainter& painter_;
};

// A colour of the core (red in the low byte) as Qt's.
QColor ToQColor(std::uint32_t colour);

}  // namespace kiva
