// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How much drawing one picture may take. Drawing costs about one step per pixel a sphere covers
// in the picture's rows and per pixel of a tube's discs along its length, whether or not a nearer
// item hides it. A document of ten thousand atoms on one point, or of a million bonds across the
// picture, would take seconds a frame; its farthest items are left out instead, which are those
// the nearer ones hide.
#include <cstdint>
#include <vector>

#include "render/view_state.h"

namespace kiva {

// Steps of one frame: about a quarter of a second. The catalogue's costliest picture, sulphur in
// 16 x 16 x 16 cells space-filling, takes a fourteenth of it.
inline constexpr std::uint64_t kMaxFrameDrawWork = std::uint64_t{1} << 26;

// The drawing steps of one scene item: atoms first, then bond e as atom count + e.
std::uint64_t ItemDrawWork(const ViewState& view, std::size_t item);

// Which items a frame draws, indexed like ItemDrawWork: the nearest first, by drawOrder, for as
// long as their work stays within `budget`; every item when the scene is not projected yet.
std::vector<bool> ItemsDrawnWithinBudget(const ViewState& view, std::uint64_t budget = kMaxFrameDrawWork);

}  // namespace kiva
