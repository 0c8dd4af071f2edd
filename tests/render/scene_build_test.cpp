// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/scene_build.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "render/projection.h"
#include "tests/support/hostile_records.h"

namespace kiva {
namespace {

using testing::Rule;
using testing::Site;

CompoundRecord CubicCrystal(Vector3D site) {
    CompoundRecord record;
    record.symmetry.operations = {IdentityMatrix()};
    record.symmetry.translationCount = 1;
    record.cell = {4, 4, 4, 90, 90, 90};
    record.basisAtoms = {Site("Na", 0, site)};
    record.unitAtoms = {Site("Na", 0, {0, 0, 0})};
    return record;
}

ViewState CrystalView(std::array<int, 3> multiples, const CompoundRecord& record) {
    ViewState view;
    view.displayState = DisplayState::CrystalSolid;
    view.cellMultiples = multiples;
    BuildCellVectors(view, record.cell);
    BuildScene(view, record, MakeDefaultElementTable());
    return view;
}

TEST(BuildCellVectors, BuildsEdgesFromLengthsAndAngles) {
    ViewState view;
    BuildCellVectors(view, {3, 4, 5, 90, 90, 120});
    EXPECT_EQ(view.cellAxes[0], (Vector3D{3, 0, 0}));
    EXPECT_NEAR(view.cellAxes[1].x, -2.0f, 1e-5f);
    EXPECT_NEAR(view.cellAxes[1].y, 3.4641016f, 1e-5f);
    EXPECT_NEAR(view.cellAxes[2].x, 0, 1e-5f);
    EXPECT_NEAR(view.cellAxes[2].z, 5, 1e-5f);
}

TEST(BuildCrystal, CompletesTheCornersEdgesAndFacesOfTheBlock) {
    const CompoundRecord corner = CubicCrystal({0, 0, 0});
    EXPECT_EQ(CrystalView({1, 1, 1}, corner).atoms.size(), 8u);
    EXPECT_EQ(CrystalView({2, 1, 1}, corner).atoms.size(), 12u);
    EXPECT_EQ(CrystalView({16, 16, 16}, corner).atoms.size(), 17u * 17u * 17u);
    const CompoundRecord centre = CubicCrystal({0.5f, 0.5f, 0.5f});
    EXPECT_EQ(CrystalView({2, 2, 2}, centre).atoms.size(), 8u);
    const ViewState one = CrystalView({1, 1, 1}, corner);
    EXPECT_NEAR(one.atoms[1].position.z, 4, 1e-5f);  // k innermost
    EXPECT_NEAR(one.atoms[1].position.x, 0, 1e-5f);
    EXPECT_NEAR(one.atoms[7].position.x, 4, 1e-5f);
    EXPECT_NEAR(one.atoms[7].position.y, 4, 1e-5f);
    EXPECT_EQ(one.atoms[0].radius, 1.89f);
}

// Grey selenium as the catalogue stores it: the screw axis's 2/3 carries z = 0.33333 to
// 0.99999667, which lies on the cell's faces at z = 0 and z = c like an image at 0 does.
TEST(BuildCrystal, PlacesACoordinateJustBelowOneOnBothFaces) {
    CompoundRecord selenium;
    const auto operation = [](std::array<float, 12> rows) {
        Matrix4 m = IdentityMatrix();
        for (int i = 0; i < 12; ++i) m.m[i / 4][i % 4] = rows[static_cast<std::size_t>(i)];
        return m;
    };
    const float third = 1.0f / 3, twoThirds = 2.0f / 3;
    selenium.symmetry.operations = {
        IdentityMatrix(),
        operation({0, -1, 0, 0, 1, -1, 0, 0, 0, 0, 1, third}),
        operation({-1, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, twoThirds}),
        operation({0, 1, 0, 0, 1, 0, 0, 0, 0, 0, -1, 0}),
        operation({1, -1, 0, 0, 0, -1, 0, 0, 0, 0, -1, twoThirds}),
        operation({-1, 0, 0, 0, -1, 1, 0, 0, 0, 0, -1, third})};
    selenium.symmetry.translationCount = 1;
    selenium.cell = {4.366f, 4.366f, 4.954f, 90, 90, 120};
    selenium.basisAtoms = {Site("Se", 0, {0.2254f, 0, 0.33333f})};
    selenium.unitAtoms = {Site("Se", 0, {0, 0, 0})};
    const ViewState view = CrystalView({1, 1, 1}, selenium);
    ASSERT_EQ(view.atoms.size(), 6u);  // three sites in the cell, each on a pair of faces
    int onBottom = 0, onTop = 0;
    for (const SceneAtom& atom : view.atoms.items) {
        onBottom += std::fabs(atom.position.z) < 1e-3f;
        onTop += std::fabs(atom.position.z - 4.954f) < 1e-3f;
    }
    EXPECT_EQ(onBottom, 1);
    EXPECT_EQ(onTop, 1);
    const CompoundRecord farCorner = CubicCrystal({0.99995f, 0.5f, 0.5f});
    const ViewState two = CrystalView({2, 1, 1}, farCorner);
    ASSERT_EQ(two.atoms.size(), 3u);
    EXPECT_NEAR(two.atoms[0].position.x, 0, 1e-3f);
    EXPECT_NEAR(two.atoms[2].position.x, 8, 1e-3f);
}

TEST(BuildScene, MakesTenLiquidCopiesWithTheirBondsShifted) {
    CompoundRecord water;
    water.unitAtoms = {Site("O", 0, {0, 0, 0}), Site("H", 0, {0.96f, 0, 0}), Site("H", 0, {-0.24f, 0.93f, 0})};
    water.bondRules = {Rule("O", "H", 0.9f, 1.0f, 1)};
    ViewState view;
    view.displayState = DisplayState::Liquid;
    BuildScene(view, water, MakeDefaultElementTable());
    ASSERT_EQ(view.atoms.size(), 30u);
    ASSERT_EQ(view.bonds.size(), 20u);
    EXPECT_EQ(view.atoms[6].copyIndex, 2);
    EXPECT_EQ(view.atoms[8].copyIndex, 2);
    EXPECT_EQ(view.atoms[2].copyIndex, 0);
    EXPECT_EQ(view.bonds[1], (SceneBond{0, 2, 1}));
    EXPECT_EQ(view.bonds[3], (SceneBond{3, 5, 1}));  // copy 1 owns bonds 2 and 3
    EXPECT_EQ(view.bonds[5], (SceneBond{6, 8, 1}));
    view.displayState = DisplayState::Gas;
    BuildScene(view, water, MakeDefaultElementTable());
    EXPECT_EQ(view.atoms.size(), 12u);
    EXPECT_EQ(view.bonds.size(), 8u);
}

TEST(SceneArray, GrowsInBlocksOf16BeforeItWouldBeFull) {
    SceneArray<SceneBond> array;
    for (int i = 0; i < 15; ++i) array.Append({});
    EXPECT_EQ(array.room, 16u);
    array.Append({});
    EXPECT_EQ(array.room, 32u);
    array.Reset();
    EXPECT_EQ(array.room, 16u);
}

TEST(SceneArray, TakesAWholeListWithTheRoomItsAppendsWouldGive) {
    for (const std::size_t count : {0u, 1u, 15u, 16u, 17u, 100u}) {
        SceneArray<SceneBond> appended, assigned;
        appended.Append({9, 9, 9});
        for (std::size_t i = 0; i < count; ++i) assigned.Append({});
        appended.Reset();
        std::vector<SceneBond> records;
        for (std::size_t i = 0; i < count; ++i) {
            appended.Append({static_cast<std::int32_t>(i), 0, 1});
            records.push_back({static_cast<std::int32_t>(i), 0, 1});
        }
        assigned.Assign(std::move(records));
        EXPECT_EQ(assigned.room, appended.room) << count;
        EXPECT_EQ(assigned.items, appended.items) << count;
    }
}

TEST(ResetView, CentresAndFitsTheStructure) {
    CompoundRecord atom;
    atom.unitAtoms = {Site("Na", 0, {1, 2, 3})};
    ViewState view;
    BuildScene(view, atom, MakeDefaultElementTable());
    ResetView(view);
    EXPECT_EQ(view.rotationCentre, (Vector3D{1, 2, 3}));
    EXPECT_NEAR(view.axisLength, 2 * (1.89f + 0.01f), 1e-6f);
    const Vector3D centre = TransformPoint(view.viewTransform, {1, 2, 3});
    EXPECT_NEAR(centre.x, 170, 1e-3f);
    EXPECT_NEAR(centre.y, 170, 1e-3f);
    EXPECT_NEAR(centre.z, 170, 1e-3f);
    EXPECT_NEAR(view.viewTransform.m[3][3], (1.89f + 0.01f) / (0.5f * 340), 1e-7f);  // one pixel in angstrom
    view.displayState = DisplayState::Gas;
    ResetView(view);
    EXPECT_NEAR(view.viewTransform.m[3][3], (1.89f + 0.01f) / (0.25f * 340), 1e-7f);
}

TEST(ResetView, KeepsAnEmptySceneAtTheOrigin) {
    ViewState view;
    ResetView(view);
    EXPECT_EQ(view.rotationCentre, (Vector3D{0, 0, 0}));
    EXPECT_NEAR(view.axisLength, 0.04f, 1e-7f);
}

// Finite numbers that no structure holds: an impossible cell, lengths near the float's end.
TEST(BuildScene, KeepsNumbersThatAreNotFiniteOutOfTheScene) {
    const auto allFinite = [](const ViewState& view) {
        for (const SceneAtom& atom : view.atoms.items)
            for (const float value : {atom.position.x, atom.position.y, atom.position.z, atom.picture.x,
                                      atom.picture.y, atom.picture.z, atom.radius})
                if (!std::isfinite(value)) return false;
        for (const auto& row : view.viewTransform.m)
            for (const float value : row)
                if (!std::isfinite(value)) return false;
        return std::isfinite(view.axisLength);
    };
    CompoundRecord impossible = CubicCrystal({0.25f, 0.25f, 0.25f});
    impossible.cell = {4, 4, 4, 150, 150, 150};
    CompoundRecord huge = CubicCrystal({0.75f, 0.5f, 0.5f});
    huge.cell = {3e38f, 3e38f, 3e38f, 90, 90, 90};
    huge.unitAtoms = {Site("Na", 0, {3e38f, -3e38f, 0}), Site("Cl", 0, {-3e38f, 3e38f, 1}), Site("Na", 0, {1, 2, 3})};
    const ElementTable usual = MakeDefaultElementTable();
    ElementTable giants = usual;
    for (ElementInfo& row : giants.rows) row.atomicRadius = 3e38f;
    for (const CompoundRecord* record : {&impossible, &huge})
        for (const DisplayState state : {DisplayState::CrystalSolid, DisplayState::ChemicalUnit, DisplayState::Gas})
            for (const ElementTable* elements : {&usual, static_cast<const ElementTable*>(&giants)}) {
                ViewState view;
                view.displayState = state;
                view.cellMultiples = {16, 16, 16};
                BuildCellVectors(view, record->cell);
                BuildScene(view, *record, *elements);
                ResetView(view);
                MotionTables motion = InitialMotionTables();
                ProjectScene(view, motion);
                EXPECT_TRUE(allFinite(view)) << static_cast<int>(state);
            }
    ViewState unit;
    BuildScene(unit, huge, MakeDefaultElementTable());
    ASSERT_EQ(unit.atoms.size(), 1u);  // the atom at (1, 2, 3) alone has a place
}

TEST(BuildScene, StaysBoundedForAHostileRecord) {
    CompoundRecord record = CubicCrystal({0.1f, 0.2f, 0.3f});
    record.symmetry.operations.assign(2000, IdentityMatrix());
    record.cell = {1000, 1000, 1000, 90, 90, 90};
    for (int i = 0; i < 200; ++i) record.basisAtoms.push_back(Site("C", 0, {0.001f * static_cast<float>(i), 0.3f, 0.6f}));
    record.bondRules = {Rule("C", "C", 0, 1e30f, 1)};
    ViewState view = CrystalView({16, 16, 16}, record);
    EXPECT_LE(view.atoms.size(), kMaxSceneAtoms);
    EXPECT_LE(view.bonds.size(), kMaxSceneBonds);
}

// More bonds than a picture of 340 x 340 pixels can tell apart, and more than any crystal of the
// catalogue has (780,288 in scandium oxide's 16 x 16 x 16 cells), are not kept.
TEST(BuildScene, KeepsAtMostAMillionBonds) {
    ViewState view;
    BuildScene(view, testing::LongBonds(), MakeDefaultElementTable());
    EXPECT_EQ(view.atoms.size(), 2050u);
    EXPECT_EQ(view.bonds.size(), std::size_t{1} << 20);
}

// A group has at most 192 operations; expanding a site under a list of thousands compares every
// image with every kept one, which the build refuses to start.
TEST(BuildCrystal, RefusesAGroupWhoseExpansionWouldNotEnd) {
    CompoundRecord record = CubicCrystal({0.1f, 0.2f, 0.3f});
    record.cell = {100000, 100000, 100000, 90, 90, 90};
    record.symmetry.operations.clear();
    for (int k = 0; k < 20000; ++k) {
        Matrix4 shift = IdentityMatrix();
        shift.m[0][3] = static_cast<float>(k) / 20000;  // 5 angstrom apart: every image is kept
        record.symmetry.operations.push_back(shift);
    }
    EXPECT_EQ(CrystalView({1, 1, 1}, record).atoms.size(), 0u);
    record.symmetry.operations.resize(192);
    // A copy first: assign() may free the storage its value refers to before it reads it.
    const AtomSite site = record.basisAtoms[0];
    record.basisAtoms.assign(100, site);
    EXPECT_EQ(CrystalView({1, 1, 1}, record).atoms.size(), 100u * 192);
}

}  // namespace
}  // namespace kiva
