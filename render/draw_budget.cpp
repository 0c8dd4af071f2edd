// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/draw_budget.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "render/image_point.h"
#include "render/overlays.h"
#include "render/projection.h"

namespace kiva {

namespace {

constexpr std::uint64_t kItemWork = 16;  // what an item costs beyond its pixels, even a hidden one

// A sphere walks every row it has in the picture across its whole width.
std::uint64_t SphereWork(ImagePoint centre, int radius, const PictureMap& map) {
    const int top = std::max(centre.row - radius, 0);
    const int bottom = std::min(centre.row + radius, map.height - 1);
    if (bottom < top || centre.x + radius < 0 || centre.x - radius >= map.width) return 0;
    return static_cast<std::uint64_t>(bottom - top + 1) * static_cast<std::uint64_t>(2 * radius + 1);
}

// A tube walks a disc at every step along its longest axis, depth included, and shades each of
// its pixels at about twice a sphere's cost; a line walks one pixel a step.
std::uint64_t TubeWork(ImagePoint a, ImagePoint b, int radius) {
    const long long steps = std::max({std::llabs(static_cast<long long>(a.x) - b.x),
                                      std::llabs(static_cast<long long>(a.row) - b.row),
                                      std::llabs(static_cast<long long>(a.z) - b.z)});
    const std::uint64_t pixels = static_cast<std::uint64_t>(steps + 1) * static_cast<std::uint64_t>(2 * radius + 1);
    return radius > 0 ? 2 * pixels : pixels;
}

// At least the work of every item of the scene, from one pass over the atoms and the bonds'
// kinds, none over the bonds' ends: each sphere is taken at the largest radius and as a whole
// square, each tube as long as the scene is wide or deep. When even that fits the budget, every
// item is drawn. In double, so no sum wraps round; infinite where the pixel size leaves the radii
// without sense.
double SceneWorkBound(const ViewState& view, const PictureMap& map, const AtomExtent& extent, const BondKindCount& kinds) {
    const float pixelSize = DevicePixelSize(view, map);
    if (!(pixelSize > 0) || !std::isfinite(pixelSize)) return std::numeric_limits<double>::infinity();
    const std::size_t atomCount = view.atoms.size();
    ImagePoint low = extent.low, high = extent.high;
    if (extent.unbounded != 0) {
        constexpr float kInfinity = std::numeric_limits<float>::infinity();
        low = ToImagePoint({-kInfinity, kInfinity, -kInfinity}, map);
        high = ToImagePoint({kInfinity, -kInfinity, kInfinity}, map);
    }
    SceneAtom largest{};
    largest.radius = extent.largestRadius;
    const double side = 2.0 * AtomPixelRadius(largest, view, map) + 1;
    double bound = static_cast<double>(atomCount) * (kItemWork + side * side);
    const double items = static_cast<double>(view.bonds.size()) * kItemWork;
    if (view.displayModel != DisplayModel::BallAndStick || atomCount == 0) return bound + items;
    const double line = static_cast<double>(TubeWork(low, high, 0));
    const double tube = static_cast<double>(TubeWork(low, high, ToPixel(0.1f / pixelSize)));
    // Coordination lines, and tubes: a double bond is two, a triple three, any other kind one.
    const double lines = view.showCoordination ? static_cast<double>(kinds.coordination) : 0.0;
    const double tubes = static_cast<double>(view.bonds.size() - kinds.coordination + kinds.doubles + 2 * kinds.triples);
    return bound + items + lines * line + tubes * tube;
}

double SceneWorkBound(const ViewState& view, const PictureMap& map) {
    AtomExtent extent;
    for (const SceneAtom& atom : view.atoms.items) extent.Add(atom, ToImagePoint(atom.picture, map));
    BondKindCount kinds;
    for (const SceneBond& bond : view.bonds.items) kinds.Add(bond);
    return SceneWorkBound(view, map, extent, kinds);
}

}  // namespace

std::uint64_t FrameDrawBudget(const PictureMap& map) {
    const double scale = std::max(1.0, static_cast<double>(map.scale));
    return static_cast<std::uint64_t>(static_cast<double>(kMaxFrameDrawWork) * scale * scale);
}

std::uint64_t ItemDrawWork(const ViewState& view, std::size_t item, const PictureMap& map) {
    const std::size_t atomCount = view.atoms.size();
    if (item < atomCount) {
        const SceneAtom& atom = view.atoms[item];
        return kItemWork + SphereWork(ToImagePoint(atom.picture, map), AtomPixelRadius(atom, view, map), map);
    }
    if (item - atomCount >= view.bonds.size() || view.displayModel != DisplayModel::BallAndStick) return kItemWork;
    const SceneBond& bond = view.bonds[item - atomCount];
    if (!BondIsValid(view, bond)) return kItemWork;
    const ImagePoint a = ToImagePoint(view.atoms[static_cast<std::size_t>(bond.first)].picture, map);
    const ImagePoint b = ToImagePoint(view.atoms[static_cast<std::size_t>(bond.second)].picture, map);
    if (bond.kind == static_cast<std::int32_t>(BondKind::Coordination))
        return kItemWork + (view.showCoordination ? TubeWork(a, b, 0) : 0);
    // A double or triple bond is two or three thinner tubes; the single bond's radius stands for all.
    const int tubes = bond.kind == 2 || bond.kind == 3 ? bond.kind : 1;
    return kItemWork + static_cast<std::uint64_t>(tubes) * TubeWork(a, b, ToPixel(0.1f / DevicePixelSize(view, map)));
}

bool EveryItemFitsBudget(const ViewState& view, std::uint64_t budget) { return EveryItemFitsBudget(view, {}, budget); }

bool EveryItemFitsBudget(const ViewState& view, const PictureMap& map, std::uint64_t budget) {
    return SceneWorkBound(view, map) <= static_cast<double>(budget);
}

bool EveryItemFitsBudget(const ViewState& view, const PictureMap& map, std::uint64_t budget, const AtomExtent& extent,
                         const BondKindCount& kinds) {
    return SceneWorkBound(view, map, extent, kinds) <= static_cast<double>(budget);
}

void AtomExtent::Merge(const AtomExtent& other) {
    largestRadius = std::max(largestRadius, other.largestRadius);
    unbounded += other.unbounded;
    low = {std::min(low.x, other.low.x), std::min(low.row, other.low.row), std::min(low.z, other.low.z)};
    high = {std::max(high.x, other.high.x), std::max(high.row, other.high.row), std::max(high.z, other.high.z)};
}

void BondKindCount::Merge(const BondKindCount& other) {
    coordination += other.coordination;
    doubles += other.doubles;
    triples += other.triples;
}

AtomExtent Merged(std::span<const AtomExtent> parts) {
    AtomExtent whole;
    for (const AtomExtent& part : parts) whole.Merge(part);
    return whole;
}

BondKindCount Merged(std::span<const BondKindCount> parts) {
    BondKindCount whole;
    for (const BondKindCount& part : parts) whole.Merge(part);
    return whole;
}

std::vector<bool> ItemsDrawnWithinBudget(const ViewState& view, std::uint64_t budget) {
    return ItemsDrawnWithinBudget(view, {}, budget);
}

std::vector<bool> ItemsDrawnWithinBudget(const ViewState& view, const PictureMap& map, std::uint64_t budget) {
    const std::size_t count = view.atoms.size() + view.bonds.size();
    if (EveryItemFitsBudget(view, map, budget)) return std::vector<bool>(count, true);
    const std::vector<int>& order = DrawOrder(view);
    if (order.size() != count) return std::vector<bool>(count, true);
    std::vector<bool> drawn(count, false);
    std::uint64_t spent = 0;
    for (auto entry = order.rbegin(); entry != order.rend(); ++entry) {
        if (*entry < 0 || static_cast<std::size_t>(*entry) >= count) continue;
        spent += ItemDrawWork(view, static_cast<std::size_t>(*entry), map);
        if (spent > budget) break;
        drawn[static_cast<std::size_t>(*entry)] = true;
    }
    return drawn;
}

}  // namespace kiva
