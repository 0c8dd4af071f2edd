// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The whole content of a crystal's unit cell, expanded by its symmetry as the crystal display
// expands it, and the short contacts between its atoms, reaching into the neighbouring cells.
#include <array>
#include <vector>

#include "chem/compound_record.h"
#include "render/bonded_groups.h"

namespace kiva {

struct CellAtom {
    int site = 0;       // index into the basis atoms
    Vector3D fraction;  // wrapped into the cell
    std::array<double, 3> position{};  // angstrom
};

struct CrystalCell {
    std::array<std::array<double, 3>, 3> axes{};  // a, b, c in angstrom
    std::vector<CellAtom> atoms;

    // Where the atom lies when moved by a shift, in angstrom.
    std::array<double, 3> PositionOf(int atom, const CellShift& shift) const;
};

// Every atom a unit cell holds; throws SourceError (without a file) when it holds more than
// kMaxCellAtoms.
inline constexpr std::size_t kMaxCellAtoms = 20000;
CrystalCell ExpandCell(const CompoundRecord& crystal);

// Contacts up to `reach` angstrom, with their images in the cells around. Throws SourceError when
// a cell is so small for its atoms that the search would not end in reasonable time.
std::vector<CellContact> FindContacts(const CrystalCell& cell, double reach);

}  // namespace kiva
