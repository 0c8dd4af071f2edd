// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Finding bonds by distance from the compound's bond rules.
#include <span>
#include <vector>

#include "chem/compound_record.h"
#include "render/scene.h"

namespace kiva {

// For each rule in order, each atom j labelled symbolA in ascending order, and each atom i
// labelled symbolB in ascending order (j < i when both labels are equal), bonds (j, i) when
// minDistance <= |position_j - position_i| <= maxDistance. Duplicates are kept: two rules naming
// the same labels bond a pair twice. Labels compare exactly.
std::vector<SceneBond> FindBondsAllPairs(std::span<const SceneAtom> atoms, std::span<const BondRule> rules);

// The same bonds in the same order, found through a spatial grid instead of every pair. The
// search stops at maxBonds bonds, and after a bounded number of pair tests, so a damaged
// document can neither fill the memory nor hang the viewer.
std::vector<SceneBond> FindBonds(std::span<const SceneAtom> atoms, std::span<const BondRule> rules,
                                 std::size_t maxBonds = std::size_t(-1));

}  // namespace kiva
