// SPDX-License-Identifier: GPL-2.0-or-later
// The readers of the catalogue's sources: symmetry text, CIF and molfile.
#include <gtest/gtest.h>

#include "tools/mkdb/cif_reader.h"
#include "tools/mkdb/molfile_reader.h"
#include "tools/mkdb/source_error.h"
#include "tools/mkdb/symmetry_text.h"

namespace kiva::mkdb {
namespace {

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const SourceError& error) {
        return error.what();
    }
    return "no error";
}

TEST(ParseSymmetryOperation, ReadsCoordinateTriplets) {
    const auto operation = ParseSymmetryOperation("-x+1/2, y-z , 0.25+Z");
    ASSERT_TRUE(operation);
    const auto& m = operation->m;
    EXPECT_EQ(m[0][0], -1);
    EXPECT_EQ(m[0][3], 0.5f);
    EXPECT_EQ(m[1][1], 1);
    EXPECT_EQ(m[1][2], -1);
    EXPECT_EQ(m[2][2], 1);
    EXPECT_EQ(m[2][3], 0.25f);
    EXPECT_EQ(m[3][3], 1);
    EXPECT_EQ(TransformPoint(*operation, {0.1f, 0.2f, 0.3f}).x, 0.4f);
}

TEST(ParseSymmetryOperation, RefusesWhatIsNoTriplet) {
    for (const char* text : {"x,y", "x,y,z,x", "x,y,w", "x,,z", "x,y,1/0", "x+,y,z", "2", ""})
        EXPECT_FALSE(ParseSymmetryOperation(text)) << text;
}

TEST(ParseFractionTriplet, ReadsConstantsOnly) {
    EXPECT_EQ(ParseFractionTriplet("0,1/2,1/2"), (Vector3D{0, 0.5f, 0.5f}));
    EXPECT_EQ(ParseFractionTriplet("1/3,2/3,0.5"), (Vector3D{1.0f / 3, 2.0f / 3, 0.5f}));
    EXPECT_FALSE(ParseFractionTriplet("x,0,0"));
}

constexpr const char* kRockSalt = R"(data_NaCl
_cell_length_a 5.6402(3)
_cell_length_b 5.6402
_cell_length_c 5.6402
_cell_angle_alpha 90
_cell_angle_beta 90.0
_cell_angle_gamma 90
_symmetry_space_group_name_H-M 'F m -3 m'
# a comment
_publ_section_title
;
A text field with 'quotes'
;
loop_
_symmetry_equiv_pos_id
_symmetry_equiv_pos_as_xyz
1 x,y,z
2 '-x, -y, z'
loop_
_atom_site_label
_atom_site_type_symbol
_atom_site_fract_x
_atom_site_fract_y
_atom_site_fract_z
Na1 Na1+ 0 0 0
Cl1 Cl1- 0.5 0.5 0.5
data_second
_cell_length_a 1
)";

TEST(ParseCif, ReadsCellGroupOperationsAndSites) {
    const CifCrystal crystal = ParseCif(kRockSalt, "salt.cif");
    EXPECT_DOUBLE_EQ(crystal.a, 5.6402);
    EXPECT_DOUBLE_EQ(crystal.beta, 90.0);
    EXPECT_EQ(crystal.groupSymbol, "F m -3 m");
    ASSERT_EQ(crystal.operations.size(), 2u);
    EXPECT_EQ(crystal.operations[1].text, "-x, -y, z");
    EXPECT_EQ(crystal.operations[1].line, 18);
    ASSERT_EQ(crystal.sites.size(), 2u);
    EXPECT_EQ(crystal.sites[1].label, "Cl1");
    EXPECT_EQ(SiteElement(crystal.sites[1]), "Cl");
    EXPECT_DOUBLE_EQ(crystal.sites[1].z, 0.5);
}

TEST(ParseCif, NamesTheFileAndLineOfWhatIsWrong) {
    std::string text = kRockSalt;
    text.replace(text.find("0.5 0.5 0.5"), 3, "abc");
    EXPECT_EQ(ErrorOf([&] { ParseCif(text, "salt.cif"); }),
              "salt.cif:26: _atom_site_fract_x is not a number: \"abc\"");
    EXPECT_NE(ErrorOf([&] { ParseCif("data_x\n_cell_length_a 1\n", "x.cif"); }).find("x.cif: no _cell_length_b"),
              std::string::npos);
    EXPECT_NE(ErrorOf([&] { ParseCif("data_x\n;\nnever closed\n", "x.cif"); }).find("x.cif:2:"), std::string::npos);
}

TEST(SiteElement, ReadsTheElementFromTypeSymbolOrLabel) {
    EXPECT_EQ(SiteElement({"O2", "O2-"}), "O");
    EXPECT_EQ(SiteElement({"CL1", ""}), "Cl");
    EXPECT_EQ(SiteElement({"Ca1", "?"}), "Ca");
}

constexpr const char* kCarbonMonoxide =
    "carbon monoxide\n"
    "  written by hand\n"
    "\n"
    "  2  1  0  0  0  0  0  0  0  0999 V2000\n"
    "    0.0000    0.0000    0.0000 C   0  5  0  0  0  0  0  0  0  0  0  0\n"
    "    1.1283    0.0000    0.0000 O   0  3  0  0  0  0  0  0  0  0  0  0\n"
    "  1  2  3  0\n"
    "M  END\n";

TEST(ParseMolfile, ReadsAtomsBondsAndChargeCodes) {
    const Molfile mol = ParseMolfile(kCarbonMonoxide, "co.mol");
    EXPECT_EQ(mol.title, "carbon monoxide");
    ASSERT_EQ(mol.atoms.size(), 2u);
    EXPECT_EQ(mol.atoms[1].element, "O");
    EXPECT_DOUBLE_EQ(mol.atoms[1].x, 1.1283);
    EXPECT_EQ(mol.atoms[0].charge, -1);
    EXPECT_EQ(mol.atoms[1].charge, 1);
    ASSERT_EQ(mol.bonds.size(), 1u);
    EXPECT_EQ(mol.bonds[0].first, 0);
    EXPECT_EQ(mol.bonds[0].second, 1);
    EXPECT_EQ(mol.bonds[0].order, 3);
}

TEST(ParseMolfile, LetsChargeLinesReplaceTheAtomBlock) {
    std::string text = kCarbonMonoxide;
    text.replace(text.find("M  END"), 6, "M  CHG  1   2  -2\nM  END");
    const Molfile mol = ParseMolfile(text, "co.mol");
    EXPECT_EQ(mol.atoms[0].charge, 0);
    EXPECT_EQ(mol.atoms[1].charge, -2);
}

TEST(ParseMolfile, RefusesMalformedFilesNamingTheLine) {
    std::string aromatic = kCarbonMonoxide;
    aromatic.replace(aromatic.find("  1  2  3"), 9, "  1  2  4");
    EXPECT_NE(ErrorOf([&] { ParseMolfile(aromatic, "co.mol"); }).find("co.mol:7: bond order 4"), std::string::npos);
    std::string dangling = kCarbonMonoxide;
    dangling.replace(dangling.find("  1  2  3"), 9, "  1  9  1");
    EXPECT_NE(ErrorOf([&] { ParseMolfile(dangling, "co.mol"); }).find("co.mol:7:"), std::string::npos);
    std::string counts = kCarbonMonoxide;
    counts.replace(counts.find("  2  1"), 6, " 99  1");
    EXPECT_NE(ErrorOf([&] { ParseMolfile(counts, "co.mol"); }).find("co.mol:4:"), std::string::npos);
    EXPECT_NE(ErrorOf([&] { ParseMolfile("x\n", "short.mol"); }).find("short.mol"), std::string::npos);
}

}  // namespace
}  // namespace kiva::mkdb
