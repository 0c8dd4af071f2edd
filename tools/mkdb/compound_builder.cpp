// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/mkdb/compound_builder.h"

#include <cmath>
#include <filesystem>

#include "chem/fixed_text.h"
#include "io/bond_derivation.h"
#include "io/cif_file.h"
#include "io/molecule_file.h"
#include "io/source_error.h"

namespace kiva::mkdb {

namespace {

// The label and charge of an atom: a label line matching its site label, else one matching its
// element, else the element itself with the charge it brings.
AtomSite Labelled(const SubstanceSource& substance, const std::string& siteLabel, const std::string& element,
                  int chargeGiven, Vector3D position) {
    AtomSite atom{};
    atom.position = position;
    const LabelSource* chosen = nullptr;
    for (const LabelSource& label : substance.labels)
        if (!siteLabel.empty() && label.match == siteLabel) chosen = &label;
    if (!chosen)
        for (const LabelSource& label : substance.labels)
            if (label.match == element) chosen = &label;
    SetText(atom.symbol, chosen ? chosen->label : element);
    atom.charge = static_cast<float>(chosen ? chosen->charge : chargeGiven);
    return atom;
}

void CheckElements(const std::vector<AtomSite>& atoms, const ElementTable& elements, const std::string& file) {
    for (const AtomSite& atom : atoms)
        if (!FindElementRow(elements, TextOf(atom.symbol)))
            throw SourceError(file, 0, "atom label \"" + std::string(TextOf(atom.symbol)) +
                                           "\" names no element of the element table");
}

void ReadCrystal(const SubstanceSource& substance, const std::string& path, CompoundRecord& record) {
    const CifCrystal crystal = ParseCif(ReadSourceFile(path), path);
    SetText(record.symmetry.groupText, crystal.groupSymbol);
    record.symmetry.operations = crystal.operations;
    record.symmetry.translationCount = 1 + static_cast<int>(substance.translations.size());
    for (std::size_t i = 0; i < substance.translations.size(); ++i) record.symmetry.translations[i + 1] = substance.translations[i];
    record.cell = crystal.cell;
    for (const CifSite& site : crystal.sites) record.basisAtoms.push_back(Labelled(substance, site.label, site.element, 0, site.position));
}

std::vector<BondRule> GivenRules(const SubstanceSource& substance) {
    std::vector<BondRule> rules;
    for (const BondSource& bond : substance.bonds) {
        BondRule rule{};
        SetText(rule.symbolA, bond.labelA);
        SetText(rule.symbolB, bond.labelB);
        rule.minDistance = bond.minDistance;
        rule.maxDistance = bond.maxDistance;
        rule.bondKind = bond.kind;
        rules.push_back(rule);
    }
    return rules;
}

}  // namespace

CompoundRecord BuildCompound(const SubstanceSource& substance, const std::string& dataDirectory,
                             const ElementTable& elements) {
    namespace fs = std::filesystem;
    CompoundRecord record;
    SetText(record.name, substance.name);
    record.bondingClass = static_cast<std::int32_t>(substance.bondingClass);

    const std::string unitPath = (fs::path(dataDirectory) / substance.unitPath).string();
    const Molecule unit = ParseMolecule(ReadSourceFile(unitPath), StructureFormat::Molfile, unitPath);
    for (const MoleculeAtom& atom : unit.atoms) record.unitAtoms.push_back(Labelled(substance, "", atom.element, atom.charge, atom.position));
    CheckElements(record.unitAtoms, elements, unitPath);

    if (!substance.crystalPath.empty()) {
        const std::string crystalPath = (fs::path(dataDirectory) / substance.crystalPath).string();
        ReadCrystal(substance, crystalPath, record);
        CheckElements(record.basisAtoms, elements, crystalPath);
    }

    if (!substance.bonds.empty()) {
        record.bondRules = GivenRules(substance);
    } else {
        std::vector<ReferenceBond> bonds;
        for (const MoleculeBond& bond : unit.bonds) bonds.push_back({bond.first, bond.second, bond.order});
        record.bondRules = DeriveBondRules(record.unitAtoms, bonds);
        if (!RulesReproduce(record.unitAtoms, record.bondRules, bonds))
            throw SourceError(unitPath, 0, "no bond rules reproduce this bond list; give bond lines in the manifest");
    }
    return record;
}

IndexEntry MakeIndexEntry(const SubstanceSource& substance) {
    IndexEntry entry{};
    SetText(entry.name, substance.name);
    SetText(entry.primaryKey, substance.primaryKey);
    SetText(entry.secondaryKey, substance.secondaryKey);
    SetText(entry.description, substance.description);
    entry.kind = static_cast<std::int32_t>(substance.kind);
    return entry;
}

}  // namespace kiva::mkdb
