#pragma once
// The low-quality drawing's canvas on a QPainter: plain pens and brushes, no antialiasing, and
// right and bottom edges excluded as the flat drawing expects.
#include <QPainter>

#include "render/canvas.h"

namespace kiva {

class QPainterCanvas final : public Canvas {
public:
    explicit QPainterCanvas(QPainter& painter);
    void FillRect(int left, int top, int right, int bottom, std::uint32_t colour) override;
    void SetPen(int width, std::uint32_t colour) override;
    void SetBrush(std::uint32_t colour) override;
    void SetNoBrush() override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Rectangle(int left, int top, int right, int bottom) override;

private:
    QPainter& painter_;
};

// A colour with red in bits 0-7, green 8-15 and blue 16-23.
QColor ToQColor(std::uint32_t colour);

}  // namespace kiva
