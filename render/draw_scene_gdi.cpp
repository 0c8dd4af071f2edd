// SPDX-License-Identifier: GPL-2.0-or-later
// The low-quality picture: flat circles and lines, farthest first.
#include <cmath>

#include "render/canvas.h"
#include "render/draw_budget.h"
#include "render/image_point.h"
#include "render/overlays.h"
#include "render/picture_labels.h"
#include "render/projection.h"

namespace kiva {

namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kBondGrey = 0xC0C0C0;
constexpr std::uint32_t kBondOlive = 0x00C0C0;

void DrawAtom(const ViewState& view, const PictureMap& map, const SceneAtom& atom, Canvas& canvas) {
    const ImagePoint p = ToImagePoint(atom.picture, map);
    const int r = AtomPixelRadius(atom, view, map);
    canvas.SetPen(0, atom.color);
    canvas.SetBrush(atom.color);
    canvas.Ellipse(p.x - r, p.row - r, p.x + r, p.row + r);
}

// u and v in device pixels, y up from the bottom edge.
void LineBetween(Canvas& canvas, const PictureMap& map, Vector3D u, Vector3D v, int ox, int oy) {
    canvas.Line(ToPixel(u.x) + map.left + ox, map.height - 1 - (ToPixel(u.y) + map.bottom) - oy,
                ToPixel(v.x) + map.left + ox, map.height - 1 - (ToPixel(v.y) + map.bottom) - oy);
}

void DrawBond(const ViewState& view, const PictureMap& map, const SceneBond& bond, Canvas& canvas) {
    if (bond.kind < 0 || bond.kind > 4 || (bond.kind == 0 && !view.showCoordination)) return;
    const SceneAtom& first = view.atoms[static_cast<std::size_t>(bond.first)];
    const SceneAtom& second = view.atoms[static_cast<std::size_t>(bond.second)];
    const Vector3D a = ToDeviceVector(first.picture, map);
    const Vector3D b = ToDeviceVector(second.picture, map);
    const float w = DevicePixelSize(view, map);
    // Each end leaves its atom's centre by a sixth of that atom's radius.
    const Vector3D d = Subtract(b, a);
    const float t = Length(d) * w * 6;
    const Vector3D u = t > 0 ? Add(a, Scale(first.radius / t, d)) : a;
    const Vector3D v = t > 0 ? Subtract(b, Scale(second.radius / t, d)) : b;

    static constexpr float kWidths[5] = {0, 0.2f, 0.15f, 0.06f, 0.2f};  // angstrom; coordination is 1 pixel
    const int width = bond.kind == 0 ? 1 : ToPixel(kWidths[bond.kind] / w);
    canvas.SetPen(width, bond.kind == 4 ? kBondOlive : kBondGrey);
    if (bond.kind == 2) {
        const SidewaysOffset o = DoubleBondOffset(u, v, w);
        LineBetween(canvas, map, u, v, o.ox, o.oy);
        LineBetween(canvas, map, u, v, -o.ox, -o.oy);
    } else if (bond.kind == 3) {
        for (const Vector3D& o : TripleBondOffsets(Subtract(u, v), w))
            LineBetween(canvas, map, u, v, ToPixel(o.x), ToPixel(o.y));
    } else {
        LineBetween(canvas, map, u, v, 0, 0);
    }
}

}  // namespace

void DrawSceneGdi(const ViewState& view, Canvas& canvas) { DrawSceneGdi(view, canvas, PictureMap{}); }

void DrawSceneGdi(const ViewState& view, Canvas& canvas, const PictureMap& map, LabelFont* labels) {
    LabelFont* font = view.showLabels ? labels : nullptr;
    canvas.FillRect(0, 0, map.width, map.height, kBlack);
    const std::size_t atomCount = view.atoms.size();
    const std::vector<bool> drawn = ItemsDrawnWithinBudget(view, map, FrameDrawBudget(map));
    for (const int entry : DrawOrder(view)) {
        if (entry < 0 || static_cast<std::size_t>(entry) >= drawn.size() || !drawn[static_cast<std::size_t>(entry)]) continue;
        const auto index = static_cast<std::size_t>(entry);
        if (index < atomCount) {
            const SceneAtom& atom = view.atoms[index];
            DrawAtom(view, map, atom, canvas);
            // Drawn with its atom, so nearer atoms and bonds cover it as they cover the atom.
            if (font)
                if (const LabelStamp* stamp = AtomLabelStamp(atom, AtomPixelRadius(atom, view, map), *font))
                    canvas.DrawLabel(AtomLabelAt(*stamp, ToImagePoint(atom.picture, map)));
        } else if (view.displayModel == DisplayModel::BallAndStick && index - atomCount < view.bonds.size()) {
            const SceneBond& bond = view.bonds[index - atomCount];
            if (BondIsValid(view, bond)) DrawBond(view, map, bond, canvas);
        }
    }
    DrawOverlaysGdi(view, canvas, map);
    if (font)
        for (const PlacedLabel& label : CellEdgeLabels(view, map, *font)) canvas.DrawLabel(label);
}

}  // namespace kiva
