// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The molecules and molecular ions of a crystal, made whole: each finite group of cell atoms that
// the covalent bond rules join (coordination rules join none), with its atoms moved across the
// cell's faces so that the group is unbroken and its centroid lies in the cell.
#include <array>
#include <vector>

#include "chem/compound_record.h"

namespace kiva {

// A group that spans more cells than this from its first atom counts as a network.
inline constexpr int kMaxMoleculeReach = 3;

struct CrystalMolecule {
    std::vector<int> sites;          // each member's basis site
    std::vector<Vector3D> fractions; // each member's fractional position, the group unbroken
    Vector3D centroid;               // fractional, each coordinate in [-tolerance, 1 - tolerance)
};

struct CrystalMolecules {
    std::vector<CrystalMolecule> molecules;
    // Per cell atom, numbered site by site as the positions are given: true when a molecule holds it.
    std::vector<bool> grouped;
};

// `sitePositions` holds every basis site's positions in the cell (fractional, each coordinate in
// [-tolerance, 1 - tolerance), as the crystal build places them), `axes` the cell's edges. Single
// atoms, networks, chains and layers belong to no molecule. A cell whose bond search would pass
// the scene's bounds gets none, and is drawn as it is without whole molecules.
CrystalMolecules FindCrystalMolecules(const std::vector<std::vector<Vector3D>>& sitePositions, const CompoundRecord& compound,
                                      const std::array<Vector3D, 3>& axes, float tolerance);

}  // namespace kiva
