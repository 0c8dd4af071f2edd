// SPDX-License-Identifier: GPL-2.0-or-later
// What the catalogue compiles from its own sources, the viewer shows when it opens them directly.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "chem/fixed_text.h"
#include "io/structure_file.h"
#include "tests/support/built_scene.h"
#include "tests/support/catalogue_record.h"
#include "tools/mkdb/manifest.h"

namespace kiva::mkdb {
namespace {

using testing::BuiltScene;
using testing::CatalogueRecord;

const std::string kSources = std::string(KIVA_SOURCE_DIR) + "/data/";

class CatalogueSources : public ::testing::Test {
protected:
    static void SetUpTestSuite() { substances = new std::vector<SubstanceSource>(ReadManifest(kSources + "substances.txt")); }
    static void TearDownTestSuite() { delete substances; }
    static const SubstanceSource& Source(const std::string& name) {
        for (const SubstanceSource& substance : *substances)
            if (substance.name == name) return substance;
        throw std::runtime_error("no substance " + name);
    }
    static std::vector<SubstanceSource>* substances;
};
std::vector<SubstanceSource>* CatalogueSources::substances = nullptr;

// Atoms by element, charge and place: labels may differ (Na against Na+) where the look does not.
std::vector<std::tuple<std::string, int, float, float, float>> AtomsOf(const ViewState& view, bool charges) {
    std::vector<std::tuple<std::string, int, float, float, float>> atoms;
    for (const SceneAtom& atom : view.atoms.items)
        atoms.emplace_back(ElementKey(TextOf(atom.symbol)), charges ? TruncatedCharge(atom.charge) : 0, atom.position.x,
                           atom.position.y, atom.position.z);
    return atoms;
}

std::multiset<std::tuple<int, int, int>> BondsOf(const ViewState& view, bool coordination) {
    std::multiset<std::tuple<int, int, int>> bonds;
    for (const SceneBond& bond : view.bonds.items)
        if (coordination || bond.kind != 0) bonds.emplace(std::min(bond.first, bond.second), std::max(bond.first, bond.second), bond.kind);
    return bonds;
}

TEST_F(CatalogueSources, EveryCrystalOpenedDirectlyShowsTheCataloguesAtoms) {
    int crystals = 0;
    for (const SubstanceSource& substance : *substances) {
        if (substance.crystalPath.empty()) continue;
        const CompoundRecord opened = ReadStructureFile(kSources + substance.crystalPath).compound;
        const ViewState openedCrystal = BuiltScene(opened, DisplayState::CrystalSolid);
        const ViewState cataloguedCrystal = BuiltScene(CatalogueRecord(substance.name.c_str()), DisplayState::CrystalSolid);
        EXPECT_EQ(AtomsOf(openedCrystal, false), AtomsOf(cataloguedCrystal, false)) << substance.name;
        ++crystals;
    }
    EXPECT_GT(crystals, 150);
}

// Where the catalogue's manifest labels simple ions and draws first neighbours, opening the CIF
// finds the same ions and the same neighbours by itself.
TEST_F(CatalogueSources, SimpleCrystalsOpenedDirectlyShowTheCataloguesBondsAndIons) {
    for (const char* name : {"NaCl", "KCl", "MgO", "CaF2", "Cu", "Fe-alpha", "C-diamond", "Si", "SiO2-quartz", "CaCO3"}) {
        const ViewState opened = BuiltScene(ReadStructureFile(kSources + Source(name).crystalPath).compound, DisplayState::CrystalSolid);
        const ViewState catalogued = BuiltScene(CatalogueRecord(name), DisplayState::CrystalSolid);
        EXPECT_EQ(AtomsOf(opened, true), AtomsOf(catalogued, true)) << name;
        EXPECT_EQ(BondsOf(opened, true), BondsOf(catalogued, true)) << name;
    }
}

TEST_F(CatalogueSources, EveryUnitMolfileOpenedDirectlyShowsTheCataloguesUnit) {
    int units = 0;
    for (const SubstanceSource& substance : *substances) {
        const StructureFile opened = ReadStructureFile(kSources + substance.unitPath);
        EXPECT_EQ(opened.format, StructureFormat::Molfile);
        const ViewState openedUnit = BuiltScene(opened.compound, DisplayState::ChemicalUnit);
        const ViewState cataloguedUnit = BuiltScene(CatalogueRecord(substance.name.c_str()), DisplayState::ChemicalUnit);
        EXPECT_EQ(AtomsOf(openedUnit, true), AtomsOf(cataloguedUnit, true)) << substance.name;
        // The manifest adds coordination contacts that a molfile cannot hold.
        EXPECT_EQ(BondsOf(openedUnit, false), BondsOf(cataloguedUnit, false)) << substance.name;
        ++units;
    }
    EXPECT_GT(units, 400);
}

}  // namespace
}  // namespace kiva::mkdb
