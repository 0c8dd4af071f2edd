// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "render/canvas.h"
#include "render/label_font.h"
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
    EXPECT_EQ(DrawOrder(view).back(), 3);  // the nearest layer last
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

// Each label follows its own atom's circle, so a nearer atom painted later covers it as it covers
// the atom; while labels are off nothing is labelled.
TEST(DrawSceneGdi, DrawsEachLabelRightAfterItsAtom) {
    ViewState view = TwoAtoms();
    LabelLettering lettering;
    ASSERT_TRUE(lettering.Font());
    testing::RecordingCanvas off;
    DrawSceneGdi(view, off, PictureMap{}, lettering.Font());
    EXPECT_EQ(std::count_if(off.calls.begin(), off.calls.end(), [](const std::string& c) { return c.rfind("Label", 0) == 0; }), 0);
    view.showLabels = true;
    testing::RecordingCanvas on;
    DrawSceneGdi(view, on, PictureMap{}, lettering.Font());
    std::vector<std::size_t> labels;
    for (std::size_t i = 0; i < on.calls.size(); ++i)
        if (on.calls[i].rfind("Label", 0) == 0) labels.push_back(i);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(on.calls[labels[0] - 1], "Ellipse 230 159 250 179");  // the far atom's, before the bond
    EXPECT_EQ(on.calls[labels[0]].rfind("Label 240 169 ", 0), 0u) << on.calls[labels[0]];
    EXPECT_EQ(on.calls[labels[1]].rfind("Label 100 169 ", 0), 0u) << on.calls[labels[1]];
    EXPECT_EQ(on.calls[labels[1] - 1].rfind("Ellipse", 0), 0u);
}

}  // namespace
}  // namespace kiva
