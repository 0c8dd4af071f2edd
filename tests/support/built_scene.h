// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A record's scene as a new view builds it, for tests that compare what a user would see.
#include <array>

#include "render/scene_build.h"

namespace kiva::testing {

inline ViewState BuiltScene(const CompoundRecord& record, DisplayState state, std::array<int, 3> multiples = {1, 1, 1}) {
    ViewState view;
    view.displayState = state;
    view.cellMultiples = multiples;
    BuildCellVectors(view, record.cell);
    BuildScene(view, record, MakeDefaultElementTable());
    return view;
}

}  // namespace kiva::testing
