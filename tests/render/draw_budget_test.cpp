// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/draw_budget.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "render/canvas.h"
#include "render/projection.h"
#include "render/render_frame.h"
#include "render/scene_build.h"
#include "tests/support/hostile_records.h"
#include "tests/support/recording_canvas.h"

namespace kiva {
namespace {

ViewState ProjectedView(const CompoundRecord& record, DisplayState state, DisplayModel model, int multiples = 1) {
    ViewState view;
    view.displayState = state;
    view.displayModel = model;
    view.cellMultiples = {multiples, multiples, multiples};
    BuildCellVectors(view, record.cell);
    BuildScene(view, record, MakeDefaultElementTable());
    ResetView(view);
    MotionTables motion = InitialMotionTables();
    ProjectScene(view, motion);
    return view;
}

std::uint64_t DrawnWork(const ViewState& view, const std::vector<bool>& drawn) {
    std::uint64_t work = 0;
    for (std::size_t item = 0; item < drawn.size(); ++item)
        if (drawn[item]) work += ItemDrawWork(view, item);
    return work;
}

TEST(ItemsDrawnWithinBudget, DrawsEveryItemOfARealCrystal) {
    for (const DisplayModel model : {DisplayModel::BallAndStick, DisplayModel::SpaceFilling}) {
        const ViewState view = ProjectedView(testing::SampleSalt(), DisplayState::CrystalSolid, model, 16);
        ASSERT_EQ(view.atoms.size(), 35937u);
        const std::vector<bool> drawn = ItemsDrawnWithinBudget(view);
        EXPECT_TRUE(std::all_of(drawn.begin(), drawn.end(), [](bool item) { return item; }));
    }
}

TEST(ItemsDrawnWithinBudget, LeavesOutTheFarthestOfAtomsStackedOnOnePoint) {
    const ViewState view = ProjectedView(testing::StackedAtoms(), DisplayState::ChemicalUnit, DisplayModel::SpaceFilling);
    const std::vector<bool> drawn = ItemsDrawnWithinBudget(view);
    const auto count = std::count(drawn.begin(), drawn.end(), true);
    EXPECT_GT(count, 100);
    EXPECT_LT(count, 10000);
    EXPECT_LE(DrawnWork(view, drawn), kMaxFrameDrawWork);
    // Drawn are the last of the depth order, the nearest.
    const std::vector<int>& order = DrawOrder(view);
    for (std::size_t position = 0; position < order.size(); ++position)
        EXPECT_EQ(drawn[static_cast<std::size_t>(order[position])], position >= order.size() - static_cast<std::size_t>(count));
}

TEST(ItemsDrawnWithinBudget, DrawsEverythingBeforeTheFirstProjection) {
    ViewState view;
    BuildScene(view, testing::StackedAtoms(100), MakeDefaultElementTable());
    const std::vector<bool> drawn = ItemsDrawnWithinBudget(view, 0);
    EXPECT_EQ(std::count(drawn.begin(), drawn.end(), true), 100);
}

// The stacked atoms show as the one atom they look like, in either quality, after drawing a
// few hundred of them instead of ten thousand.
TEST(ItemsDrawnWithinBudget, KeepTheStackedAtomsPictureAndItsDrawingBounded) {
    const ViewState stacked = ProjectedView(testing::StackedAtoms(), DisplayState::ChemicalUnit, DisplayModel::SpaceFilling);
    const ViewState single = ProjectedView(testing::StackedAtoms(1), DisplayState::ChemicalUnit, DisplayModel::SpaceFilling);
    PictureBuffers many, manyOnOneThread, one;
    RenderFrame(stacked, many, 0, 7);
    RenderFrame(stacked, manyOnOneThread, 0, 1);
    RenderFrame(single, one, 0);
    EXPECT_EQ(many.colour, one.colour);
    EXPECT_EQ(manyOnOneThread.colour, one.colour);

    testing::RecordingCanvas canvas;
    DrawSceneGdi(stacked, canvas);
    const auto ellipses = std::count_if(canvas.calls.begin(), canvas.calls.end(),
                                        [](const std::string& call) { return call.rfind("Ellipse", 0) == 0; });
    EXPECT_GT(ellipses, 0);
    EXPECT_LE(static_cast<std::uint64_t>(ellipses), kMaxFrameDrawWork / (300 * 300));  // each covers most of the picture
}

// 244,650 bonds, most of them across the whole picture: some hundred times what a frame may draw.
TEST(ItemsDrawnWithinBudget, BoundsTheDrawingOfBondsAcrossThePicture) {
    const ViewState view = ProjectedView(testing::LongBonds(700), DisplayState::ChemicalUnit, DisplayModel::BallAndStick);
    ASSERT_EQ(view.bonds.size(), 244650u);
    const std::vector<bool> drawn = ItemsDrawnWithinBudget(view);
    EXPECT_LE(DrawnWork(view, drawn), kMaxFrameDrawWork);
    testing::RecordingCanvas canvas;
    DrawSceneGdi(view, canvas);
    const auto lines = std::count_if(canvas.calls.begin(), canvas.calls.end(),
                                     [](const std::string& call) { return call.rfind("Line", 0) == 0; });
    EXPECT_LT(lines, std::count(drawn.begin() + static_cast<std::ptrdiff_t>(view.atoms.size()), drawn.end(), true) + 8);
    EXPECT_LT(static_cast<std::size_t>(lines), view.bonds.size() / 2);
}

// A frame whose items all fit the budget is told so without walking the depth order; that
// shortcut must never draw everything where the walk would leave something out.
TEST(ItemsDrawnWithinBudget, DrawsEverythingExactlyWhenEverythingFits) {
    std::vector<ViewState> views;
    for (const DisplayModel model : {DisplayModel::BallAndStick, DisplayModel::SpaceFilling})
        for (const bool lines : {false, true}) {
            ViewState view = ProjectedView(testing::SampleSalt(), DisplayState::CrystalSolid, model, 3);
            view.showCoordination = lines;
            views.push_back(view);
        }
    views.push_back(ProjectedView(testing::StackedAtoms(300), DisplayState::ChemicalUnit, DisplayModel::SpaceFilling));
    views.push_back(ProjectedView(testing::LongBonds(60), DisplayState::ChemicalUnit, DisplayModel::BallAndStick));
    ViewState zoomed = views.back();
    zoomed.viewTransform = Multiply(UniformScale(20), zoomed.viewTransform);  // twenty times larger, mostly beyond the picture
    ProjectScene(zoomed);
    views.push_back(zoomed);
    // A ball-and-stick scene of triple bonds only: each draws three tubes.
    ViewState triples = ProjectedView(testing::LongBonds(60), DisplayState::ChemicalUnit, DisplayModel::BallAndStick);
    for (SceneBond& bond : triples.bonds.items) bond.kind = 3;
    views.push_back(triples);
    // Where the shortcut's estimate is exact: two atoms well inside the picture, and their single,
    // double and triple bonds.
    ViewState pair;
    pair.viewTransform.m[3][3] = 0.02f;
    for (const float x : {100.0f, 240.0f}) {
        SceneAtom atom{};
        atom.picture = {x, 170, 50};
        atom.radius = 1;
        pair.atoms.Append(atom);
    }
    pair.bonds.Append({0, 1, 1});
    pair.bonds.Append({0, 1, 2});
    pair.bonds.Append({0, 1, 3});
    SortDrawOrder(pair);
    views.push_back(pair);
    for (std::size_t v = 0; v < views.size(); ++v) {
        const ViewState& view = views[v];
        const std::vector<bool> all(view.atoms.size() + view.bonds.size(), true);
        const std::uint64_t total = DrawnWork(view, all);
        EXPECT_EQ(ItemsDrawnWithinBudget(view, total), all) << v;
        EXPECT_NE(ItemsDrawnWithinBudget(view, total - 1), all) << v;
    }
}

// A frame gathers the estimate's extent in parts on several threads: merged, the parts give what
// the whole scene gives, a coordinate that is not finite included.
TEST(AtomExtent, MergedFromPartsIsTheWholeScenesExtent) {
    ViewState view = ProjectedView(testing::StackedAtoms(30), DisplayState::ChemicalUnit, DisplayModel::BallAndStick);
    for (std::size_t i = 0; i < view.atoms.size(); ++i) {
        view.atoms[i].picture = {static_cast<float>(i * 7 % 11), -static_cast<float>(i % 5), static_cast<float>(i)};
        view.atoms[i].radius = static_cast<float>(i % 4);
    }
    // An extreme in every part of nine atoms.
    view.atoms[3].picture.x = -400;
    view.atoms[12].picture.y = -900;
    view.atoms[20].picture.z = 5000;
    view.atoms[28].radius = 9;
    for (const bool damaged : {false, true}) {
        if (damaged) view.atoms[29].picture.y = std::numeric_limits<float>::quiet_NaN();
        AtomExtent whole;
        std::vector<AtomExtent> parts(4);
        for (std::size_t i = 0; i < view.atoms.size(); ++i) {
            const ImagePoint p = ToImagePoint(view.atoms[i].picture);
            whole.Add(view.atoms[i], p);
            parts[i / 9].Add(view.atoms[i], p);
        }
        const AtomExtent merged = Merged(parts);
        EXPECT_EQ(merged.largestRadius, whole.largestRadius);
        EXPECT_EQ(merged.low.x, whole.low.x);
        EXPECT_EQ(merged.low.row, whole.low.row);
        EXPECT_EQ(merged.high.row, whole.high.row);
        EXPECT_EQ(merged.high.z, whole.high.z);
        EXPECT_EQ(std::isnan(merged.unbounded), damaged);
        EXPECT_EQ(std::isnan(whole.unbounded), damaged);
    }
    const std::vector<BondKindCount> kinds{{1, 2, 3}, {10, 20, 30}, {100, 200, 300}};
    EXPECT_EQ(Merged(kinds).coordination, 111u);
    EXPECT_EQ(Merged(kinds).triples, 333u);
}

}  // namespace
}  // namespace kiva
