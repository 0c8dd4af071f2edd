// SPDX-License-Identifier: GPL-2.0-or-later
// What the readers make of a file's content: ions and their charges, the bonding class, the
// chemical unit and the bond rules.
#include "io/crystal_compound.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "chem/fixed_text.h"
#include "io/molecule_compound.h"
#include "render/scene_build.h"

namespace kiva {
namespace {

// A cubic crystal of side `a` with the face-centred operations of rock salt's group written out
// for the sites given as "label type x y z" lines.
std::string CubicCif(float a, const std::string& sites, const std::string& operations) {
    return "data_test\n_cell_length_a " + std::to_string(a) + "\n_cell_length_b " + std::to_string(a) +
           "\n_cell_length_c " + std::to_string(a) +
           "\n_cell_angle_alpha 90\n_cell_angle_beta 90\n_cell_angle_gamma 90\nloop_\n_symmetry_equiv_pos_as_xyz\n" +
           operations + "loop_\n_atom_site_label\n_atom_site_type_symbol\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n" +
           sites;
}

const std::string kFaceCentred = "x,y,z\nx,y+1/2,z+1/2\nx+1/2,y,z+1/2\nx+1/2,y+1/2,z\n-x,-y,-z\n-x,-y+1/2,-z+1/2\n"
                                 "-x+1/2,-y,-z+1/2\n-x+1/2,-y+1/2,-z\n";

CompoundRecord Crystal(const std::string& text) { return CrystalCompound(ParseCif(text, "test.cif"), "test"); }

std::map<std::string, int> UnitLabels(const CompoundRecord& record) {
    std::map<std::string, int> labels;
    for (const AtomSite& atom : record.unitAtoms) ++labels[std::string(TextOf(atom.symbol))];
    return labels;
}

std::vector<SceneBond> UnitBonds(const CompoundRecord& record) {
    ViewState view;
    view.displayState = DisplayState::ChemicalUnit;
    BuildScene(view, record, MakeDefaultElementTable());
    return view.bonds.items;
}

TEST(CrystalCompound, GivesASaltWithoutChargesItsIonsAndOneFormulaUnit) {
    const CompoundRecord salt = Crystal(CubicCif(5.64f, "Na1 Na 0 0 0\nCl1 Cl 0.5 0.5 0.5\n", kFaceCentred));
    EXPECT_EQ(salt.bondingClass, static_cast<int>(BondingClass::Ionic));
    EXPECT_EQ(TextOf(salt.basisAtoms[0].symbol), "Na+");
    EXPECT_EQ(salt.basisAtoms[1].charge, -1.0f);
    EXPECT_EQ(UnitLabels(salt), (std::map<std::string, int>{{"Cl-", 1}, {"Na+", 1}}));
    EXPECT_NEAR(Length(Subtract(salt.unitAtoms[0].position, salt.unitAtoms[1].position)), 2.82f, 1e-3f);
    ASSERT_EQ(salt.bondRules.size(), 1u);  // the six nearest neighbours, as coordination
    EXPECT_EQ(salt.bondRules[0].bondKind, 0);
    EXPECT_NEAR(salt.bondRules[0].minDistance, 2.82f, 2e-3f);
}

TEST(CrystalCompound, TakesTheChargesAFileGives) {
    const CompoundRecord oxide = Crystal(CubicCif(4.21f, "Mg1 Mg2+ 0 0 0\nO1 O2- 0.5 0.5 0.5\n", kFaceCentred));
    EXPECT_EQ(TextOf(oxide.basisAtoms[0].symbol), "Mg2+");
    EXPECT_EQ(TextOf(oxide.basisAtoms[1].symbol), "O2-");
}

TEST(CrystalCompound, BalancesAMetalOfVaryingChargeAgainstItsAnions) {
    // Fluorite's arrangement with iron: two fluorides for each metal make it Fe2+.
    const CompoundRecord fluoride =
        Crystal(CubicCif(5.46f, "Fe1 Fe 0 0 0\nF1 F 0.25 0.25 0.25\n", kFaceCentred));
    EXPECT_EQ(TextOf(fluoride.basisAtoms[0].symbol), "Fe2+");
    EXPECT_EQ(TextOf(fluoride.basisAtoms[1].symbol), "F-");
}

TEST(CrystalCompound, GivesALoneCarbonOrSiliconAmongMetalsItsCarbideOrSilicideCharge) {
    // Beryllium carbide and magnesium silicide, both in the antifluorite arrangement.
    const CompoundRecord carbide = Crystal(CubicCif(4.33f, "C1 C 0 0 0\nBe1 Be 0.25 0.25 0.25\n", kFaceCentred));
    EXPECT_EQ(TextOf(carbide.basisAtoms[0].symbol), "C4-");
    EXPECT_EQ(TextOf(carbide.basisAtoms[1].symbol), "Be2+");
    const CompoundRecord silicide = Crystal(CubicCif(6.39f, "Si1 Si 0 0 0\nMg1 Mg 0.25 0.25 0.25\n", kFaceCentred));
    EXPECT_EQ(TextOf(silicide.basisAtoms[0].symbol), "Si4-");
    EXPECT_EQ(silicide.basisAtoms[0].charge, -4.0f);
    EXPECT_EQ(TextOf(silicide.basisAtoms[1].symbol), "Mg2+");
}

TEST(CrystalCompound, MakesAMetalOfMetalAtomsWithTheirNearestNeighbours) {
    const CompoundRecord copper = Crystal(CubicCif(3.61f, "Cu1 Cu 0 0 0\n", kFaceCentred));
    EXPECT_EQ(copper.bondingClass, static_cast<int>(BondingClass::Metal));
    EXPECT_EQ(copper.unitAtoms.size(), 1u);
    EXPECT_EQ(TextOf(copper.basisAtoms[0].symbol), "Cu");  // a metal's atoms carry no charge
    ASSERT_EQ(copper.bondRules.size(), 1u);
    EXPECT_NEAR(copper.bondRules[0].maxDistance, 3.61f / std::sqrt(2.0f), 2e-3f);
}

TEST(CrystalCompound, CutsOneMoleculeFromAMolecularCrystal) {
    // Nitrogen molecules along the body diagonals: the unit is one molecule, its bond found by
    // distance (a CIF holds no bond orders).
    const CompoundRecord nitrogen = Crystal(CubicCif(5.66f, "N1 N 0.0549 0.0549 0.0549\n", "x,y,z\n-x,-y,-z\nx+1/2,y+1/2,z+1/2\n-x+1/2,-y+1/2,-z+1/2\n"));
    EXPECT_EQ(nitrogen.bondingClass, static_cast<int>(BondingClass::Molecule));
    ASSERT_EQ(nitrogen.unitAtoms.size(), 2u);
    EXPECT_EQ(UnitBonds(nitrogen).size(), 1u);
}

TEST(CrystalCompound, DropsSitesThatRepeatAnEarlierOne) {
    // A file that lists the whole cell besides its symmetry: the second sodium repeats the first.
    const CompoundRecord salt =
        Crystal(CubicCif(5.64f, "Na1 Na 0 0 0\nNa2 Na 0.5 0.5 0\nCl1 Cl 0.5 0.5 0.5\n", kFaceCentred));
    EXPECT_EQ(salt.basisAtoms.size(), 2u);
    EXPECT_EQ(salt.unitAtoms.size(), 2u);
}

Molecule MoleculeOf(std::vector<std::pair<std::string, int>> atoms, std::vector<MoleculeBond> bonds = {}) {
    Molecule molecule;
    float x = 0;
    for (const auto& [element, charge] : atoms) molecule.atoms.push_back({element, charge, {x += 2, 0, 0}});
    molecule.bonds = std::move(bonds);
    return molecule;
}

TEST(MoleculeCompound, ClassifiesWhatAMoleculeFileHolds) {
    EXPECT_EQ(ClassifyMolecule(MoleculeOf({{"Na", 1}, {"Cl", -1}})), BondingClass::Ionic);
    EXPECT_EQ(ClassifyMolecule(MoleculeOf({{"C", 0}, {"O", 0}}, {{0, 1, 2}})), BondingClass::Molecule);
    EXPECT_EQ(ClassifyMolecule(MoleculeOf({{"Fe", 0}, {"C", 0}}, {{0, 1, 1}})), BondingClass::Molecule);
    EXPECT_EQ(ClassifyMolecule(MoleculeOf({{"Ar", 0}})), BondingClass::Atom);
    EXPECT_EQ(ClassifyMolecule(MoleculeOf({{"Cu", 0}, {"Zn", 0}})), BondingClass::Metal);
}

TEST(MoleculeCompound, LabelsLoneIonsWithTheirChargeAndFindsExactlyTheBonds) {
    const CompoundRecord acetate = MoleculeCompound(
        MoleculeOf({{"Na", 1}, {"O", -1}, {"C", 0}, {"O", 0}}, {{1, 2, 1}, {2, 3, 2}}), "sodium");
    EXPECT_EQ(TextOf(acetate.name), "sodium");
    EXPECT_EQ(TextOf(acetate.unitAtoms[0].symbol), "Na+");
    EXPECT_EQ(acetate.unitAtoms[1].charge, -1.0f);
    const std::vector<SceneBond> bonds = UnitBonds(acetate);
    ASSERT_EQ(bonds.size(), 2u);
}

}  // namespace
}  // namespace kiva
