// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/substance_facts.h"

#include <map>

#include "chem/element_table.h"
#include "chem/fixed_text.h"
#include "chem/shared_data.h"
#include "io/chemical_formula.h"
#include "render/scene_build.h"

namespace kiva {

namespace {

using ElementCounts = std::map<std::string, int, std::less<>>;

void Count(ElementCounts& counts, const AtomSite& site, int times) { counts[std::string(ElementKey(TextOf(site.symbol)))] += times; }

// Z: the same whole multiple of the chemical unit for every element, or 0.
int FormulaUnits(const ElementCounts& cell, const ElementCounts& unit) {
    if (cell.size() != unit.size() || unit.empty()) return 0;
    int z = 0;
    for (const auto& [element, count] : unit) {
        const auto found = cell.find(element);
        if (found == cell.end() || count <= 0 || found->second % count != 0) return 0;
        const int multiple = found->second / count;
        if (z != 0 && multiple != z) return 0;
        z = multiple;
    }
    return z;
}

CellFacts GatherCellFacts(const CompoundRecord& compound) {
    CellFacts facts;
    facts.cell = compound.cell;
    facts.spaceGroup = std::string(TextOf(compound.symmetry.groupText));
    const auto [a, b, c] = CellAxes(compound.cell);
    const std::uint64_t operations = compound.symmetry.operations.size();
    if (operations * operations * compound.basisAtoms.size() > kMaxExpansionWork) return facts;
    ElementCounts cell, unit;
    std::vector<Vector3D> positions;
    for (const AtomSite& site : compound.basisAtoms) {
        const int count = ExpandBasisSite(compound.symmetry, site.position, a, b, c, positions);
        facts.atomCount += count;
        Count(cell, site, count);
    }
    for (const AtomSite& site : compound.unitAtoms) Count(unit, site, 1);
    facts.formulaUnits = FormulaUnits(cell, unit);
    return facts;
}

}  // namespace

SubstanceFacts GatherSubstanceFacts(const CompoundRecord& compound, const IndexEntry* entry, const PhaseTable& phases,
                                    const CatalogueLanguage& language) {
    SubstanceFacts facts;
    facts.name = std::string(TextOf(compound.name));
    facts.formula = ChemicalFormula(compound.unitAtoms);
    facts.bondingClass = static_cast<BondingClass>(compound.bondingClass);
    if (entry) {
        facts.description = std::string(TextOf(entry->description));
        if (const PhasePointsRow* row = phases.Find(TextOf(entry->name))) facts.phasePoints = row->points;
        if (const TranslatedSubstance* row = language.Find(TextOf(entry->name))) {
            facts.translatedName = row->translatedName;
            facts.commonNames = row->commonNames;
            facts.description = row->description;
        }
    }
    if (!compound.basisAtoms.empty()) facts.cell = GatherCellFacts(compound);
    return facts;
}

SubstanceFacts GatherSubstanceFacts(const CompoundRecord& compound, const IndexEntry* entry) {
    return GatherSubstanceFacts(compound, entry, TheSharedData().phaseTable, TheSharedData().catalogueLanguage);
}

std::string DisplayName(const SubstanceFacts& facts) {
    if (facts.translatedName.empty() || facts.translatedName == facts.name) return facts.name;
    return facts.translatedName + " (" + facts.name + ")";
}

}  // namespace kiva
