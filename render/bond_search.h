// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Finding bonds by distance from the compound's bond rules.
#include <cstdint>
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

// Work counts every atom scanned for a rule's labels and every candidate pair looked at. 2^25
// of it takes a few tenths of a second; the most the catalogue needs, manganese in 16 x 16 x 16
// cells, is less than a third of it.
inline constexpr std::uint64_t kMaxBondSearchWork = std::uint64_t{1} << 25;

struct BondSearchLimits {
    std::size_t maxBonds = std::size_t(-1);
    std::uint64_t maxWork = kMaxBondSearchWork;
};

// The same bonds in the same order, found through a spatial grid instead of every pair. The
// search stops at maxBonds bonds, and once its work is spent, so a damaged or hostile document
// can neither fill the memory nor hang the viewer.
std::vector<SceneBond> FindBonds(std::span<const SceneAtom> atoms, std::span<const BondRule> rules,
                                 BondSearchLimits limits = {});

}  // namespace kiva
