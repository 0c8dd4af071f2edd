// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/draw_budget.h"

#include <algorithm>
#include <cstdlib>

#include "render/image_point.h"
#include "render/overlays.h"

namespace kiva {

namespace {

constexpr std::uint64_t kItemWork = 16;  // what an item costs beyond its pixels, even a hidden one

// A sphere walks every row it has in the picture across its whole width.
std::uint64_t SphereWork(ImagePoint centre, int radius) {
    const int top = std::max(centre.row - radius, 0);
    const int bottom = std::min(centre.row + radius, kPictureSize - 1);
    if (bottom < top || centre.x + radius < 0 || centre.x - radius >= kPictureSize) return 0;
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

}  // namespace

std::uint64_t ItemDrawWork(const ViewState& view, std::size_t item) {
    const std::size_t atomCount = view.atoms.size();
    if (item < atomCount) {
        const SceneAtom& atom = view.atoms[item];
        return kItemWork + SphereWork(ToImagePoint(atom.picture), AtomPixelRadius(atom, view));
    }
    if (item - atomCount >= view.bonds.size() || view.displayModel != DisplayModel::BallAndStick) return kItemWork;
    const SceneBond& bond = view.bonds[item - atomCount];
    if (!BondIsValid(view, bond)) return kItemWork;
    const ImagePoint a = ToImagePoint(view.atoms[static_cast<std::size_t>(bond.first)].picture);
    const ImagePoint b = ToImagePoint(view.atoms[static_cast<std::size_t>(bond.second)].picture);
    if (bond.kind == static_cast<std::int32_t>(BondKind::Coordination))
        return kItemWork + (view.showCoordination ? TubeWork(a, b, 0) : 0);
    // A double or triple bond is two or three thinner tubes; the single bond's radius stands for all.
    const int tubes = bond.kind == 2 || bond.kind == 3 ? bond.kind : 1;
    return kItemWork + static_cast<std::uint64_t>(tubes) * TubeWork(a, b, ToPixel(0.1f / PixelSize(view)));
}

std::vector<bool> ItemsDrawnWithinBudget(const ViewState& view, std::uint64_t budget) {
    const std::size_t count = view.atoms.size() + view.bonds.size();
    if (view.drawOrder.size() != count) return std::vector<bool>(count, true);
    std::vector<bool> drawn(count, false);
    std::uint64_t spent = 0;
    for (auto entry = view.drawOrder.rbegin(); entry != view.drawOrder.rend(); ++entry) {
        if (*entry < 0 || static_cast<std::size_t>(*entry) >= count) continue;
        spent += ItemDrawWork(view, static_cast<std::size_t>(*entry));
        if (spent > budget) break;
        drawn[static_cast<std::size_t>(*entry)] = true;
    }
    return drawn;
}

}  // namespace kiva
