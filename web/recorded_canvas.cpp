// SPDX-License-Identifier: GPL-2.0-or-later
#include "web/recorded_canvas.h"

namespace kiva::web {

const std::vector<std::int32_t>& RecordedCanvas::Calls() {
    calls_[0] = static_cast<std::int32_t>(calls_.size() - 1);
    return calls_;
}

void RecordedCanvas::Add(DrawCall call, std::initializer_list<std::int64_t> numbers) {
    calls_.push_back(static_cast<std::int32_t>(call));
    for (const std::int64_t number : numbers) calls_.push_back(static_cast<std::int32_t>(number));
}

void RecordedCanvas::FillRect(int left, int top, int right, int bottom, std::uint32_t colour) {
    Add(DrawCall::FillRect, {left, top, right, bottom, colour});
}
void RecordedCanvas::SetPen(int width, std::uint32_t colour) { Add(DrawCall::SetPen, {width, colour}); }
void RecordedCanvas::SetBrush(std::uint32_t colour) { Add(DrawCall::SetBrush, {colour}); }
void RecordedCanvas::SetNoBrush() { Add(DrawCall::SetNoBrush, {}); }
void RecordedCanvas::Ellipse(int left, int top, int right, int bottom) { Add(DrawCall::Ellipse, {left, top, right, bottom}); }
void RecordedCanvas::Line(int x1, int y1, int x2, int y2) { Add(DrawCall::Line, {x1, y1, x2, y2}); }
void RecordedCanvas::Rectangle(int left, int top, int right, int bottom) { Add(DrawCall::Rectangle, {left, top, right, bottom}); }

}  // namespace kiva::web
