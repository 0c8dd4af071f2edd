// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The scene of a heating run: every copy of the chemical unit placed at its copy's centre and
// turn, in a box drawn as the frame of its edges, seen from a little above.
#include <cstddef>
#include <vector>

#include "chem/compound_record.h"
#include "chem/element_table.h"
#include "matter/matter_run.h"
#include "render/view_state.h"

namespace kiva {

// The chemical unit as the copies carry it: its atoms about their centre, and its size.
struct CopyShape {
    std::vector<Vector3D> offsets;  // angstrom, from the unit's centre
    float sigma = 1.0f;             // angstrom: the unit's diameter with its atoms' radii
};

// Builds `copies` copies of the chemical unit with their bonds; the shape they carry back. No
// copies at all when they would pass the scene's bounds.
CopyShape BuildHeatingScene(ViewState& view, const CompoundRecord& compound, const ElementTable& elements,
                            std::size_t copies);

// Moves every copy's atoms to its place in the run, and sets the box's edges as the cell frame.
void PlaceCopies(ViewState& view, const CopyShape& shape, const MatterRun& run);

// The view of the whole box: its centre in the middle of the picture, turned 15 degrees about x
// and -20 about y, the box's diagonal filling the picture's shorter side.
void ResetHeatingView(ViewState& view, const CopyShape& shape, const MatterRun& run);

}  // namespace kiva
