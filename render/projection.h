// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One projection step: moves the liquid and gas copies, places every atom in the picture and
// sorts atoms and bonds by depth.
#include <array>

#include "render/view_state.h"

namespace kiva {

// The liquid and gas motion and the rock swing's step count, shared by every view of the process
// for the whole run, so a view switched away from the liquid and back goes on where it stood.
struct MotionTables {
    std::array<Vector3D, 10> liquidOffset;
    std::array<float, 10> liquidSpin{};
    std::array<float, 8> liquidWobble{};
    std::array<float, 8> liquidWobbleStep;  // degrees per frame
    std::array<Vector3D, 2> liquidVelocity; // copies 8 and 9, pixels per frame
    std::array<Vector3D, 4> gasOffset;
    std::array<Vector3D, 4> gasVelocity;
    std::array<float, 4> gasTumble{};
    int rockSteps = 0;
};

MotionTables InitialMotionTables();
// The process's one set of tables.
MotionTables& SharedMotionTables();

// In the Rock mouse mode a crystal or chemical unit first takes one rock step.
void ProjectScene(ViewState& view, MotionTables& motion = SharedMotionTables());

// Sorts drawOrder by the depth keys, farthest first, with the diminishing-gap exchange sort that
// never swaps equal keys.
void SortDrawOrder(ViewState& view);

}  // namespace kiva
