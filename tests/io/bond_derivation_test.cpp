// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/bond_derivation.h"

#include <gtest/gtest.h>

#include <random>

#include "tests/support/sample_records.h"

namespace kiva {
namespace {

using testing::Site;

TEST(DeriveBondRules, KeepsElementLabelsWhereTheyTellBondsApart) {
    // Water: two O-H bonds, and the H...H distance of 1.52 angstrom is no bond.
    std::vector<AtomSite> atoms = {Site("O", 0, {0, 0, 0}), Site("H", 0, {0.96f, 0, 0}), Site("H", 0, {-0.24f, 0.93f, 0})};
    const std::vector<ReferenceBond> bonds = {{0, 1, 1}, {0, 2, 1}};
    const auto rules = DeriveBondRules(atoms, bonds);
    ASSERT_EQ(rules.size(), 1u);
    EXPECT_EQ(TextOf(rules[0].symbolA), "H");
    EXPECT_EQ(TextOf(rules[0].symbolB), "O");
    EXPECT_EQ(TextOf(atoms[1].symbol), "H");
    EXPECT_TRUE(RulesReproduce(atoms, rules, bonds));
}

TEST(DeriveBondRules, NumbersAtomsWhereEqualLengthsHaveDifferentKinds) {
    // A ring of four carbons with alternating bond orders at one length.
    std::vector<AtomSite> atoms = {Site("C", 0, {0, 0, 0}), Site("C", 0, {1.4f, 0, 0}), Site("C", 0, {1.4f, 1.4f, 0}),
                                   Site("C", 0, {0, 1.4f, 0}), Site("H", 0, {-1, -1, 0})};
    const std::vector<ReferenceBond> bonds = {{0, 1, 2}, {1, 2, 1}, {2, 3, 2}, {3, 0, 1}, {0, 4, 1}};
    const auto rules = DeriveBondRules(atoms, bonds);
    EXPECT_TRUE(RulesReproduce(atoms, rules, bonds));
    EXPECT_EQ(TextOf(atoms[0].symbol), "C1");
    EXPECT_EQ(TextOf(atoms[3].symbol), "C4");
    EXPECT_EQ(TextOf(atoms[4].symbol), "H");  // hydrogen needed no numbers
}

TEST(DeriveBondRules, NumbersAtomsWhereANonBondedPairFallsInsideTheRange) {
    // A chain C-C-C-C whose ends come as close as the bonds: element labels would bond them.
    std::vector<AtomSite> atoms = {Site("C", 0, {0, 0, 0}), Site("C", 0, {1.5f, 0, 0}), Site("C", 0, {1.5f, 1.5f, 0}),
                                   Site("C", 0, {0, 1.5f, 0})};
    const std::vector<ReferenceBond> bonds = {{0, 1, 1}, {1, 2, 1}, {2, 3, 1}};
    const auto rules = DeriveBondRules(atoms, bonds);
    EXPECT_TRUE(RulesReproduce(atoms, rules, bonds));
    EXPECT_EQ(rules.size(), 3u);
}

TEST(DeriveBondRules, ReproducesRandomMoleculesExactly) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> coordinate(-3, 3);
    for (int trial = 0; trial < 30; ++trial) {
        std::vector<AtomSite> atoms;
        for (int i = 0; i < 12; ++i)
            atoms.push_back(Site(i % 3 == 0 ? "O" : "C", 0, {coordinate(random), coordinate(random), coordinate(random)}));
        std::vector<ReferenceBond> bonds;
        for (int i = 1; i < 12; ++i) bonds.push_back({static_cast<int>(random() % i), i, 1 + static_cast<int>(random() % 3)});
        const auto rules = DeriveBondRules(atoms, bonds);
        EXPECT_TRUE(RulesReproduce(atoms, rules, bonds)) << trial;
        for (const BondRule& rule : rules) EXPECT_LE(TextOf(rule.symbolA).size(), 7u);
    }
}

}  // namespace
}  // namespace kiva
