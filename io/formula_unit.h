// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The chemical unit cut from a crystal: one molecule, or one formula unit gathered close together.
#include <string>
#include <vector>

#include "io/crystal_chemistry.h"

namespace kiva {

struct UnitImage {
    int atom = 0;     // a cell atom
    CellShift shift;  // the cell it is taken from
};

// The molecules and ions of the cell (whole bonded groups) and the atoms of its networks are the
// pieces; the unit takes the fewest of each kind that keep the cell's proportions, starting from
// the rarest and largest piece and adding each time the needed piece that lies nearest. `kindOf`
// names the kind of each cell atom (an element with its charge); contacts say which lie near.
// A unit stops growing at 2000 atoms.
std::vector<UnitImage> GatherFormulaUnit(const CrystalCell& cell, const BondedGroups& groups,
                                         const std::vector<CellContact>& contacts, const std::vector<std::string>& kindOf);

}  // namespace kiva
