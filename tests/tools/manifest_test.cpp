// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/mkdb/manifest.h"

#include <gtest/gtest.h>

#include "io/source_error.h"

namespace kiva::mkdb {
namespace {

constexpr const char* kManifest = R"(# two substances
substance NaCl
kind        metallic
keys        Na Cl
class       ionic
description Sodium chloride, NaCl: rock salt  # not part of the text
crystal     crystals/NaCl.cif
translations 0,1/2,1/2 1/2,0,1/2 1/2,1/2,0
unit        units/NaCl.mol
label       Na   Na+   1
label       Cl1  Cl-  -1
bond        Na+  Cl-  2.70 2.90 coordination
end

substance Water
kind organic
keys Other
class molecule
description H2O#1, the solvent of life
unit units/H2O.mol
end
)";

std::string ErrorOf(const std::string& text) {
    try {
        ParseManifest(text, "substances.txt");
    } catch (const SourceError& error) {
        return error.what();
    }
    return "no error";
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST(ParseManifest, ReadsEveryField) {
    const auto substances = ParseManifest(kManifest, "substances.txt");
    ASSERT_EQ(substances.size(), 2u);
    const SubstanceSource& salt = substances[0];
    EXPECT_EQ(salt.name, "NaCl");
    EXPECT_EQ(salt.kind, SubstanceKind::Metallic);
    EXPECT_EQ(salt.primaryKey, "Na");
    EXPECT_EQ(salt.secondaryKey, "Cl");
    EXPECT_EQ(salt.bondingClass, BondingClass::Ionic);
    EXPECT_EQ(salt.description, "Sodium chloride, NaCl: rock salt");
    EXPECT_EQ(salt.crystalPath, "crystals/NaCl.cif");
    ASSERT_EQ(salt.translations.size(), 3u);
    EXPECT_EQ(salt.translations[2], (Vector3D{0.5f, 0.5f, 0}));
    ASSERT_EQ(salt.labels.size(), 2u);
    EXPECT_EQ(salt.labels[1].match, "Cl1");
    EXPECT_EQ(salt.labels[1].charge, -1);
    ASSERT_EQ(salt.bonds.size(), 1u);
    EXPECT_EQ(salt.bonds[0].kind, 0);
    EXPECT_EQ(salt.bonds[0].maxDistance, 2.9f);
    EXPECT_EQ(salt.line, 2);
    EXPECT_EQ(substances[1].description, "H2O#1, the solvent of life");
    EXPECT_TRUE(substances[1].crystalPath.empty());
}

TEST(ParseManifest, RefusesBadBlocksNamingTheLine) {
    const std::pair<std::string, std::string> cases[] = {
        {Replace(kManifest, "substance Water", "substance NaCl"), "substances.txt:15: a second substance named NaCl"},
        {Replace(kManifest, "substance Water", "substance " + std::string(32, 'W')), "substances.txt:15: the name"},
        {Replace(kManifest, "kind organic", "kind mineral"), "substances.txt:16: unknown kind"},
        {Replace(kManifest, "keys        Na Cl", "keys Na ClO4"), "substances.txt:4: the secondary key"},
        {Replace(kManifest, "keys        Na Cl", "keys Na"), "substances.txt:2: NaCl needs a secondary key"},
        {Replace(kManifest, "keys Other", "keys Other O"), "substances.txt:15: Water takes no secondary key"},
        {Replace(kManifest, "class       ionic", "class salty"), "substances.txt:5: unknown bonding class"},
        {Replace(kManifest, "2.70 2.90", "2.90 2.70"), "substances.txt:12: the shortest distance exceeds the longest"},
        {Replace(kManifest, "coordination", "quadruple"), "substances.txt:12: unknown bond kind"},
        {Replace(kManifest, "Na+   1", "Na+   one"), "substances.txt:10: \"one\" is no integer charge"},
        {Replace(kManifest, "0,1/2,1/2 ", "0,q,1/2 "), "substances.txt:8: \"0,q,1/2\" is no translation"},
        {Replace(kManifest, "unit units/H2O.mol\n", ""), "substances.txt:15: Water has no unit molfile"},
        {std::string(kManifest) + "weight 18\n", "substances.txt:22: \"weight\" outside a substance block"},
        {std::string(kManifest) + "substance Open\n", "substances.txt:22: substance Open has no end"},
        {Replace(kManifest, "description H2O#1, the solvent of life", "description " + std::string(128, 'd')),
         "substances.txt:19: the description"},
        {Replace(kManifest, "description H2O#1, the solvent of life", "description Water: bent (104.5 deg)"),
         "substances.txt:19: the description uses \"deg\" as a unit"},
        {Replace(kManifest, "description H2O#1, the solvent of life", "description Water: O-H 0.96A long"),
         "substances.txt:19: the description uses \"A\" as a unit"},
        // A NUL byte ends a text in the index early: these keys would read back as the primary key Na.
        {Replace(kManifest, "keys        Na Cl", std::string("keys \0\0 Na", 11)), "substances.txt:4: a NUL byte"},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(ErrorOf(text).substr(0, expected.size()), expected);
}

// Ångström and degrees are units only after a number; an amino acid's letter is none.
TEST(PlainUnitIn, FindsAAndDegOnlyAfterANumber) {
    EXPECT_EQ(PlainUnitIn("Graphite: C-C 1.42 A apart"), "A");
    EXPECT_EQ(PlainUnitIn("60 deg angles"), "deg");
    EXPECT_EQ(PlainUnitIn("60deg"), "deg");
    EXPECT_EQ(PlainUnitIn("L-Alanine (Ala, A), C3H7NO2"), "");
    EXPECT_EQ(PlainUnitIn("1.42 Å and 104.5°"), "");
    EXPECT_EQ(PlainUnitIn("4 Atome, 2 degrees"), "");
}

}  // namespace
}  // namespace kiva::mkdb
