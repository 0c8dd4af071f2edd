// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include "chem/compound_record.h"

namespace kiva {
namespace {

Matrix4 Flip(int axis) {
    Matrix4 m = IdentityMatrix();
    m.m[axis][axis] = -1;
    return m;
}

SymmetryGroup Group(std::vector<SymmetryOperation> operations, std::vector<Vector3D> translations = {{0, 0, 0}}) {
    SymmetryGroup group;
    group.operations = std::move(operations);
    group.translationCount = static_cast<int>(translations.size());
    for (std::size_t i = 0; i < translations.size(); ++i) group.translations[i] = translations[i];
    return group;
}

std::vector<Vector3D> Expand(const SymmetryGroup& group, Vector3D p, float edge) {
    std::vector<Vector3D> positions;
    const int count = ExpandBasisSite(group, p, {edge, 0, 0}, {0, edge, 0}, {0, 0, edge}, positions);
    EXPECT_EQ(count, static_cast<int>(positions.size()));
    return positions;
}

TEST(ExpandBasisSite, KeepsOnePositionWhereEveryImageWrapsBack) {
    const SymmetryGroup mirrors = Group({IdentityMatrix(), Flip(0), Flip(1), Flip(2)});
    EXPECT_EQ(Expand(mirrors, {0, 0, 0}, 4), (std::vector<Vector3D>{{0, 0, 0}}));
    EXPECT_EQ(Expand(mirrors, {0.5f, 0.5f, 0.5f}, 4), (std::vector<Vector3D>{{0.5f, 0.5f, 0.5f}}));
}

TEST(ExpandBasisSite, DropsImagesWithinOneAngstromByTheMinimumImage) {
    const SymmetryGroup mirror = Group({IdentityMatrix(), Flip(0)});
    EXPECT_EQ(Expand(mirror, {0.1f, 0, 0}, 4).size(), 1u);  // 0.2 of 4 angstrom apart
    const auto apart = Expand(mirror, {0.1f, 0, 0}, 10);       // 0.2 of 10 angstrom apart
    ASSERT_EQ(apart.size(), 2u);
    EXPECT_EQ(apart[0].x, 0.1f);
    EXPECT_NEAR(apart[1].x, 0.9f, 1e-6f);
}

// Ice's hydrogens: in a hexagonal cell the mirror x <-> y puts a site's image 0.1 - 0.1 of the
// cell away, which is 1.35 A across the 120-degree angle, not the 0.78 A of 0.1 + 0.1.
TEST(ExpandBasisSite, KeepsImagesOfAHexagonalCellApartAcrossTheObliqueAngle) {
    Matrix4 swapXY = IdentityMatrix();
    swapXY.m[0][0] = swapXY.m[1][1] = 0;
    swapXY.m[0][1] = swapXY.m[1][0] = 1;
    const float a = 7.82f;
    const Vector3D b{a * -0.5f, a * 0.8660254f, 0};
    std::vector<Vector3D> positions;
    EXPECT_EQ(ExpandBasisSite(Group({IdentityMatrix(), swapXY}), {0.4f, 0.3f, 0.5f}, {a, 0, 0}, b, {0, 0, 7.36f},
                              positions),
              2);
}

TEST(ExpandBasisSite, AppendsOneTranslatedBlockPerCentringTranslation) {
    const SymmetryGroup faceCentred =
        Group({IdentityMatrix(), Flip(0)}, {{0, 0, 0}, {0, 0.5f, 0.5f}, {0.5f, 0, 0.5f}, {0.5f, 0.5f, 0}});
    const auto positions = Expand(faceCentred, {0.25f, 0.25f, 0.25f}, 8);
    ASSERT_EQ(positions.size(), 8u);  // two kept, four blocks
    EXPECT_EQ(positions[0], (Vector3D{0.25f, 0.25f, 0.25f}));
    EXPECT_EQ(positions[1], (Vector3D{0.75f, 0.25f, 0.25f}));
    EXPECT_EQ(positions[2], (Vector3D{0.25f, 0.75f, 0.75f}));  // block 1 starts at n * 1
    EXPECT_EQ(positions[3], (Vector3D{0.75f, 0.75f, 0.75f}));
    EXPECT_EQ(positions[4], (Vector3D{0.75f, 0.25f, 0.75f}));
    EXPECT_EQ(positions[7], (Vector3D{0.25f, 0.75f, 0.25f}));  // 0.75 + 0.5 wraps to 0.25
    const auto origin = Expand(faceCentred, {0, 0, 0}, 8);
    EXPECT_EQ(origin, (std::vector<Vector3D>{{0, 0, 0}, {0, 0.5f, 0.5f}, {0.5f, 0, 0.5f}, {0.5f, 0.5f, 0}}));
}

TEST(ExpandBasisSite, YieldsNothingWithoutTranslationsOrOperations) {
    EXPECT_TRUE(Expand(Group({IdentityMatrix()}, {}), {0.3f, 0.3f, 0.3f}, 5).empty());
    EXPECT_TRUE(Expand(Group({}), {0.3f, 0.3f, 0.3f}, 5).empty());
}

TEST(ExpandBasisSite, WrapsImagesIntoTheCell) {
    Matrix4 shift = IdentityMatrix();
    shift.m[0][3] = 1.5f;
    shift.m[1][3] = -2.25f;
    const auto positions = Expand(Group({shift}), {0.2f, 0.5f, -1.0f}, 5);
    ASSERT_EQ(positions.size(), 1u);
    EXPECT_NEAR(positions[0].x, 0.7f, 1e-6f);
    EXPECT_NEAR(positions[0].y, 0.25f, 1e-6f);
    EXPECT_EQ(positions[0].z, 1.0f);  // -1.0 wraps to 1.0, not 0
}

}  // namespace
}  // namespace kiva
