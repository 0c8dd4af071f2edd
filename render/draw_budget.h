// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How much drawing one picture may take. Drawing costs about one step per pixel a sphere covers
// in the picture's rows and per pixel of a tube's discs along its length, whether or not a nearer
// item hides it. A document of ten thousand atoms on one point, or of a million bonds across the
// picture, would take seconds a frame; its farthest items are left out instead, which are those
// the nearer ones hide.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "render/image_point.h"
#include "render/view_state.h"

namespace kiva {

// Steps of one frame: about a quarter of a second. The catalogue's costliest picture, sulphur in
// 16 x 16 x 16 cells space-filling, takes a fourteenth of it.
inline constexpr std::uint64_t kMaxFrameDrawWork = std::uint64_t{1} << 26;

// The budget of a picture of any size: the one of the 340 picture, times the pixels a picture
// unit covers, so the same items show at every size.
std::uint64_t FrameDrawBudget(const PictureMap& map);

// The drawing steps of one scene item: atoms first, then bond e as atom count + e. Without a map,
// in the 340 picture.
std::uint64_t ItemDrawWork(const ViewState& view, std::size_t item, const PictureMap& map = {});

// True when a quick estimate shows every item fits `budget`, as it does for every substance of the
// catalogue: the frame then draws them all without working out which.
bool EveryItemFitsBudget(const ViewState& view, std::uint64_t budget = kMaxFrameDrawWork);
bool EveryItemFitsBudget(const ViewState& view, const PictureMap& map, std::uint64_t budget);

// What the quick estimate reads of the atoms and of the bonds' kinds, gathered over parts of the
// scene and merged: a frame gathers them on every core while it places the atoms.
struct AtomExtent {
    float largestRadius = 0;
    // The least and greatest image point coordinates. The image points follow the picture
    // positions in order, so these are the image points of the positions' extent.
    ImagePoint low{std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), std::numeric_limits<int>::max()};
    ImagePoint high{std::numeric_limits<int>::min(), std::numeric_limits<int>::min(), std::numeric_limits<int>::min()};
    float unbounded = 0;  // NaN once a picture coordinate is not finite: the extent is then every end
    // The atom, at image point `p`, as ToImagePoint gives it for the frame's map.
    void Add(const SceneAtom& atom, ImagePoint p) {
        largestRadius = std::max(largestRadius, atom.radius);
        const Vector3D& q = atom.picture;
        unbounded += (q.x - q.x) + (q.y - q.y) + (q.z - q.z);
        low = {std::min(low.x, p.x), std::min(low.row, p.row), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.row, p.row), std::max(high.z, p.z)};
    }
    void Merge(const AtomExtent& other);
};
struct BondKindCount {
    std::uint64_t coordination = 0, doubles = 0, triples = 0;
    void Add(const SceneBond& bond) {
        coordination += bond.kind == static_cast<std::int32_t>(BondKind::Coordination);
        doubles += bond.kind == 2;
        triples += bond.kind == 3;
    }
    void Merge(const BondKindCount& other);
};
// The parts' extents, or counts, as one.
AtomExtent Merged(std::span<const AtomExtent> parts);
BondKindCount Merged(std::span<const BondKindCount> parts);
// The same estimate from an extent and kinds gathered over the whole scene.
bool EveryItemFitsBudget(const ViewState& view, const PictureMap& map, std::uint64_t budget, const AtomExtent& extent,
                         const BondKindCount& kinds);

// Which items a frame draws, indexed like ItemDrawWork: the nearest first, by drawOrder, for as
// long as their work stays within `budget`; every item when the scene is not projected yet.
std::vector<bool> ItemsDrawnWithinBudget(const ViewState& view, std::uint64_t budget = kMaxFrameDrawWork);
std::vector<bool> ItemsDrawnWithinBudget(const ViewState& view, const PictureMap& map, std::uint64_t budget);

}  // namespace kiva
