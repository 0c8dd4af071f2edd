// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The flat low-quality picture as a list of drawing calls, which the page plays on its canvas:
// each call is its code followed by its numbers, colours as the canvas interface gives them.
#include <cstdint>
#include <vector>

#include "render/canvas.h"

namespace kiva::web {

enum class DrawCall : std::int32_t { FillRect = 1, SetPen, SetBrush, SetNoBrush, Ellipse, Line, Rectangle };

class RecordedCanvas : public Canvas {
public:
    // The calls since the last Clear, led by the count of numbers that follow.
    const std::vector<std::int32_t>& Calls();
    void Clear() { calls_.assign(1, 0); }

    void FillRect(int left, int top, int right, int bottom, std::uint32_t colour) override;
    void SetPen(int width, std::uint32_t colour) override;
    void SetBrush(std::uint32_t colour) override;
    void SetNoBrush() override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void DrawLabel(const PlacedLabel&) override {}  // the page sets no labels

private:
    void Add(DrawCall call, std::initializer_list<std::int64_t> numbers);
    std::vector<std::int32_t> calls_{0};
};

}  // namespace kiva::web
