// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Atoms of a crystal's unit cell joined into groups by bonds that may cross the cell's faces:
// molecules and ions, or networks, layers and chains that run through the whole crystal.
#include <array>
#include <cstddef>
#include <vector>

namespace kiva {

using CellShift = std::array<int, 3>;  // a lattice translation in whole cells

// The atom `first` and the atom `second` moved by `shift` cells lie `distance` apart. Each
// contact is listed once; atoms of a damaged file may lie at distance 0.
struct CellContact {
    int first = 0;
    int second = 0;
    CellShift shift{};
    double distance = 0;
};

inline CellShift Plus(const CellShift& a, const CellShift& b) { return {a[0] + b[0], a[1] + b[1], a[2] + b[2]}; }
inline CellShift Minus(const CellShift& a, const CellShift& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

// The atoms joined by bonds, followed across cell faces. An atom's offset is the cell it must be
// moved to so that it joins the first atom of its group unbroken.
struct BondedGroups {
    std::vector<int> groupOf;          // per cell atom
    std::vector<CellShift> offset;     // per cell atom
    std::vector<std::vector<int>> members;  // per group, ascending
    std::vector<bool> endless;         // per group: a network, layer or chain through the crystal
};

BondedGroups GroupBondedAtoms(std::size_t atomCount, const std::vector<CellContact>& bonds);

}  // namespace kiva
