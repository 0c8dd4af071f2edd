// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The formula of a group of atoms, written as a chemist writes it.
#include <span>
#include <string>

#include "chem/compound_record.h"

namespace kiva {

// Each element once with its count (none for 1), the element read from each label as the element
// table reads it. Compounds of carbon and hydrogen in Hill order (C, H, then alphabetical: C2H6O);
// others with the more electropositive elements first and hydrogen after the elements of groups
// 1 to 15 (NaCl, CaCO3, NH4Cl, H2O, NaClO3), as the usual formulas of salts and hydrides have it.
std::string ChemicalFormula(std::span<const AtomSite> atoms);

}  // namespace kiva
