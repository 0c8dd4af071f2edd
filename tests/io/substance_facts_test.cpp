// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/substance_facts.h"

#include <gtest/gtest.h>

#include "chem/fixed_text.h"
#include "io/chemical_formula.h"
#include "io/structure_file.h"
#include "tests/support/catalogue_record.h"

namespace kiva {
namespace {

SubstanceFacts CatalogueFacts(const char* name) {
    MoleculeIndex index;
    index.path = std::string(KIVA_CATALOGUE_DIR) + "/Index.dat";
    EXPECT_TRUE(LoadMoleculeIndex(index));
    return GatherSubstanceFacts(testing::CatalogueRecord(name), FindIndexEntryByName(index, name));
}

TEST(SubstanceFacts, CountsTheFormulaUnitsOfACell) {
    const SubstanceFacts salt = CatalogueFacts("NaCl");
    EXPECT_EQ(salt.formula, "NaCl");
    EXPECT_EQ(salt.bondingClass, BondingClass::Ionic);
    EXPECT_NE(salt.description.find("rock salt"), std::string::npos);
    ASSERT_TRUE(salt.cell);
    EXPECT_EQ(salt.cell->atomCount, 8);
    EXPECT_EQ(salt.cell->formulaUnits, 4);

    const SubstanceFacts diamond = CatalogueFacts("C-diamond");
    ASSERT_TRUE(diamond.cell);
    EXPECT_EQ(diamond.cell->formulaUnits, 8);
    EXPECT_EQ(diamond.bondingClass, BondingClass::CovalentNetwork);

    const SubstanceFacts calcite = CatalogueFacts("CaCO3");
    EXPECT_EQ(calcite.formula, "CaCO3");
    ASSERT_TRUE(calcite.cell);
    EXPECT_FLOAT_EQ(calcite.cell->cell.gamma, 120.0f);  // the hexagonal setting
    EXPECT_EQ(calcite.cell->atomCount, 30);
    EXPECT_EQ(calcite.cell->formulaUnits, 6);
    EXPECT_FALSE(calcite.cell->spaceGroup.empty());
}

TEST(SubstanceFacts, GivesAMoleculeNoCell) {
    const SubstanceFacts benzene = CatalogueFacts("Benzene");
    EXPECT_EQ(benzene.formula, "C6H6");
    EXPECT_EQ(benzene.bondingClass, BondingClass::Molecule);
    EXPECT_FALSE(benzene.cell);
}

TEST(SubstanceFacts, TellsWhatAFileGave) {
    const CompoundRecord calcite = ReadStructureFile("/usr/share/avogadro2/crystals/carbonates/CaCO3-Calcite.cif").compound;
    const SubstanceFacts facts = GatherSubstanceFacts(calcite, nullptr);
    EXPECT_EQ(facts.name, "CaCO3-Calcite");
    EXPECT_TRUE(facts.description.empty());
    ASSERT_TRUE(facts.cell);
    EXPECT_EQ(facts.cell->formulaUnits, 6);
}

TEST(SubstanceFacts, LeavesZOpenWhenTheCellHoldsNoWholeMultiple) {
    CompoundRecord record = testing::CatalogueRecord("NaCl");
    record.unitAtoms.push_back(record.unitAtoms.front());  // Na2Cl: the cell's 4 Na are no whole multiple of it
    const SubstanceFacts facts = GatherSubstanceFacts(record, nullptr);
    ASSERT_TRUE(facts.cell);
    EXPECT_EQ(facts.cell->formulaUnits, 0);
}

// A catalogue substance carries its row of the table; a file's substance none, whatever its name.
TEST(SubstanceFacts, TakeACatalogueSubstancesPhasePoints) {
    MoleculeIndex index;
    index.path = std::string(KIVA_CATALOGUE_DIR) + "/Index.dat";
    ASSERT_TRUE(LoadMoleculeIndex(index));
    PhaseTable phases;
    phases.rows.push_back({"NaCl", {1073.8, 1738.0, PhaseNote::None}, ""});
    const CompoundRecord salt = testing::CatalogueRecord("NaCl");
    const SubstanceFacts catalogued = GatherSubstanceFacts(salt, FindIndexEntryByName(index, "NaCl"), phases);
    ASSERT_TRUE(catalogued.phasePoints);
    EXPECT_EQ(catalogued.phasePoints->meltingK, 1073.8);
    EXPECT_FALSE(GatherSubstanceFacts(salt, nullptr, phases).phasePoints);
    EXPECT_FALSE(GatherSubstanceFacts(salt, FindIndexEntryByName(index, "NaCl"), PhaseTable{}).phasePoints);
}

TEST(ChemicalFormula, WritesFormulasAsChemistsDo) {
    const auto formula = [](std::initializer_list<const char*> labels) {
        std::vector<AtomSite> atoms;
        for (const char* label : labels) {
            AtomSite site{};
            SetText(site.symbol, label);
            atoms.push_back(site);
        }
        return ChemicalFormula(atoms);
    };
    EXPECT_EQ(formula({"Na+", "Cl-"}), "NaCl");
    EXPECT_EQ(formula({"O", "H", "H"}), "H2O");
    EXPECT_EQ(formula({"N+", "H", "H", "H", "H", "Cl-"}), "NH4Cl");
    EXPECT_EQ(formula({"Na+", "O", "O", "Cl", "O"}), "NaClO3");
    EXPECT_EQ(formula({"O", "C", "O"}), "CO2");
    EXPECT_EQ(formula({"H", "S", "H"}), "H2S");
    EXPECT_EQ(formula({"O", "C1", "C2", "H", "H", "H", "H", "H", "H"}), "C2H6O");  // Hill order
    EXPECT_EQ(formula({}), "");
}

}  // namespace
}  // namespace kiva
