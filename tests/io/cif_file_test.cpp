// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/cif_file.h"

#include <gtest/gtest.h>


#include "io/source_error.h"
#include "tests/support/source_errors.h"

namespace kiva {
namespace {

using testing::Replaced;
using testing::SourceErrorOf;

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
    EXPECT_EQ(crystal.cell.a, 5.6402f);
    EXPECT_EQ(crystal.cell.beta, 90.0f);
    EXPECT_EQ(crystal.groupSymbol, "F m -3 m");
    ASSERT_EQ(crystal.operations.size(), 2u);
    EXPECT_EQ(crystal.operations[1].m[0][0], -1);
    EXPECT_EQ(crystal.operations[1].m[2][2], 1);
    ASSERT_EQ(crystal.sites.size(), 2u);
    EXPECT_EQ(crystal.sites[1].label, "Cl1");
    EXPECT_EQ(crystal.sites[1].element, "Cl");
    EXPECT_EQ(crystal.sites[1].charge, -1.0f);
    EXPECT_EQ(crystal.sites[1].line, 26);
    EXPECT_EQ(crystal.sites[1].position.z, 0.5f);
}

TEST(ParseCif, TakesChargesFromOxidationNumbersAndElementsFromAnyLabel) {
    std::string text = Replaced(kRockSalt, "Na1 Na1+", "Na1 Nax");
    text = Replaced(text, "Cl1 Cl1-", "CL2 ?");
    text += "loop_\n_atom_type_symbol\n_atom_type_oxidation_number\nNax 1\n";
    const CifCrystal crystal = ParseCif(Replaced(text, "data_second\n_cell_length_a 1\n", ""), "salt.cif");
    EXPECT_EQ(crystal.sites[0].element, "Na");
    EXPECT_EQ(crystal.sites[0].charge, 1.0f);
    EXPECT_EQ(crystal.sites[1].element, "Cl");
    EXPECT_FALSE(crystal.sites[1].charge);
}

TEST(ParseCif, ReadsTheChargeMarksOfTypeSymbolsWithOrWithoutADigit) {
    const struct {
        const char* type;
        float charge;
    } marks[] = {{"Na+", 1}, {"Cl-", -1}, {"Fe3+", 3}, {"O2-", -2}, {"Fe+3", 3}, {"S-2", -2}};
    for (const auto& mark : marks) {
        const std::string text = Replaced(Replaced(kRockSalt, "Na1 Na1+", std::string("Na1 ") + mark.type),
                                          "data_second\n_cell_length_a 1\n", "");
        const CifCrystal crystal = ParseCif(text, "salt.cif");
        ASSERT_TRUE(crystal.sites[0].charge) << mark.type;
        EXPECT_EQ(*crystal.sites[0].charge, mark.charge) << mark.type;
    }
}

TEST(ParseCif, TakesTheOperationsOfTheNamedGroupWhereNoneAreListed) {
    std::string text = Replaced(kRockSalt, "1 x,y,z\n2 '-x, -y, z'\n", "");
    text = Replaced(text, "loop_\n_symmetry_equiv_pos_id\n_symmetry_equiv_pos_as_xyz\n", "");
    EXPECT_EQ(ParseCif(text, "salt.cif").operations.size(), 192u);
    text = Replaced(text, "_symmetry_space_group_name_H-M 'F m -3 m'\n", "");
    EXPECT_EQ(ParseCif(text, "salt.cif").operations.size(), 1u);  // no symmetry given: P 1
    const std::string unknown = Replaced(text, "loop_\n_atom_site_label", "_symmetry_space_group_name_H-M 'Q 9'\nloop_\n_atom_site_label");
    EXPECT_NE(SourceErrorOf([&] { ParseCif(unknown, "x.cif"); }).find("x.cif:13: no symmetry operations"), std::string::npos);
}

TEST(ParseCif, LeavesOutTheSecondDisorderGroupAndDummyAtoms) {
    std::string text = Replaced(kRockSalt, "_atom_site_fract_z\n", "_atom_site_fract_z\n_atom_site_disorder_group\n_atom_site_calc_flag\n");
    text = Replaced(text, "Na1 Na1+ 0 0 0\n", "Na1 Na1+ 0 0 0 1 d\nNa2 Na1+ 0.1 0 0 2 d\nQ1 Na 0.2 0 0 . dum\n");
    text = Replaced(text, "Cl1 Cl1- 0.5 0.5 0.5", "Cl1 Cl1- 0.5 0.5 0.5 . .");
    const CifCrystal crystal = ParseCif(text, "salt.cif");
    ASSERT_EQ(crystal.sites.size(), 2u);
    EXPECT_EQ(crystal.sites[1].label, "Cl1");
}

TEST(ParseCif, NamesTheFileAndLineOfWhatIsWrong) {
    EXPECT_EQ(SourceErrorOf([&] { ParseCif(Replaced(kRockSalt, "0.5 0.5 0.5", "abc 0.5 0.5"), "salt.cif"); }),
              "salt.cif:26: _atom_site_fract_x is not a number: \"abc\"");
    EXPECT_NE(SourceErrorOf([&] { ParseCif("data_x\n_cell_length_a 1\n_atom_site_fract_x 0\n", "x.cif"); }).find("x.cif: no _cell_length_b"),
              std::string::npos);
    EXPECT_NE(SourceErrorOf([&] { ParseCif("data_x\n;\nnever closed\n", "x.cif"); }).find("x.cif:"), std::string::npos);
    EXPECT_EQ(SourceErrorOf([&] { ParseCif("\x7f" "ELF\x02\x01\x01", "binary.cif"); }).rfind("binary.cif:1:", 0), 0u);
    EXPECT_NE(SourceErrorOf([&] { ParseCif(Replaced(kRockSalt, "'-x, -y, z'", "'-x, -y, w'"), "salt.cif"); }).find("salt.cif:18:"),
              std::string::npos);
}

// Fuzzing from outside found kiva-mkdb writing nan, inf and 1e300 from its sources into the
// catalogue; they are refused where they stand.
TEST(ParseCif, RefusesNumbersThatAreNoneOrBeyondAnyCrystal) {
    for (const char* bad : {"nan", "inf", "-inf", "1e300", "0", "-5.6"})
        EXPECT_NE(SourceErrorOf([&] { ParseCif(Replaced(kRockSalt, "5.6402(3)", bad), "salt.cif"); }).find("salt.cif:2: _cell_length_a"),
                  std::string::npos)
            << bad;
    for (const char* bad : {"nan", "1e300", "-inf"})
        EXPECT_NE(SourceErrorOf([&] { ParseCif(Replaced(kRockSalt, "Cl1- 0.5", std::string("Cl1- ") + bad), "salt.cif"); })
                      .find("salt.cif:26: _atom_site_fract_x"),
                  std::string::npos)
            << bad;
    EXPECT_NE(SourceErrorOf([&] { ParseCif(Replaced(kRockSalt, "_cell_angle_gamma 90", "_cell_angle_gamma 180"), "salt.cif"); })
                  .find("salt.cif:7:"),
              std::string::npos);
    std::string flat = Replaced(kRockSalt, "_cell_angle_alpha 90", "_cell_angle_alpha 120");
    flat = Replaced(Replaced(flat, "_cell_angle_beta 90.0", "_cell_angle_beta 120"), "_cell_angle_gamma 90", "_cell_angle_gamma 120");
    EXPECT_NE(SourceErrorOf([&] { ParseCif(flat, "salt.cif"); }).find("describe no cell"), std::string::npos);
}

TEST(ParseCif, RefusesAnAbsurdlyLongOperationNamingItsLine) {
    std::string slashes = "x+1";
    while (slashes.size() < 200000) slashes += "/1";
    const std::string error = SourceErrorOf([&] { ParseCif(Replaced(kRockSalt, "'-x, -y, z'", "'" + slashes + ",y,z'"), "salt.cif"); });
    EXPECT_EQ(error.rfind("salt.cif:18: a symmetry operation of 2000", 0), 0u) << error.substr(0, 200);
    EXPECT_LT(error.size(), 200u);
}

}  // namespace
}  // namespace kiva
