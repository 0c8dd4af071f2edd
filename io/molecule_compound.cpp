// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/molecule_compound.h"

#include "chem/fixed_text.h"
#include "io/bond_derivation.h"
#include "io/element_facts.h"

namespace kiva {

BondingClass ClassifyMolecule(const Molecule& molecule) {
    bool metal = false, nonMetal = false, charged = false, onlyNoble = true;
    for (const MoleculeAtom& atom : molecule.atoms) {
        const auto facts = FactsOf(atom.element);
        const bool isMetal = facts && facts->metal;
        metal = metal || isMetal;
        nonMetal = nonMetal || !isMetal;
        charged = charged || atom.charge != 0;
        onlyNoble = onlyNoble && facts && facts->nobleGas;
    }
    if (!molecule.atoms.empty() && !nonMetal) return BondingClass::Metal;
    if (onlyNoble && molecule.bonds.empty()) return BondingClass::Atom;
    if (metal && charged) return BondingClass::Ionic;
    return BondingClass::Molecule;
}

CompoundRecord MoleculeCompound(const Molecule& molecule, std::string_view name) {
    CompoundRecord record;
    SetText(record.name, name);
    record.bondingClass = static_cast<std::int32_t>(ClassifyMolecule(molecule));
    std::vector<bool> bonded(molecule.atoms.size(), false);
    std::vector<ReferenceBond> bonds;
    for (const MoleculeBond& bond : molecule.bonds) {
        bonded[static_cast<std::size_t>(bond.first)] = bonded[static_cast<std::size_t>(bond.second)] = true;
        bonds.push_back({bond.first, bond.second, bond.order});
    }
    for (std::size_t i = 0; i < molecule.atoms.size(); ++i) {
        const MoleculeAtom& read = molecule.atoms[i];
        AtomSite atom{};
        SetText(atom.symbol, bonded[i] ? read.element : IonLabel(read.element, read.charge));
        atom.charge = static_cast<float>(read.charge);
        atom.position = read.position;
        record.unitAtoms.push_back(atom);
    }
    record.bondRules = DeriveBondRules(record.unitAtoms, bonds);
    return record;
}

}  // namespace kiva
