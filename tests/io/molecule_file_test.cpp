// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/molecule_file.h"

#include <gtest/gtest.h>

#include <map>

#include "io/source_error.h"
#include "tests/support/source_errors.h"

namespace kiva {
namespace {

using testing::Replaced;
using testing::SourceErrorOf;

const std::string kStructures = std::string(KIVA_SOURCE_DIR) + "/tests/data/structures/";

Molecule Read(const std::string& file, StructureFormat format) { return ParseMolecule(ReadSourceFile(file), format, file); }

std::map<int, int> OrderCounts(const Molecule& molecule) {
    std::map<int, int> counts;
    for (const MoleculeBond& bond : molecule.bonds) ++counts[bond.order];
    return counts;
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

TEST(ParseMolecule, ReadsAMolfilesAtomsBondsAndChargeCodes) {
    const Molecule mol = ParseMolecule(kCarbonMonoxide, StructureFormat::Molfile, "co.mol");
    EXPECT_EQ(mol.title, "carbon monoxide");
    ASSERT_EQ(mol.atoms.size(), 2u);
    EXPECT_EQ(mol.atoms[1].element, "O");
    EXPECT_EQ(mol.atoms[1].position.x, 1.1283f);
    EXPECT_EQ(mol.atoms[0].charge, -1);
    EXPECT_EQ(mol.atoms[1].charge, 1);
    ASSERT_EQ(mol.bonds.size(), 1u);
    EXPECT_EQ(mol.bonds[0].first, 0);
    EXPECT_EQ(mol.bonds[0].second, 1);
    EXPECT_EQ(mol.bonds[0].order, 3);
}

TEST(ParseMolecule, LetsChargeLinesReplaceTheAtomBlock) {
    const Molecule mol =
        ParseMolecule(Replaced(kCarbonMonoxide, "M  END", "M  CHG  1   2  -2\nM  END"), StructureFormat::Molfile, "co.mol");
    EXPECT_EQ(mol.atoms[0].charge, 0);
    EXPECT_EQ(mol.atoms[1].charge, -2);
}

// Files nobody here wrote: Open Babel's own SD file, and molecules of Avogadro's library.
TEST(ParseMolecule, ReadsTheFirstRecordOfAnSdFile) {
    const Molecule first = Read("/usr/share/openbabel/3.1.1/templates.sdf", StructureFormat::Molfile);
    EXPECT_EQ(first.atoms.size(), 10u);
    EXPECT_EQ(first.bonds.size(), 12u);
    EXPECT_EQ(OrderCounts(first), (std::map<int, int>{{1, 9}, {2, 3}}));
}

TEST(ParseMolecule, ReadsMolfilesXyzAndPdbFilesWithTheirBondOrders) {
    const Molecule ethanol = Read(kStructures + "ethanol.mol", StructureFormat::Molfile);
    EXPECT_EQ(ethanol.atoms.size(), 9u);
    EXPECT_EQ(OrderCounts(ethanol), (std::map<int, int>{{1, 8}}));
    // XYZ gives no bonds: they and their orders come from the distances.
    const Molecule benzene = Read(kStructures + "benzene.xyz", StructureFormat::Xyz);
    EXPECT_EQ(benzene.atoms.size(), 12u);
    EXPECT_EQ(OrderCounts(benzene), (std::map<int, int>{{1, 9}, {2, 3}}));
    const Molecule alanine = Read(kStructures + "L-alanine.pdb", StructureFormat::Pdb);
    EXPECT_EQ(alanine.atoms.size(), 13u);
    EXPECT_EQ(OrderCounts(alanine), (std::map<int, int>{{1, 11}, {2, 1}}));
}

TEST(ParseMolecule, RefusesMalformedMolfilesNamingTheLine) {
    EXPECT_NE(SourceErrorOf([] { ParseMolecule(Replaced(kCarbonMonoxide, "  1  2  3", "  1  9  1"), StructureFormat::Molfile, "co.mol"); })
                  .find("co.mol:7:"),
              std::string::npos);
    EXPECT_NE(SourceErrorOf([] { ParseMolecule(Replaced(kCarbonMonoxide, "  2  1", " 99  1"), StructureFormat::Molfile, "co.mol"); })
                  .find("co.mol:4:"),
              std::string::npos);
    EXPECT_NE(SourceErrorOf([] { ParseMolecule("x\n", StructureFormat::Molfile, "short.mol"); }).find("short.mol"), std::string::npos);
    EXPECT_NE(SourceErrorOf([] { ParseMolecule(Replaced(kCarbonMonoxide, " O  ", " Q  "), StructureFormat::Molfile, "co.mol"); })
                  .find("co.mol:6: atom 2 is no element: \"Q\""),
              std::string::npos);
}

TEST(ParseMolecule, RefusesCoordinatesThatAreNoNumbersNamingTheLine) {
    for (const char* bad : {"       nan", "       inf", "    1e300", "  1.0e+06"})
        EXPECT_NE(SourceErrorOf([&] { ParseMolecule(Replaced(kCarbonMonoxide, "    1.1283", bad), StructureFormat::Molfile, "co.mol"); })
                      .find("co.mol:6: x"),
                  std::string::npos)
            << bad;
    EXPECT_NE(SourceErrorOf([] { ParseMolecule("2\n\nC 0 0 0\nO nan 0 0\n", StructureFormat::Xyz, "co.xyz"); }).find("co.xyz:4: x"),
              std::string::npos);
    const std::string pdb = "ATOM      1  C   UNK     1         nan   0.000   0.000  1.00  0.00           C\n";
    EXPECT_NE(SourceErrorOf([&] { ParseMolecule(pdb, StructureFormat::Pdb, "c.pdb"); }).find("c.pdb:1: x"), std::string::npos);
}

// A count promising ten million atoms is refused before anything is allocated for them.
TEST(ParseMolecule, RefusesMoreAtomsThanKivaShows) {
    EXPECT_NE(SourceErrorOf([] { ParseMolecule("10000000\nhostile\nC 0 0 0\n", StructureFormat::Xyz, "big.xyz"); })
                  .find("big.xyz:1: 10000000 atoms, more than Kiva shows"),
              std::string::npos);
    EXPECT_NE(SourceErrorOf([] { ParseMolecule("\n\n\n99999  0  0  0  0  0  0  0  0  0999 V2000\n", StructureFormat::Molfile, "big.mol"); })
                  .find("big.mol:4:"),
              std::string::npos);
}

}  // namespace
}  // namespace kiva
