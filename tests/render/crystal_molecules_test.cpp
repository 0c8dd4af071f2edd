// SPDX-License-Identifier: GPL-2.0-or-later
// Whole molecules on real crystals: the catalogue's and those of the Crystallography Open
// Database that Debian ships with Avogadro's data. Every count is computed here from the scene.
#include "render/crystal_molecules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "chem/element_table.h"
#include "chem/fixed_text.h"
#include "io/structure_file.h"
#include "render/projection.h"
#include "render/render_frame.h"
#include "render/scene_build.h"
#include "tests/support/built_scene.h"
#include "tests/support/catalogue_record.h"
#include "tests/support/sample_records.h"

namespace kiva {
namespace {

const std::string kCod = "/usr/share/avogadro2/crystals/";

ViewState Crystal(const CompoundRecord& record, bool whole, std::array<int, 3> multiples = {1, 1, 1}) {
    ViewState view;
    view.displayState = DisplayState::CrystalSolid;
    view.cellMultiples = multiples;
    view.wholeMolecules = whole;
    BuildCellVectors(view, record.cell);
    BuildScene(view, record, MakeDefaultElementTable());
    return view;
}

bool IsElement(const SceneAtom& atom, std::string_view element) { return ElementKey(TextOf(atom.symbol)) == element; }

// For each atom of `centre`, how many atoms of `partner` lie within `reach` angstrom.
std::vector<int> NeighbourCounts(const ViewState& view, std::string_view centre, std::string_view partner, float reach) {
    std::vector<int> counts;
    for (const SceneAtom& a : view.atoms.items) {
        if (!IsElement(a, centre)) continue;
        int n = 0;
        for (const SceneAtom& b : view.atoms.items)
            if (&a != &b && IsElement(b, partner) && Length(Subtract(a.position, b.position)) <= reach) ++n;
        counts.push_back(n);
    }
    return counts;
}

void ExpectEvery(const std::vector<int>& counts, int expected, const char* what) {
    ASSERT_FALSE(counts.empty()) << what;
    for (const int n : counts) ASSERT_EQ(n, expected) << what;
}

// No two atoms of the scene at one place.
void ExpectNoneTwice(const ViewState& view) {
    for (std::size_t i = 0; i < view.atoms.size(); ++i)
        for (std::size_t j = i + 1; j < view.atoms.size(); ++j)
            ASSERT_GT(Length(Subtract(view.atoms[i].position, view.atoms[j].position)), 0.3f) << i << " and " << j;
}

CompoundRecord CodFile(const std::string& path) { return ReadStructureFile(kCod + path).compound; }

TEST(WholeMolecules, KeepsEveryCarbonateOfCalciteWhole) {
    for (const CompoundRecord& calcite : {testing::CatalogueRecord("CaCO3"), CodFile("carbonates/CaCO3-Calcite.cif")}) {
        const ViewState cut = Crystal(calcite, false);
        const std::vector<int> cutCounts = NeighbourCounts(cut, "C", "O", 1.35f);
        EXPECT_TRUE(std::any_of(cutCounts.begin(), cutCounts.end(), [](int n) { return n < 3; }))
            << "the cell alone cuts carbonates at its faces";
        for (const std::array<int, 3> multiples : {std::array{1, 1, 1}, std::array{2, 1, 3}}) {
            const ViewState whole = Crystal(calcite, true, multiples);
            ExpectEvery(NeighbourCounts(whole, "C", "O", 1.35f), 3, "O around each C");
            ExpectEvery(NeighbourCounts(whole, "O", "C", 1.35f), 1, "C beside each O");
            ExpectNoneTwice(whole);
        }
    }
}

TEST(WholeMolecules, PutsAWholeAmmoniumAtEachCornerAroundTheChloride) {
    const ViewState whole = Crystal(testing::CatalogueRecord("NH4Cl"), true);
    const std::vector<int> hydrogens = NeighbourCounts(whole, "N", "H", 1.15f);
    EXPECT_EQ(hydrogens.size(), 8u);
    ExpectEvery(hydrogens, 4, "H around each N");
    ExpectEvery(NeighbourCounts(whole, "H", "N", 1.15f), 1, "N beside each H");
    EXPECT_EQ(NeighbourCounts(whole, "Cl", "Cl", 0.1f).size(), 1u);  // the chloride, a single ion, as before
}

TEST(WholeMolecules, KeepsTheMoleculesOfMolecularCrystalsWhole) {
    const ViewState ice = Crystal(testing::CatalogueRecord("H2O"), true, {2, 2, 1});
    ExpectEvery(NeighbourCounts(ice, "O", "H", 1.1f), 2, "H around each O of ice");
    ExpectEvery(NeighbourCounts(ice, "H", "O", 1.1f), 1, "O beside each H of ice");
    ExpectNoneTwice(ice);
    const ViewState iceIh = Crystal(CodFile("ice/H2O-Ice-Ih.cif"), true);
    ExpectEvery(NeighbourCounts(iceIh, "O", "H", 1.1f), 2, "H around each O of ice Ih");

    const ViewState dryIce = Crystal(testing::CatalogueRecord("CO2"), true);
    ExpectEvery(NeighbourCounts(dryIce, "C", "O", 1.3f), 2, "O around each C of dry ice");
    ExpectEvery(NeighbourCounts(dryIce, "O", "C", 1.3f), 1, "C beside each O of dry ice");
    ExpectNoneTwice(dryIce);

    const ViewState sulphur = Crystal(testing::CatalogueRecord("S8"), true);
    ExpectEvery(NeighbourCounts(sulphur, "S", "S", 2.2f), 2, "neighbours in each S8 ring");
    ExpectNoneTwice(sulphur);

    // An organic crystal: ferrocene's two rings of five carbons, each carbon with its hydrogen.
    const ViewState ferrocene = Crystal(CodFile("other/C10H10Fe-Ferrocene.cif"), true);
    ExpectEvery(NeighbourCounts(ferrocene, "C", "C", 1.5f), 2, "ring neighbours of each C");
    ExpectEvery(NeighbourCounts(ferrocene, "C", "H", 1.2f), 1, "H on each C");
    ExpectEvery(NeighbourCounts(ferrocene, "Fe", "C", 2.2f), 10, "ring carbons around each Fe");
    ExpectNoneTwice(ferrocene);
}

TEST(WholeMolecules, LeavesNetworksIonicLatticesAndMetalsAsTheyAre) {
    for (const char* name : {"NaCl", "C-diamond", "SiO2-quartz", "Cu"}) {
        const CompoundRecord record = testing::CatalogueRecord(name);
        for (const std::array<int, 3> multiples : {std::array{1, 1, 1}, std::array{2, 2, 2}}) {
            ViewState plain = Crystal(record, false, multiples);
            ViewState whole = Crystal(record, true, multiples);
            ResetView(plain);
            ResetView(whole);
            ASSERT_EQ(plain.atoms.size(), whole.atoms.size()) << name;
            ASSERT_EQ(plain.bonds.items, whole.bonds.items) << name;
            PictureBuffers plainPicture, wholePicture;
            ProjectScene(plain);
            ProjectScene(whole);
            RenderFrame(plain, plainPicture, 0);
            RenderFrame(whole, wholePicture, 0);
            EXPECT_EQ(plainPicture.colour, wholePicture.colour) << name;
        }
    }
}

// Iodine molecules, 2.67 angstrom long, lying along the 1.25 angstrom edge of a thin cell: each
// bond reaches three cells over. A shorter covalent rule listed after the iodine's does not
// shorten the search, nor one listed before it.
TEST(WholeMolecules, SearchAsFarAsTheLongestBondRuleWhereverItIsListed) {
    const BondRule iodine = testing::Rule("I", "I", 2.55f, 2.8f, static_cast<int>(BondKind::Single));
    const BondRule hydrogen = testing::Rule("C", "H", 0.9f, 1.2f, static_cast<int>(BondKind::Single));
    const std::array<Vector3D, 3> axes = {Vector3D{1.25f, 0, 0}, Vector3D{0, 6, 0}, Vector3D{0, 0, 6}};
    const Vector3D first{0.95f, 0.5f, 0.5f}, second{0.086f, 0.5f, 0.5f};  // 3.086 cells along a from the first
    for (const std::vector<BondRule>& rules : {std::vector{iodine, hydrogen}, std::vector{hydrogen, iodine}}) {
        CompoundRecord record;
        record.basisAtoms = {testing::Site("I", 0, first), testing::Site("I", 0, second)};
        record.bondRules = rules;
        const CrystalMolecules found = FindCrystalMolecules({{first}, {second}}, record, axes, 1e-3f);
        ASSERT_EQ(found.molecules.size(), 1u) << "iodine's rule listed " << (rules[0].symbolA[0] == 'I' ? "first" : "last");
        const CrystalMolecule& molecule = found.molecules[0];
        ASSERT_EQ(molecule.fractions.size(), 2u);
        const Vector3D bond = Subtract(molecule.fractions[1], molecule.fractions[0]);
        EXPECT_NEAR(Length({bond.x * 1.25f, bond.y * 6, bond.z * 6}), 2.67f, 1e-3f);
        EXPECT_EQ(found.grouped, (std::vector<bool>{true, true}));
    }
}

TEST(WholeMolecules, FindsNoMoleculesWithoutCovalentRules) {
    CompoundRecord record = testing::CatalogueRecord("NH4Cl");
    for (BondRule& rule : record.bondRules) rule.bondKind = static_cast<std::int32_t>(BondKind::Coordination);
    const ViewState plain = Crystal(record, false);
    const ViewState whole = Crystal(record, true);
    ASSERT_EQ(plain.atoms.size(), whole.atoms.size());
    for (std::size_t i = 0; i < plain.atoms.size(); ++i) EXPECT_EQ(plain.atoms[i].position, whole.atoms[i].position);
}

}  // namespace
}  // namespace kiva
