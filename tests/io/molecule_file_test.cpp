// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/molecule_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <utility>
#include <vector>

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

TEST(ParseMolecule, ReadsAMolfileWhoseBondBlockEndsTheFile) {
    for (const std::string ending : {"", "\n"}) {
        const std::string text = Replaced(kCarbonMonoxide, "  1  2  3  0\nM  END\n", "  1  2  3  0" + ending);
        const Molecule mol = ParseMolecule(text, StructureFormat::Molfile, "co.mol");
        ASSERT_EQ(mol.atoms.size(), 2u) << "ending " << ending.size();
        ASSERT_EQ(mol.bonds.size(), 1u);
        EXPECT_EQ(mol.bonds[0].order, 3);
    }
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

// Atoms each bonded to the next five: a 40-atom band closing 146 rings, which Open Babel's stereo
// perception, run on every molfile, would search for seconds.
std::string RingBand(bool v3000) {
    constexpr int kAtoms = 40, kReach = 5;
    std::vector<std::pair<int, int>> bonds;
    for (int i = 1; i <= kAtoms; ++i)
        for (int j = i + 1; j <= kAtoms && j <= i + kReach; ++j) bonds.emplace_back(i, j);
    const auto position = [](int i) { return std::to_string(i % 7) + ".1 " + std::to_string(i % 5) + ".2 " + std::to_string(i % 3) + ".3"; };
    char line[96];
    if (!v3000) {
        std::snprintf(line, sizeof line, "%3d%3zu  0  0  0  0  0  0  0  0999 V2000\n", kAtoms, bonds.size());
        std::string text = std::string("band\n  generated\n\n") + line;
        for (int i = 1; i <= kAtoms; ++i) {
            std::snprintf(line, sizeof line, "%10.4f%10.4f%10.4f C   0  0  0  0  0  0  0  0  0  0  0  0\n", i % 7 + 0.1, i % 5 + 0.2, i % 3 + 0.3);
            text += line;
        }
        for (const auto& [a, b] : bonds) {
            std::snprintf(line, sizeof line, "%3d%3d  1  0\n", a, b);
            text += line;
        }
        return text + "M  END\n";
    }
    std::string text = "band\n  generated\n\n  0  0  0     0  0            999 V3000\nM  V30 BEGIN CTAB\nM  V30 COUNTS " +
                       std::to_string(kAtoms) + " " + std::to_string(bonds.size()) + " 0 0 0\nM  V30 BEGIN ATOM\n";
    for (int i = 1; i <= kAtoms; ++i) text += "M  V30 " + std::to_string(i) + " C " + position(i) + " 0\n";
    text += "M  V30 END ATOM\nM  V30 BEGIN BOND\n";
    for (std::size_t k = 0; k < bonds.size(); ++k)
        text += "M  V30 " + std::to_string(k + 1) + " 1 " + std::to_string(bonds[k].first) + " " + std::to_string(bonds[k].second) + "\n";
    return text + "M  V30 END BOND\nM  V30 END CTAB\nM  END\n";
}

TEST(ParseMolecule, RefusesAMolfileWhoseBondsCloseMoreRingsThanKivaReads) {
    EXPECT_NE(SourceErrorOf([] { ParseMolecule(RingBand(false), StructureFormat::Molfile, "band.mol"); })
                  .find("band.mol:4: the bonds close 146 rings, more than Kiva reads (100)"),
              std::string::npos);
    EXPECT_NE(SourceErrorOf([] { ParseMolecule(RingBand(true), StructureFormat::Molfile, "band.mol"); })
                  .find("band.mol:6: the bonds close 146 rings, more than Kiva reads (100)"),
              std::string::npos);
}

// `count` benzene rings without their hydrogens, 1.39 angstrom a side, 6 angstrom apart.
std::string CarbonRings(int count) {
    std::string text = std::to_string(6 * count) + "\nrings\n";
    for (int c = 0; c < count; ++c)
        for (int k = 0; k < 6; ++k)
            text += "C " + std::to_string(c % 20 * 6 + 1.39 * std::cos(k * 1.0471975512)) + " " +
                    std::to_string(c / 20 * 6 + 1.39 * std::sin(k * 1.0471975512)) + " 0\n";
    return text;
}

// Open Babel's bond-order search looks for rings over the whole molecule: a thousand small ring
// systems cost it seconds, as one large one does, so beyond 100 rings in all the bonds stay single.
TEST(ParseMolecule, LeavesTheBondsSingleWhenAllRingsTogetherAreTooMany) {
    EXPECT_EQ(OrderCounts(ParseMolecule(CarbonRings(100), StructureFormat::Xyz, "few.xyz"))[2], 300);
    EXPECT_EQ(OrderCounts(ParseMolecule(CarbonRings(101), StructureFormat::Xyz, "many.xyz")), (std::map<int, int>{{1, 606}}));
}

// Clusters of 27 atoms half an angstrom apart: 28,080 pairs close enough to bond, whose surplus
// bonds Open Babel would remove one by one for seconds.
TEST(ParseMolecule, RefusesAtomsCrowdedBeyondAnyMolecule) {
    std::string text = "2160\ntangle\n";
    for (int c = 0; c < 80; ++c)
        for (int i = 0; i < 27; ++i)
            text += "C " + std::to_string(c % 10 * 6 + i % 3 * 0.5) + " " + std::to_string(c / 10 * 6 + i / 3 % 3 * 0.5) + " " +
                    std::to_string(i / 9 * 0.5) + "\n";
    EXPECT_NE(SourceErrorOf([&] { ParseMolecule(text, StructureFormat::Xyz, "tangle.xyz"); })
                  .find("tangle.xyz: the atoms crowd so close that more than 20000 pairs of them lie within bonding distance"),
              std::string::npos);
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
