// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A canvas that records its calls as text, for checking what the low-quality picture draws.
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "render/canvas.h"

namespace kiva::testing {

class RecordingCanvas : public Canvas {
public:
    std::vector<std::string> calls;

    void FillRect(int l, int t, int r, int b, std::uint32_t c) override { Record("FillRect %d %d %d %d %06x", l, t, r, b, c); }
    void SetPen(int width, std::uint32_t c) override { Record("Pen %d %06x", width, c); }
    void SetBrush(std::uint32_t c) override { Record("Brush %06x", c); }
    void SetNoBrush() override { Record("NoBrush"); }
    void Ellipse(int l, int t, int r, int b) override { Record("Ellipse %d %d %d %d", l, t, r, b); }
    void Line(int x1, int y1, int x2, int y2) override { Record("Line %d %d %d %d", x1, y1, x2, y2); }
    void Rectangle(int l, int t, int r, int b) override { Record("Rectangle %d %d %d %d", l, t, r, b); }
    void DrawLabel(const PlacedLabel& label) override {
        Record("Label %d %d %dx%d %06x", label.x, label.row, label.stamp->width, label.stamp->height, label.colour);
    }

private:
    // The formats above are literals; the attribute lets the compiler check them against the values.
    __attribute__((format(printf, 2, 3))) void Record(const char* format, ...) {
        char text[96];
        va_list values;
        va_start(values, format);
        std::vsnprintf(text, sizeof text, format, values);
        va_end(values);
        calls.emplace_back(text);
    }
};

}  // namespace kiva::testing
