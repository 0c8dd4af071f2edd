// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The flat low-quality picture, drawn through a small canvas interface so that the drawing stays
// free of any window system: the Qt layer paints it with QPainter, tests record it.
#include <cstdint>

#include "render/label_font.h"
#include "render/view_state.h"

namespace kiva {

class Canvas {
public:
    virtual ~Canvas() = default;
    // Colours are red in bits 0-7, green 8-15, blue 16-23. Pen widths are pixels; 0 is the thinnest.
    virtual void FillRect(int left, int top, int right, int bottom, std::uint32_t colour) = 0;
    virtual void SetPen(int width, std::uint32_t colour) = 0;
    virtual void SetBrush(std::uint32_t colour) = 0;
    virtual void SetNoBrush() = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;  // outline with the pen, filled with the brush
    // The label's letters in its colour over their dark outline, blended by their coverage.
    virtual void DrawLabel(const PlacedLabel& label) = 0;
};

// Farthest first by drawOrder: filled circles for atoms, each with its label while labels show
// and `labels` has a font, lines for bonds, then the overlays. Without a map, in the 340 picture.
void DrawSceneGdi(const ViewState& view, Canvas& canvas);
void DrawSceneGdi(const ViewState& view, Canvas& canvas, const PictureMap& map, LabelFont* labels = nullptr);

}  // namespace kiva
