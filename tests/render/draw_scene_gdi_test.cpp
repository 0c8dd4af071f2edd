// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>

#include "render/canvas.h"
#include "render/projection.h"
#include "tests/support/recording_canvas.h"
#include "tests/support/sample_records.h"

namespace kiva {
namespace {

ViewState TwoAtoms() {
    ViewState view;
    view.viewTransform.m[3][3] = 0.02f;
    for (const auto& [x, z] : {std::pair{100.0f, 50.0f}, std::pair{240.0f, 10.0f}}) {
        SceneAtom atom{};
        SetText(atom.symbol, "C");
        atom.picture = {x, 170, z};
        atom.radius = 0.6f;
        atom.color = x < 150 ? 0x0000FFu : 0xFF0000u;
        view.atoms.Append(atom);
    }
    view.bonds.Append({0, 1, 1});
    SortDrawOrder(view);
    return view;
}

TEST(DrawSceneGdi, DrawsFarthestFirstThenOverlaysAndTheFrameLast) {
    ViewState view = TwoAtoms();
    testing::RecordingCanvas canvas;
    DrawSceneGdi(view, canvas);
    const auto& calls = canvas.calls;
    ASSERT_GE(calls.size(), 8u);
    EXPECT_EQ(calls.front(), "FillRect 0 0 340 340 000000");
    // The far atom (z 10, blue) comes first, then the bond, then the near one.
    EXPECT_EQ(calls[1], "Pen 0 ff0000");
    EXPECT_EQ(calls[3], "Ellipse 230 159 250 179");
    EXPECT_EQ(calls[4], "Pen 10 c0c0c0");  // 0.2 angstrom at 0.02 a pixel
    EXPECT_EQ(calls[5], "Line 104 169 235 169");  // each end a sixth of the radius in from its centre
    EXPECT_EQ(calls[8], "Ellipse 90 159 110 179");
    EXPECT_EQ(calls[calls.size() - 3], "Pen 0 00ff00");
    EXPECT_EQ(calls.back(), "Rectangle 0 0 340 340");
}

TEST(DrawSceneGdi, LeavesBondsOutOfTheSpaceFillingModel) {
    ViewState view = TwoAtoms();
    view.displayModel = DisplayModel::SpaceFilling;
    testing::RecordingCanvas canvas;
    DrawSceneGdi(view, canvas);
    EXPECT_EQ(std::count_if(canvas.calls.begin(), canvas.calls.end(),
                            [](const std::string& call) { return call.rfind("Line", 0) == 0; }),
              0);
}

TEST(DrawSceneGdi, DrawsTwoLinesForADoubleBondAndThreeForATriple) {
    for (const int kind : {2, 3}) {
        ViewState view = TwoAtoms();
        view.bonds[0].kind = kind;
        testing::RecordingCanvas canvas;
        DrawSceneGdi(view, canvas);
        EXPECT_EQ(std::count_if(canvas.calls.begin(), canvas.calls.end(),
                                [](const std::string& call) { return call.rfind("Line", 0) == 0; }),
                  kind);
    }
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
    EXPECT_EQ(view.drawOrder, (std::vector<int>{1, 4, 5, 3, 0, 2}));
    ViewState single;
    single.atoms.Append(SceneAtom{});
    SortDrawOrder(single);
    EXPECT_EQ(single.drawOrder, std::vector<int>{0});
    ViewState empty;
    SortDrawOrder(empty);
    EXPECT_TRUE(empty.drawOrder.empty());
}

TEST(ProjectScene, MovesTheLiquidAndGasAndSharesTheMotion) {
    CompoundRecord water;
    water.unitAtoms = {testing::Site("O", 0, {0, 0, 0})};
    MotionTables motion = InitialMotionTables();
    ViewState view;
    view.displayState = DisplayState::Gas;
    view.viewTransform.m[3][3] = 0.05f;
    view.viewTransform.m[0][3] = 170 * 0.05f;
    view.viewTransform.m[1][3] = 170 * 0.05f;
    for (int copy = 0; copy < 4; ++copy) {
        SceneAtom atom{};
        atom.copyIndex = copy;
        view.atoms.Append(atom);
    }
    ProjectScene(view, motion);
    EXPECT_EQ(view.atoms[0].picture, (Vector3D{85, 85, 0}));
    EXPECT_EQ(view.atoms[3].picture, (Vector3D{255, 255, 1020}));
    EXPECT_EQ(motion.gasOffset[0], (Vector3D{-77, -80, 0}));  // moved by its velocity
    EXPECT_EQ(view.drawOrder.back(), 3);  // the nearest layer last
    ProjectScene(view, motion);
    EXPECT_EQ(view.atoms[0].picture.x, 93);
}

TEST(ProjectScene, BouncesACopyOffTheBounds) {
    MotionTables motion = InitialMotionTables();
    motion.gasOffset[0] = {140, 0, 0};  // centre at x 310, beyond 308
    ViewState view;
    view.displayState = DisplayState::Gas;
    view.viewTransform.m[0][3] = 170;
    view.viewTransform.m[1][3] = 170;
    for (int copy = 0; copy < 4; ++copy) view.atoms.Append(SceneAtom{});
    ProjectScene(view, motion);
    EXPECT_EQ(motion.gasVelocity[0].x, -8);
    EXPECT_EQ(motion.gasOffset[0].x, 132);
}

}  // namespace
}  // namespace kiva

namespace kiva {
namespace {

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
        ASSERT_EQ(view.drawOrder, OrderByPasses(keys)) << trial;
    }
}

}  // namespace
}  // namespace kiva
