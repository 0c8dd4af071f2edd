// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What Kiva reads from a crystallographic information file (CIF): the cell, the symmetry
// operations, and the atom sites with their elements and, where the file gives them, charges.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chem/compound_record.h"

namespace kiva {

struct CifSite {
    std::string label;       // _atom_site_label: Na1
    std::string element;     // from the type symbol, else the label: Na
    std::optional<float> charge;  // from the type symbol (Na1+) or the type's oxidation number
    Vector3D position;       // fractional
    int line = 0;
};

struct CifCrystal {
    std::string blockName;
    UnitCell cell;
    std::string groupSymbol;  // Hermann-Mauguin, as written
    std::vector<SymmetryOperation> operations;  // as listed, else those of the named space group
    std::vector<CifSite> sites;
};

// The first data block that describes a crystal. Sites of a second disorder group and dummy
// sites are left out. Throws SourceError naming the file and, where it can, the line of anything
// missing, malformed or beyond what a crystal can be.
CifCrystal ParseCif(std::string_view text, const std::string& path);

}  // namespace kiva
