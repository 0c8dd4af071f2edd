// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The items a frame draws, in device pixels. Each part of the scene is placed on its own, on any
// core; a band draws the parts' lists one after another, which keeps the scene's order.
#include <cstddef>
#include <vector>

#include "render/draw_budget.h"
#include "render/picture_area.h"
#include "render/picture_buffers.h"
#include "render/view_state.h"

namespace kiva {

// Appends atoms first to end - 1 to `spheres` as the frame draws them, in the scene's order; the
// spheres wholly outside the picture are left out. `drawn`, indexed like
// ItemDrawWork, says which atoms to place, and an empty one places all. Then, and only then, the
// atoms are added to `extent` when it is given.
void PlaceSpheres(const ViewState& view, const PictureMap& map, std::size_t first, std::size_t end,
                  const std::vector<bool>& drawn, std::vector<PlacedSphere>& spheres, AtomExtent* extent);

// Appends to `chosen` the bonds first to end - 1 a frame draws: in the ball-and-stick model those
// shown, valid and passed by `drawn` (all when it is empty). In that model, the only one whose estimate reads them, every
// one of those bonds' kinds is counted into `kinds` when it is given.
void ChooseBonds(const ViewState& view, std::size_t first, std::size_t end, const std::vector<bool>& drawn,
                 std::vector<std::size_t>& chosen, BondKindCount* kinds);

}  // namespace kiva
