// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/depth_order.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "render/projection.h"
#include "render/scene_build.h"
#include "tests/support/sample_records.h"

namespace kiva {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

// The order as the exchange passes give it, written out pass by pass.
std::vector<int> OrderByPasses(const std::vector<float>& keysIn) {
    std::vector<float> keys = keysIn;
    std::vector<int> order(keys.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    for (std::size_t gap = keys.size() / 2; gap > 0; gap /= 2) {
        bool swapped = true;
        while (swapped) {
            swapped = false;
            for (std::size_t j = 0; j + gap < keys.size(); ++j)
                if (keys[j + gap] < keys[j]) {
                    std::swap(keys[j], keys[j + gap]);
                    std::swap(order[j], order[j + gap]);
                    swapped = true;
                }
        }
    }
    return order;
}

// One scratch for every call, as a view keeps it from frame to frame: what an earlier order
// left there must not matter.
std::vector<int> Computed(const std::vector<float>& keys) {
    static DepthOrderScratch scratch;
    std::vector<int> order{99};  // whatever it held before is replaced
    ExchangeSortOrder(keys, order, scratch);
    return order;
}

std::vector<float> DrawKeys(const ViewState& view) {
    std::vector<float> keys;
    for (const SceneAtom& atom : view.atoms.items) keys.push_back(atom.picture.z);
    for (const SceneBond& bond : view.bonds.items)
        keys.push_back((view.atoms[bond.first].picture.z + view.atoms[bond.second].picture.z) * 0.5f);
    return keys;
}

TEST(SortDrawOrder, SortsFarthestFirstAndNeverSwapsEqualKeys) {
    ViewState view;
    for (const float z : {5.0f, 1.0f, 5.0f, 3.0f, 1.0f}) {
        SceneAtom atom{};
        atom.picture.z = z;
        view.atoms.Append(atom);
    }
    view.bonds.Append({1, 3, 1});  // key (1 + 3) / 2 = 2
    SortDrawOrder(view);
    EXPECT_EQ(DrawOrder(view), (std::vector<int>{1, 4, 5, 3, 0, 2}));
    ViewState single;
    single.atoms.Append(SceneAtom{});
    SortDrawOrder(single);
    EXPECT_EQ(DrawOrder(single), std::vector<int>{0});
    ViewState empty;
    SortDrawOrder(empty);
    EXPECT_TRUE(DrawOrder(empty).empty());
}

TEST(SortDrawOrder, GivesExactlyTheOrderOfTheExchangePasses) {
    std::mt19937 random(99);
    for (int trial = 0; trial < 200; ++trial) {
        ViewState view;
        std::vector<float> keys;
        const int count = static_cast<int>(random() % 300);
        for (int i = 0; i < count; ++i) {
            SceneAtom atom{};
            const auto pick = static_cast<unsigned>(random() % 20);
            // Few distinct depths, so ties are common, and now and then a NaN.
            atom.picture.z = pick == 0 ? std::numeric_limits<float>::quiet_NaN() : static_cast<float>(pick % 7);
            keys.push_back(atom.picture.z);
            view.atoms.Append(atom);
        }
        SortDrawOrder(view);
        ASSERT_EQ(DrawOrder(view), OrderByPasses(keys)) << trial;
    }
}

// The shortcuts (distinct keys need no replay; entries after the last tie need none) and the
// replay itself, across sizes with odd and even gaps, from all keys distinct to all equal.
TEST(ExchangeSortOrder, MatchesThePassesForEveryMixOfTiesWallsAndSpecialValues) {
    std::mt19937 random(2024);
    const float specials[] = {0.0f, -0.0f, kInfinity, -kInfinity, kNaN, 1e-30f, -1e30f};
    for (int trial = 0; trial < 600; ++trial) {
        const std::size_t sizes[] = {0, 1, 2, 3, 4, 7, 8, 9, 16, 17, 31, 64, 100, 255, 256, 257, 1000};
        const std::size_t n = trial < 17 * 8 ? sizes[trial % 17] : random() % 1200;
        const unsigned distinct = std::array<unsigned, 6>{1, 2, 5, 40, 1000, 1u << 30}[random() % 6];
        const unsigned nanShare = std::array<unsigned, 3>{0, 50, 4}[random() % 3];  // one in how many; 0 none
        std::vector<float> keys(n);
        for (float& key : keys) {
            if (nanShare && random() % nanShare == 0) key = kNaN;
            else if (random() % 40 == 0) key = specials[random() % 7];
            else key = static_cast<float>(random() % distinct) * 0.37f - 50;
        }
        ASSERT_EQ(Computed(keys), OrderByPasses(keys)) << "trial " << trial << ", " << n << " keys";
    }
}

TEST(ExchangeSortOrder, MatchesThePassesWhereOnlyTheLastKeysTie) {
    std::vector<float> keys;
    for (int i = 0; i < 300; ++i) keys.push_back(static_cast<float>((i * 7919) % 300));
    keys.push_back(299);
    keys.push_back(299);
    EXPECT_EQ(Computed(keys), OrderByPasses(keys));
    keys.back() = kNaN;  // a wall at the very end
    EXPECT_EQ(Computed(keys), OrderByPasses(keys));
}

// Real scenes: a crystal seen as a new window shows it and straight along its axes, where whole
// layers share a depth, and a liquid whose ten copies start level with each other.
TEST(SortDrawOrder, MatchesThePassesOnCrystalAndLiquidScenes) {
    const CompoundRecord salt = testing::SampleSalt();
    ViewState crystal;
    crystal.displayState = DisplayState::CrystalSolid;
    crystal.cellMultiples = {3, 2, 2};
    BuildCellVectors(crystal, salt.cell);
    BuildScene(crystal, salt, MakeDefaultElementTable());
    ASSERT_GT(crystal.bonds.size(), 100u);
    ResetView(crystal);
    MotionTables motion = InitialMotionTables();
    ProjectScene(crystal, motion);
    EXPECT_EQ(DrawOrder(crystal), OrderByPasses(DrawKeys(crystal)));
    crystal.viewTransform = Multiply(Translation({170, 170, 170}), UniformScale(8));
    ProjectScene(crystal, motion);
    EXPECT_EQ(DrawOrder(crystal), OrderByPasses(DrawKeys(crystal)));

    ViewState liquid;
    liquid.displayState = DisplayState::Liquid;
    BuildScene(liquid, salt, MakeDefaultElementTable());
    ResetView(liquid);
    for (int frame = 0; frame < 3; ++frame) {
        ProjectScene(liquid, motion);
        EXPECT_EQ(DrawOrder(liquid), OrderByPasses(DrawKeys(liquid))) << frame;
    }
}

}  // namespace
}  // namespace kiva
