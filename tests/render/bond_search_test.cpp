// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/bond_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "tests/support/hostile_records.h"

namespace kiva {
namespace {

SceneAtom Atom(const char* label, Vector3D position) {
    SceneAtom atom{};
    SetText(atom.symbol, label);
    atom.position = position;
    return atom;
}

using testing::Rule;

TEST(FindBonds, BondsEqualLabelsOnceWithTheLowerIndexFirst) {
    const std::vector<SceneAtom> atoms = {Atom("C", {0, 0, 0}), Atom("C", {1.5f, 0, 0}), Atom("O", {0, 1.2f, 0})};
    const std::vector<BondRule> rules = {Rule("C", "C", 1.4f, 1.6f, 1)};
    EXPECT_EQ(FindBonds(atoms, rules), (std::vector<SceneBond>{{0, 1, 1}}));
}

TEST(FindBonds, PutsTheFirstLabelsAtomFirstAndKeepsDuplicates) {
    const std::vector<SceneAtom> atoms = {Atom("O", {0, 1.2f, 0}), Atom("C", {0, 0, 0})};
    const std::vector<BondRule> rules = {Rule("C", "O", 1, 1.3f, 2), Rule("O", "C", 1, 1.3f, 1)};
    EXPECT_EQ(FindBonds(atoms, rules), (std::vector<SceneBond>{{1, 0, 2}, {0, 1, 1}}));
}

TEST(FindBonds, IncludesBothLimits) {
    const std::vector<SceneAtom> atoms = {Atom("A", {0, 0, 0}), Atom("B", {2, 0, 0}), Atom("B", {0, 3, 0}),
                                          Atom("B", {0, 0, 3.0001f})};
    const std::vector<BondRule> rules = {Rule("A", "B", 2, 3, 1)};
    EXPECT_EQ(FindBonds(atoms, rules), (std::vector<SceneBond>{{0, 1, 1}, {0, 2, 1}}));
    EXPECT_EQ(FindBondsAllPairs(atoms, rules), FindBonds(atoms, rules));
}

TEST(FindBonds, ComparesWholeLabelsExactly) {
    const std::vector<SceneAtom> atoms = {Atom("Na+", {0, 0, 0}), Atom("Cl-", {2.8f, 0, 0}), Atom("Cl", {0, 2.8f, 0}),
                                          Atom("na+", {5.6f, 0, 0})};
    EXPECT_EQ(FindBonds(atoms, std::vector<BondRule>{Rule("Na+", "Cl-", 2.7f, 2.9f, 0)}),
              (std::vector<SceneBond>{{0, 1, 0}}));
}

// The grid must find exactly what comparing every pair finds, bond for bond and in order.
TEST(FindBonds, MatchesTheAllPairsSearchOnRandomScenes) {
    std::mt19937 random(2024);
    const char* labels[] = {"C", "H", "O", "N"};
    for (int trial = 0; trial < 40; ++trial) {
        const float extent = 10.0f * static_cast<float>(trial % 4 + 1);
        std::uniform_real_distribution<float> coordinate(-extent, extent);
        std::vector<SceneAtom> atoms;
        const int count = 50 + trial * 20;
        for (int i = 0; i < count; ++i)
            atoms.push_back(Atom(labels[random() % 4], {coordinate(random), coordinate(random), coordinate(random)}));
        if (trial % 5 == 0) atoms.push_back(atoms[3]);  // two atoms on one spot
        std::uniform_real_distribution<float> distance(0, 4);
        std::vector<BondRule> rules;
        for (int r = 0; r < 6; ++r) {
            const float a = distance(random), b = distance(random);
            rules.push_back(Rule(labels[random() % 4], labels[random() % 4], std::min(a, b), std::max(a, b), r % 5));
        }
        ASSERT_EQ(FindBonds(atoms, rules), FindBondsAllPairs(atoms, rules)) << trial;
    }
}

TEST(FindBonds, MatchesTheAllPairsSearchOnACrystalLattice) {
    std::vector<SceneAtom> atoms;
    const float spacing = 2.82f;
    for (int x = 0; x <= 8; ++x)
        for (int y = 0; y <= 8; ++y)
            for (int z = 0; z <= 8; ++z)
                atoms.push_back(Atom((x + y + z) % 2 ? "Cl-" : "Na+", {static_cast<float>(x) * spacing, static_cast<float>(y) * spacing, static_cast<float>(z) * spacing}));
    const std::vector<BondRule> rules = {Rule("Na+", "Cl-", 2.7f, 2.9f, 0), Rule("Na+", "Na+", 3.9f, 4.0f, 1),
                                         Rule("Cl-", "Cl-", 2.82f, 2.82f, 1)};
    const auto fast = FindBonds(atoms, rules);
    EXPECT_EQ(fast, FindBondsAllPairs(atoms, rules));
    EXPECT_GT(fast.size(), 1000u);
}

TEST(FindBonds, FindsPartnersBeyondTheGridsOwnExtent) {
    // The partners lie in one flat layer; the atom bonding to them sits more than half a cell off it.
    const std::vector<SceneAtom> atoms = {Atom("N", {0, 0, 0}), Atom("N", {2, 3, 0.9f}), Atom("H", {1.62f, 2.58f, 1.78f}),
                                          Atom("H", {0, 0, -1.04f})};
    const std::vector<BondRule> rules = {Rule("H", "N", 1.0f, 1.05f, 1)};
    EXPECT_EQ(FindBonds(atoms, rules), FindBondsAllPairs(atoms, rules));
    EXPECT_EQ(FindBonds(atoms, rules).size(), 2u);
}

TEST(FindBonds, SurvivesDamagedPositionsAndRules) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    const std::vector<SceneAtom> atoms = {Atom("C", {0, 0, 0}), Atom("C", {nan, 0, 0}), Atom("C", {infinity, 0, 0}),
                                          Atom("C", {1e30f, -1e30f, 0}), Atom("C", {1.5f, 0, 0})};
    const std::vector<BondRule> rules = {Rule("C", "C", 1, 2, 1),          Rule("C", "C", 0, infinity, 1),
                                         Rule("C", "C", nan, nan, 1),      Rule("C", "C", 2, 1, 1),
                                         Rule("C", "C", 0, 1e20f, 1),      Rule("C", "C", -5, -1, 1)};
    EXPECT_EQ(FindBonds(atoms, rules), FindBondsAllPairs(atoms, rules));
}

// Thousands of atoms on one point and a rule that bonds none of them: every pair is a candidate
// and every test fails. The search gives up within its work budget, long before the last rule.
TEST(FindBonds, GivesUpAFruitlessSearchWithinItsWorkBudget) {
    CompoundRecord fruitless = testing::FruitlessPairs();
    std::vector<SceneAtom> atoms;
    for (const AtomSite& site : fruitless.unitAtoms) atoms.push_back(Atom("C", site.position));
    atoms.push_back(Atom("N", {5, 0, 0}));
    atoms.push_back(Atom("N", {6, 0, 0}));
    fruitless.bondRules.push_back(Rule("N", "N", 0.5f, 1.5f, 1));
    EXPECT_TRUE(FindBonds(atoms, fruitless.bondRules).empty());
}

TEST(FindBonds, CountsAtomsScannedAndPairsLookedAtAsWork) {
    std::vector<SceneAtom> atoms(100, Atom("A", {0, 0, 0}));
    atoms.push_back(Atom("B", {0, 0, 0}));
    atoms.push_back(Atom("B", {1, 0, 0}));
    const std::vector<BondRule> rules = {Rule("A", "A", 1, 2, 1), Rule("B", "B", 0.5f, 1.5f, 1)};
    EXPECT_TRUE(FindBonds(atoms, rules, {std::size_t(-1), 5000}).empty());  // 100 x 100 pairs are more
    EXPECT_EQ(FindBonds(atoms, rules, {std::size_t(-1), 20000}), (std::vector<SceneBond>{{100, 101, 1}}));
    EXPECT_EQ(FindBonds(atoms, rules, {0, 20000}), std::vector<SceneBond>{});
    // A long list of rules costs its label scans even when no atom carries their labels.
    const std::vector<BondRule> idle(300, Rule("X", "Y", 0, 1, 1));
    std::vector<BondRule> many = idle;
    many.push_back(rules[1]);
    EXPECT_TRUE(FindBonds(atoms, many, {std::size_t(-1), 20000}).empty());
}

}  // namespace
}  // namespace kiva
