// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/mkdb/compound_builder.h"

#include <cmath>
#include <filesystem>

#include "chem/fixed_text.h"
#include "tools/mkdb/bond_derivation.h"
#include "tools/mkdb/cif_reader.h"
#include "tools/mkdb/molfile_reader.h"
#include "tools/mkdb/source_error.h"
#include "tools/mkdb/symmetry_text.h"

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
    const CifCrystal crystal = ReadCif(path);
    SetText(record.symmetry.groupText, crystal.groupSymbol);
    for (const CifOperation& text : crystal.operations) {
        const auto operation = ParseSymmetryOperation(text.text);
        if (!operation) throw SourceError(path, text.line, "\"" + text.text + "\" is no symmetry operation");
        record.symmetry.operations.push_back(*operation);
    }
    record.symmetry.translationCount = 1 + static_cast<int>(substance.translations.size());
    for (std::size_t i = 0; i < substance.translations.size(); ++i) record.symmetry.translations[i + 1] = substance.translations[i];
    record.cell = {static_cast<float>(crystal.a),     static_cast<float>(crystal.b),    static_cast<float>(crystal.c),
                   static_cast<float>(crystal.alpha), static_cast<float>(crystal.beta), static_cast<float>(crystal.gamma)};
    if (!(record.cell.a > 0 && record.cell.b > 0 && record.cell.c > 0))
        throw SourceError(path, 0, "the cell lengths must be positive");
    for (const CifSite& site : crystal.sites) {
        const Vector3D position{static_cast<float>(site.x), static_cast<float>(site.y), static_cast<float>(site.z)};
        record.basisAtoms.push_back(Labelled(substance, site.label, SiteElement(site), 0, position));
    }
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
    const Molfile unit = ReadMolfile(unitPath);
    if (unit.atoms.empty()) throw SourceError(unitPath, 4, "the chemical unit has no atoms");
    for (const MolAtom& atom : unit.atoms) {
        const Vector3D position{static_cast<float>(atom.x), static_cast<float>(atom.y), static_cast<float>(atom.z)};
        record.unitAtoms.push_back(Labelled(substance, "", atom.element, atom.charge, position));
    }
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
        for (const MolBond& bond : unit.bonds) bonds.push_back({bond.first, bond.second, bond.order});
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
