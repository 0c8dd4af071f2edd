// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The chemistry a crystal file leaves unsaid: which contacts are covalent bonds, how the atoms
// group into molecules and ions, what charges the ions carry, and how the crystal is bonded.
#include <optional>
#include <vector>

#include "chem/compound_record.h"
#include "io/crystal_cell.h"
#include "io/element_facts.h"

namespace kiva {

// Whether two elements share electrons rather than give them up: two non-metals, or a metal of
// group 13 with an element of group 15 (the III-V semiconductors AlN, GaAs, InP).
bool BondsCovalently(const ElementFacts& a, const ElementFacts& b);

// Covalent bonds are contacts shorter than the two covalent radii and this allowance (angstrom).
inline constexpr double kCovalentAllowance = 0.45;
// A metal bonds to carbon only within a tighter allowance: calcium lies farther from acetate.
inline constexpr double kOrganometallicAllowance = 0.2;

// The covalent contacts among the cell's contacts.
std::vector<CellContact> CovalentContacts(const std::vector<CellContact>& contacts, const std::vector<int>& siteOfAtom,
                                          const std::vector<ElementFacts>& siteFacts);

// The bonds of metal atoms to the carbon of organic groups (ferrocene's iron to its rings): a
// metal close to a carbon that shares its group with hydrogen. Carbides such as CaC2 have none.
std::vector<CellContact> OrganometallicContacts(const std::vector<CellContact>& contacts, const std::vector<int>& siteOfAtom,
                                                const std::vector<ElementFacts>& siteFacts, const BondedGroups& groups);

// Sites that repeat an earlier site of the same element: files that list a whole cell besides
// its symmetry put every atom there several times. Their indices, ascending.
std::vector<int> RepeatedSites(const std::vector<CellContact>& contacts, const std::vector<int>& siteOfAtom,
                               const std::vector<ElementFacts>& siteFacts);

// Charges for the sites of a crystal whose file gives none: the usual charges of simple anions
// (Cl-, O2-, N3-) and of metals whose charge never varies (Na+, Ca2+, Al3+); other metals take
// theirs from the balance with simple anions where that balance is whole. Sites in polyatomic
// groups keep 0, as the catalogue draws them. Empty when nothing can be said.
std::vector<float> InferSiteCharges(const CrystalCell& cell, const BondedGroups& groups,
                                    const std::vector<ElementFacts>& siteFacts);

// The bonding class of the whole crystal.
BondingClass ClassifyCrystal(const CrystalCell& cell, const BondedGroups& groups, const std::vector<ElementFacts>& siteFacts);

}  // namespace kiva
