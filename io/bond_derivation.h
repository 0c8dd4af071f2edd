// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Bond rules that reproduce a molecule's own bond list.
#include <vector>

#include "chem/compound_record.h"

namespace kiva {

struct ReferenceBond {
    int first = 0;   // atom indices
    int second = 0;
    int kind = 1;    // a bond kind
};

// Rules under which the rule matching finds exactly `bonds` (pairs and kinds) among `atoms`: one
// rule per label pair and kind, spanning its bonds' lengths. Where labels by element cannot tell
// bonded pairs from the rest, the atoms of that label are numbered (C1, C2, ...) in `atoms`.
std::vector<BondRule> DeriveBondRules(std::vector<AtomSite>& atoms, const std::vector<ReferenceBond>& bonds);

// Whether the rules find exactly these bonds, as an unordered set of pairs with kinds.
bool RulesReproduce(const std::vector<AtomSite>& atoms, const std::vector<BondRule>& rules,
                    const std::vector<ReferenceBond>& bonds);

}  // namespace kiva
