// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Building a view's scene from a compound for its display state, and the initial view.
#include <array>
#include <cstdint>

#include "chem/compound_record.h"
#include "chem/element_table.h"
#include "render/view_state.h"

namespace kiva {

// Each crystal site's expansion compares every image with every kept one: the number of
// operations squared, summed over the sites. The catalogue needs at most 110,592.
inline constexpr std::uint64_t kMaxExpansionWork = std::uint64_t{1} << 24;

// The cell's edge vectors from its lengths and angles: a along x, b in the xy plane.
std::array<Vector3D, 3> CellAxes(const UnitCell& cell);
void BuildCellVectors(ViewState& view, const UnitCell& cell);

// Rebuilds atoms and bonds for the view's display state: the crystal over cellMultiples cells,
// or the chemical unit, with ten moving copies for the liquid and four for the gas.
void BuildScene(ViewState& view, const CompoundRecord& compound, const ElementTable& elements);
void BuildCrystal(ViewState& view, const CompoundRecord& compound, const ElementTable& elements);
void BuildChemicalUnit(ViewState& view, const CompoundRecord& compound, const ElementTable& elements);
void BuildBonds(ViewState& view, const CompoundRecord& compound);

// The initial view: the centroid in the middle of the picture at depth 170, turned 20 degrees
// about x and -20 about y, scaled so the structure fills the picture (a quarter of it for the
// gas, an eighth for the liquid).
void ResetView(ViewState& view);

}  // namespace kiva
