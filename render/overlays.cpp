// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/overlays.h"

namespace kiva {

namespace {

constexpr std::uint32_t kFrameGreen = 0x00FF00;
constexpr std::uint32_t kCellYellow = 0x00FFFF;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr float kMarkReach = 4;  // picture units on each side of a picked atom

ImagePoint Project(const ViewState& view, const PictureMap& map, Vector3D structurePoint) {
    return ToImagePoint(TransformPoint(view.viewTransform, structurePoint), map);
}

void DrawLines(Rasterizer& raster, const std::vector<OverlayLine>& lines, std::uint32_t colour) {
    for (const OverlayLine& line : lines)
        raster.DrawLine3D(line.from.x, line.from.row, line.from.z, line.to.x, line.to.row, line.to.z, colour);
}

void DrawLines(Canvas& canvas, const std::vector<OverlayLine>& lines, std::uint32_t colour) {
    canvas.SetPen(0, colour);
    for (const OverlayLine& line : lines) canvas.Line(line.from.x, line.from.row, line.to.x, line.to.row);
}

}  // namespace

bool BondIsValid(const ViewState& view, const SceneBond& bond) {
    return bond.first >= 0 && bond.second >= 0 && static_cast<std::size_t>(bond.first) < view.atoms.size() &&
           static_cast<std::size_t>(bond.second) < view.atoms.size();
}

std::vector<OverlayLine> MeasurementMarkLines(const ViewState& view, const PictureMap& map) {
    const int reach = ToPixel(kMarkReach * map.scale);
    std::vector<ImagePoint> picked;
    for (int i = 0; i < view.pickedCount && i < 4; ++i) {
        const int atom = view.pickedAtoms[static_cast<std::size_t>(i)];
        if (atom < 0 || static_cast<std::size_t>(atom) >= view.atoms.size()) break;
        ImagePoint p = ToImagePoint(view.atoms[static_cast<std::size_t>(atom)].picture, map);
        p.z = kOverlayDepth;
        picked.push_back(p);
    }
    std::vector<OverlayLine> lines;
    for (const ImagePoint& p : picked) {
        lines.push_back({{p.x - reach, p.row, kOverlayDepth}, {p.x + reach, p.row, kOverlayDepth}});
        lines.push_back({{p.x, p.row - reach, kOverlayDepth}, {p.x, p.row + reach, kOverlayDepth}});
    }
    for (std::size_t i = 1; i < picked.size(); ++i) lines.push_back({picked[i - 1], picked[i]});
    return lines;
}

std::vector<OverlayLine> AxisLines(const ViewState& view, const PictureMap& map) {
    if (!view.showAxes) return {};
    const float length = view.axisLength;
    const ImagePoint origin = Project(view, map, {0, 0, 0});
    return {{origin, Project(view, map, {length, 0, 0})},
            {origin, Project(view, map, {0, length, 0})},
            {origin, Project(view, map, {0, 0, length})}};
}

// The crystal's unit cell, or the walls of a heating run's box.
std::vector<OverlayLine> CellFrameLines(const ViewState& view, const PictureMap& map) {
    const bool box = view.displayState == DisplayState::Heating;
    if (!box && (view.displayState != DisplayState::CrystalSolid || !view.showCellFrame)) return {};
    const auto& [a, b, c] = view.cellAxes;
    const ImagePoint o = Project(view, map, {0, 0, 0});
    const ImagePoint pa = Project(view, map, a), pb = Project(view, map, b), pc = Project(view, map, c);
    const ImagePoint ab = Project(view, map, Add(a, b)), ac = Project(view, map, Add(a, c)), bc = Project(view, map, Add(b, c));
    const ImagePoint abc = Project(view, map, Add(Add(a, b), c));
    return {{o, pa},  {pa, ab},  {ab, pb},   {pb, o},  {pc, ac}, {ac, abc},
            {abc, bc}, {bc, pc}, {o, pc},    {pa, ac}, {ab, abc}, {pb, bc}};
}

void DrawPictureFrame(Rasterizer& raster) {
    const int right = raster.Width() - 1, bottom = raster.Height() - 1;
    raster.DrawLine3D(0, 0, kOverlayDepth, 0, bottom, kOverlayDepth, kFrameGreen);
    raster.DrawLine3D(0, bottom, kOverlayDepth, right, bottom, kOverlayDepth, kFrameGreen);
    raster.DrawLine3D(right, bottom, kOverlayDepth, right, 0, kOverlayDepth, kFrameGreen);
    raster.DrawLine3D(right, 0, kOverlayDepth, 0, 0, kOverlayDepth, kFrameGreen);
}

void DrawOverlays(const ViewState& view, Rasterizer& raster, std::uint32_t contrast) {
    DrawOverlays(view, PictureMap{}, raster, contrast);
}

void DrawOverlays(const ViewState& view, const PictureMap& map, Rasterizer& raster, std::uint32_t contrast) {
    DrawLines(raster, MeasurementMarkLines(view, map), contrast);
    DrawLines(raster, AxisLines(view, map), contrast);
    DrawLines(raster, CellFrameLines(view, map), kCellYellow);
}

void DrawOverlaysGdi(const ViewState& view, Canvas& canvas, const PictureMap& map) {
    DrawLines(canvas, MeasurementMarkLines(view, map), kWhite);
    DrawLines(canvas, AxisLines(view, map), kWhite);
    DrawLines(canvas, CellFrameLines(view, map), kCellYellow);
    canvas.SetPen(0, kFrameGreen);
    canvas.SetNoBrush();
    canvas.Rectangle(0, 0, map.width, map.height);
}

}  // namespace kiva
