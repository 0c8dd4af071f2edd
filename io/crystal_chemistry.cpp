// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/crystal_chemistry.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace kiva {

namespace {

// The charge of a metal that has only one in its salts.
std::optional<int> FixedMetalCharge(const ElementFacts& metal) {
    if (metal.group >= 1 && metal.group <= 3) return metal.group;
    switch (metal.number) {
    case 13: case 31: case 49: return 3;  // Al, Ga, In
    case 30: case 48: return 2;           // Zn, Cd
    case 47: return 1;                    // Ag
    default: return std::nullopt;
    }
}

// The charge of a non-metal standing alone among metals: hydride, halide, oxide, nitride, carbide.
std::optional<int> SimpleAnionCharge(const ElementFacts& element) {
    if (element.metal || element.nobleGas) return std::nullopt;
    if (element.number == 1) return -1;
    if (element.group >= 14 && element.group <= 17) return element.group - 18;
    return std::nullopt;
}

}  // namespace

bool BondsCovalently(const ElementFacts& a, const ElementFacts& b) {
    if (a.nobleGas || b.nobleGas) return false;
    if (!a.metal && !b.metal) return true;
    return (a.metal && a.group == 13 && !b.metal && b.group == 15) || (b.metal && b.group == 13 && !a.metal && a.group == 15);
}

std::vector<CellContact> CovalentContacts(const std::vector<CellContact>& contacts, const std::vector<int>& siteOfAtom,
                                          const std::vector<ElementFacts>& siteFacts) {
    std::vector<CellContact> covalent;
    for (const CellContact& contact : contacts) {
        const ElementFacts& a = siteFacts[static_cast<std::size_t>(siteOfAtom[static_cast<std::size_t>(contact.first)])];
        const ElementFacts& b = siteFacts[static_cast<std::size_t>(siteOfAtom[static_cast<std::size_t>(contact.second)])];
        if (BondsCovalently(a, b) && contact.distance >= 0.4 &&
            contact.distance <= a.covalentRadius + b.covalentRadius + kCovalentAllowance)
            covalent.push_back(contact);
    }
    return covalent;
}

std::vector<CellContact> OrganometallicContacts(const std::vector<CellContact>& contacts, const std::vector<int>& siteOfAtom,
                                                const std::vector<ElementFacts>& siteFacts, const BondedGroups& groups) {
    const auto facts = [&](int atom) -> const ElementFacts& {
        return siteFacts[static_cast<std::size_t>(siteOfAtom[static_cast<std::size_t>(atom)])];
    };
    std::vector<bool> organic(groups.members.size(), false);  // the group holds hydrogen
    for (std::size_t group = 0; group < groups.members.size(); ++group)
        for (const int atom : groups.members[group]) organic[group] = organic[group] || facts(atom).number == 1;
    std::vector<CellContact> bonds;
    for (const CellContact& contact : contacts) {
        for (const auto& [metal, carbon] : {std::pair{contact.first, contact.second}, std::pair{contact.second, contact.first}}) {
            const ElementFacts &m = facts(metal), &c = facts(carbon);
            if (m.metal && c.number == 6 && organic[static_cast<std::size_t>(groups.groupOf[static_cast<std::size_t>(carbon)])] &&
                contact.distance <= m.covalentRadius + c.covalentRadius + kOrganometallicAllowance) {
                bonds.push_back(contact);
                break;
            }
        }
    }
    return bonds;
}

std::vector<int> RepeatedSites(const std::vector<CellContact>& contacts, const std::vector<int>& siteOfAtom,
                               const std::vector<ElementFacts>& siteFacts) {
    constexpr double kSamePlace = 0.5;  // angstrom; closer than any two atoms of a crystal
    std::vector<int> repeated;
    for (const CellContact& contact : contacts) {
        const int a = siteOfAtom[static_cast<std::size_t>(contact.first)], b = siteOfAtom[static_cast<std::size_t>(contact.second)];
        if (contact.distance < kSamePlace && a != b && siteFacts[static_cast<std::size_t>(a)].number == siteFacts[static_cast<std::size_t>(b)].number)
            repeated.push_back(std::max(a, b));
    }
    std::sort(repeated.begin(), repeated.end());
    repeated.erase(std::unique(repeated.begin(), repeated.end()), repeated.end());
    return repeated;
}

std::vector<float> InferSiteCharges(const CrystalCell& cell, const BondedGroups& groups,
                                    const std::vector<ElementFacts>& siteFacts) {
    const std::size_t sites = siteFacts.size();
    std::vector<long> atomsOfSite(sites, 0);
    std::vector<bool> alone(sites, true);  // every atom of the site stands without covalent bonds
    bool polyatomic = false;
    for (std::size_t i = 0; i < cell.atoms.size(); ++i) {
        const std::size_t site = static_cast<std::size_t>(cell.atoms[i].site);
        ++atomsOfSite[site];
        if (groups.members[static_cast<std::size_t>(groups.groupOf[i])].size() > 1) {
            alone[site] = false;
            polyatomic = true;
        }
    }
    std::vector<float> charges(sites, 0);
    long balance = 0;
    int variableSite = -1;  // sites of the one metal whose charge the balance decides
    std::string variableElement;
    bool anyCharge = false;
    for (std::size_t site = 0; site < sites; ++site) {
        const ElementFacts& element = siteFacts[site];
        if (!alone[site]) continue;
        std::optional<int> charge = element.metal ? FixedMetalCharge(element) : SimpleAnionCharge(element);
        if (charge) {
            charges[site] = static_cast<float>(*charge);
            balance += *charge * atomsOfSite[site];
            anyCharge = true;
        } else if (element.metal) {
            if (!variableElement.empty() && variableElement != element.symbol) variableElement = "several";
            else variableElement = element.symbol;
            variableSite = static_cast<int>(site);
        } else if (!element.nobleGas) {
            return {};  // a lone non-metal with no usual anion charge: nothing sure to say
        }
    }
    if (!anyCharge) return {};
    if (polyatomic) return charges;  // the groups' charges are not known, so no balance is
    if (variableSite >= 0) {
        if (variableElement == "several") return {};
        long metalAtoms = 0;
        for (std::size_t site = 0; site < sites; ++site)
            if (alone[site] && siteFacts[site].symbol == variableElement) metalAtoms += atomsOfSite[site];
        if (metalAtoms == 0 || -balance % metalAtoms != 0) return {};
        const long charge = -balance / metalAtoms;
        if (charge < 1 || charge > 8) return {};
        for (std::size_t site = 0; site < sites; ++site)
            if (alone[site] && siteFacts[site].symbol == variableElement) charges[site] = static_cast<float>(charge);
        return charges;
    }
    return balance == 0 ? charges : std::vector<float>{};
}

BondingClass ClassifyCrystal(const CrystalCell& cell, const BondedGroups& groups, const std::vector<ElementFacts>& siteFacts) {
    bool metal = false, nonMetal = false, ionicMetal = false, loneHalide = false, endless = false, onlyNobleAtoms = true;
    for (std::size_t i = 0; i < cell.atoms.size(); ++i) {
        const ElementFacts& element = siteFacts[static_cast<std::size_t>(cell.atoms[i].site)];
        const std::size_t group = static_cast<std::size_t>(groups.groupOf[i]);
        const bool single = groups.members[group].size() == 1;
        metal = metal || element.metal;
        nonMetal = nonMetal || !element.metal;
        ionicMetal = ionicMetal || (element.metal && single);
        loneHalide = loneHalide || (element.group == 17 && single);
        endless = endless || groups.endless[group];
        onlyNobleAtoms = onlyNobleAtoms && element.nobleGas;
    }
    if (!nonMetal) return BondingClass::Metal;
    if (metal && ionicMetal) return BondingClass::Ionic;
    const bool polyatomicIons = std::any_of(groups.members.begin(), groups.members.end(),
                                            [](const std::vector<int>& members) { return members.size() > 1; });
    if (!metal && loneHalide && polyatomicIons && !endless) return BondingClass::Ionic;  // ammonium halides
    if (endless) return BondingClass::CovalentNetwork;
    if (onlyNobleAtoms) return BondingClass::Atom;
    return BondingClass::Molecule;
}

}  // namespace kiva
