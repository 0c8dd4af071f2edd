// SPDX-License-Identifier: GPL-2.0-or-later
// Lattice planes: the spacing of a family from the cell's metric, and the polygon a plane cuts
// from the shown cells.
#include <gtest/gtest.h>

#include <cmath>

#include "render/lattice_plane.h"
#include "render/scene_build.h"
#include "tests/render/gemmi_spacing.h"

namespace kiva {
namespace {

std::array<Vector3D, 3> Axes(float a, float b, float c, float alpha, float beta, float gamma) {
    return CellAxes(UnitCell{a, b, c, alpha, beta, gamma});
}

TEST(InterplanarSpacing, IsTheCubicFormulaForRockSaltAndGemmisForAMonoclinicCell) {
    const auto salt = Axes(5.6402f, 5.6402f, 5.6402f, 90, 90, 90);
    EXPECT_NEAR(InterplanarSpacing(salt, {1, 1, 1}), 5.6402 / std::sqrt(3.0), 1e-5);
    EXPECT_NEAR(InterplanarSpacing(salt, {2, 0, 0}), 5.6402 / 2, 1e-5);
    // Gypsum's cell, monoclinic: beta is not 90 degrees.
    const auto gypsum = Axes(5.679f, 15.202f, 6.522f, 90, 118.43f, 90);
    for (const MillerIndices hkl : {MillerIndices{1, 0, 0}, {0, 1, 0}, {1, 0, 1}, {-1, 0, 1}, {1, 2, 3}, {-2, 1, 4}, {6, -6, 1}})
        EXPECT_NEAR(InterplanarSpacing(gypsum, hkl), testing::GemmiSpacing(5.679, 15.202, 6.522, 90, 118.43, 90, hkl.h, hkl.k, hkl.l), 2e-5)
            << hkl.h << hkl.k << hkl.l;
    const auto triclinic = Axes(7.1f, 8.2f, 9.3f, 72.5f, 81.0f, 64.4f);
    EXPECT_NEAR(InterplanarSpacing(triclinic, {1, -1, 2}), testing::GemmiSpacing(7.1, 8.2, 9.3, 72.5, 81.0, 64.4, 1, -1, 2), 2e-5);
    EXPECT_EQ(InterplanarSpacing(Axes(0, 0, 0, 90, 90, 90), {1, 1, 1}), 0);
}

TEST(MillerIndices, RunFromMinusSixToSixAndAreNotAllZero) {
    EXPECT_TRUE(AreMillerIndices({-6, 0, 6}));
    EXPECT_FALSE(AreMillerIndices({0, 0, 0}));
    EXPECT_FALSE(AreMillerIndices({7, 0, 0}));
}

TEST(PlanePolygon, TheOneOneOnePlaneCutsATriangleFromOneCellAndAHexagonThroughItsMiddle) {
    const auto cube = Axes(4, 4, 4, 90, 90, 90);
    const std::vector<Vector3D> triangle = PlanePolygon(cube, {1, 1, 1}, {{1, 1, 1}, 1});
    ASSERT_EQ(triangle.size(), 3u);
    for (const Vector3D& p : triangle) EXPECT_NEAR(p.x + p.y + p.z, 4, 1e-4);  // through a, b and c
    EXPECT_EQ(PlanePolygon(cube, {1, 1, 1}, {{1, 1, 1}, 1.5}).size(), 6u);
    EXPECT_EQ(PlanePolygon(cube, {2, 2, 2}, {{1, 1, 1}, 3}).size(), 6u);
    EXPECT_EQ(PlanePolygon(cube, {1, 1, 1}, {{1, 0, 0}, 0.5}).size(), 4u);
    EXPECT_TRUE(PlanePolygon(cube, {1, 1, 1}, {{1, 1, 1}, 4}).empty());  // beyond the cell
    // In order round the polygon: the corners of the square follow one another.
    const std::vector<Vector3D> square = PlanePolygon(cube, {1, 1, 1}, {{0, 0, 1}, 0.5});
    ASSERT_EQ(square.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(Length(Subtract(square[i], square[(i + 1) % 4])), 4, 1e-4);
    const Vector3D normal = PlaneNormal(cube, {1, 1, 1});
    EXPECT_NEAR(normal.x, 1 / std::sqrt(3.0f), 1e-6);
}

}  // namespace
}  // namespace kiva
