// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The line work over the scene: the picture frame, the measurement marks, the XYZ axes and the
// unit-cell frame. Both picture qualities draw the same lines, from the same geometry.
#include <cstdint>
#include <vector>

#include "render/canvas.h"
#include "render/image_point.h"
#include "render/rasterizer.h"

namespace kiva {

inline constexpr int kOverlayDepth = 32767;  // the largest depth: nothing can be nearer

struct OverlayLine {
    ImagePoint from, to;
};

bool BondIsValid(const ViewState& view, const SceneBond& bond);

// The lines in the device pixels of a picture of any size; without a map, in the 340 picture.
// A cross on each picked atom, 4 picture units each way, then a line joining each consecutive
// pair, at the overlay depth.
std::vector<OverlayLine> MeasurementMarkLines(const ViewState& view, const PictureMap& map = {});
// From the structure origin along x, y and z, axisLength long, at the points' true depths;
// none while the axes are hidden.
std::vector<OverlayLine> AxisLines(const ViewState& view, const PictureMap& map = {});
// The twelve edges of the cell at the origin, in the crystalline solid with the frame shown.
std::vector<OverlayLine> CellFrameLines(const ViewState& view, const PictureMap& map = {});

// High quality: the green frame round the rasterizer's picture first, at the overlay depth, so
// nothing paints over it.
void DrawPictureFrame(Rasterizer& raster);
// High quality: marks and axes in the contrast colour, the cell frame in yellow.
void DrawOverlays(const ViewState& view, Rasterizer& raster, std::uint32_t contrast);
void DrawOverlays(const ViewState& view, const PictureMap& map, Rasterizer& raster, std::uint32_t contrast);
// Low quality: the same lines in white and yellow, then the green frame last.
void DrawOverlaysGdi(const ViewState& view, Canvas& canvas, const PictureMap& map = {});

}  // namespace kiva
