// SPDX-License-Identifier: GPL-2.0-or-later
#include "math/vector_math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kiva {
namespace {

constexpr float kPi = 3.14159265f;

void ExpectNear(Vector3D actual, Vector3D expected, float tolerance = 1e-5f) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

TEST(MakeTransform, BuildsEachKindAsItsTableSays) {
    EXPECT_EQ(MakeTransform(TransformKind::Identity), IdentityMatrix());
    const float quarter = kPi / 2;
    // Right-handed turns: X takes +Y to +Z, Y takes +Z to +X, Z takes +X to +Y.
    ExpectNear(TransformPoint(MakeTransform(TransformKind::RotateX, {.angle = quarter}), {0, 1, 0}), {0, 0, 1});
    ExpectNear(TransformPoint(MakeTransform(TransformKind::RotateY, {.angle = quarter}), {0, 0, 1}), {1, 0, 0});
    ExpectNear(TransformPoint(MakeTransform(TransformKind::RotateZ, {.angle = quarter}), {1, 0, 0}), {0, 1, 0});
    const Matrix4 move = MakeTransform(TransformKind::Translate, {.offset = {1, -2, 3}});
    EXPECT_EQ(move.m[0][3], 1);
    EXPECT_EQ(move.m[1][3], -2);
    EXPECT_EQ(move.m[2][3], 3);
    EXPECT_EQ(MakeTransform(TransformKind::UniformScale, {.factor = 4}).m[3][3], 0.25f);
}

TEST(TransformPoint, ScalesThroughTheDivideByW) {
    const Vector3D scaled = TransformPoint(UniformScale(2), {1, 2, 3});
    EXPECT_EQ(scaled, (Vector3D{2, 4, 6}));
}

TEST(Multiply, ComposesTranslationAfterScale) {
    const Vector3D t{1, 2, 3};
    const Matrix4 both = Multiply(Translation(t), UniformScale(2));
    EXPECT_EQ(both.m[3][3], 0.5f);
    EXPECT_EQ(both.m[0][3], 0.5f);  // t / s
    EXPECT_EQ(both.m[1][3], 1.0f);
    EXPECT_EQ(both.m[2][3], 1.5f);
    EXPECT_EQ(TransformPoint(both, {1, 1, 1}), (Vector3D{3, 4, 5}));  // s p + t
}

TEST(Multiply, ActsRightMostFirstSoTRTTurnsAboutAPoint) {
    const Vector3D centre{5, 5, 0};
    const Matrix4 aboutCentre =
        Multiply(Multiply(Translation(centre), RotationZ(kPi / 2)), Translation(Scale(-1, centre)));
    ExpectNear(TransformPoint(aboutCentre, centre), centre);
    ExpectNear(TransformPoint(aboutCentre, {6, 5, 0}), {5, 6, 0});
}

TEST(RotationAboutAxis, TurnsAboutTheGivenAxis) {
    const Vector3D axis{1, 1, 1};
    const Matrix4 third = RotationAboutAxis(2 * kPi / 3, axis);
    ExpectNear(TransformPoint(third, {1, 0, 0}), {0, 1, 0});  // a 120 degree turn cycles the axes
    ExpectNear(TransformPoint(third, axis), axis);
    // A zero axis turns about X.
    ExpectNear(TransformPoint(RotationAboutAxis(kPi / 2, {0, 0, 0}), {0, 1, 0}), {0, 0, 1});
}

TEST(RotationOnto, TurnsOneDirectionOntoAnother) {
    const Matrix4 same = RotationOnto({0, 0, 1}, {0, 0, 5});
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(same.m[i][j], i == j ? 1.0f : 0.0f, 1e-6f);
    ExpectNear(TransformPoint(RotationOnto({0, 0, 1}, {1, 0, 0}), {0, 0, 1}), {1, 0, 0});
    ExpectNear(TransformPoint(RotationOnto({1, 2, 0}, {0, -3, 1}), {1, 2, 0}),
               Scale(std::sqrt(5.0f) / std::sqrt(10.0f), {0, -3, 1}));
}

TEST(VectorOperations, FollowTheirFormulas) {
    EXPECT_EQ(Add({1, 2, 3}, {4, 5, 6}), (Vector3D{5, 7, 9}));
    EXPECT_EQ(Subtract({1, 2, 3}, {4, 5, 6}), (Vector3D{-3, -3, -3}));
    EXPECT_EQ(Scale(2, {1, -2, 3}), (Vector3D{2, -4, 6}));
    EXPECT_EQ(Cross({1, 0, 0}, {0, 1, 0}), (Vector3D{0, 0, 1}));
    EXPECT_EQ(Cross({1, 2, 3}, {4, 5, 6}), (Vector3D{-3, 6, -3}));
    EXPECT_EQ(Length({3, 4, 12}), 13.0f);
}

TEST(AngleBetween, IsExactForEqualAndOppositeVectors) {
    for (const Vector3D v : {Vector3D{0.1f, 0.7f, 0.3f}, Vector3D{1e-3f, 3.3f, -7.1f}, Vector3D{123.4f, 0.01f, 5}}) {
        EXPECT_EQ(AngleBetween(v, v), 0.0f);
        EXPECT_EQ(AngleBetween(v, Scale(-1, v)), static_cast<float>(std::acos(-1.0)));
    }
    EXPECT_NEAR(AngleBetween({1, 0, 0}, {0, 2, 0}), kPi / 2, 1e-6f);
    EXPECT_EQ(AngleBetween({0, 0, 0}, {1, 0, 0}), 0.0f);
}

TEST(SafeAtan2, IsZeroNearTheOrigin) {
    EXPECT_EQ(SafeAtan2(0.00009f, -0.00009f), 0.0f);
    EXPECT_NEAR(SafeAtan2(0.0001f, 0), kPi / 2, 1e-6f);
    EXPECT_NEAR(SafeAtan2(-1, -1), -3 * kPi / 4, 1e-6f);
}

TEST(WrapToCell, BringsEveryCoordinateIntoTheCell) {
    Vector3D v{-0.25f, 1.5f, 0.9999f};
    WrapToCell(v);
    EXPECT_EQ(v, (Vector3D{0.75f, 0.5f, 0.9999f}));
    Vector3D whole{-1.0f, -0.0f, 2.0f};
    WrapToCell(whole);
    EXPECT_EQ(whole.x, 1.0f);  // the integer part goes before 1 is added
    EXPECT_EQ(whole.y, 0.0f);
    EXPECT_FALSE(std::signbit(whole.y + 0.0f));
    EXPECT_EQ(whole.z, 0.0f);
}

TEST(NearestImageDelta, StepsToTheNearestPeriodicImageKeepingTheSign) {
    ExpectNear(NearestImageDelta({0.95f, 0, 0}, {0.02f, 0, 0}), {-0.07f, 0, 0});
    ExpectNear(NearestImageDelta({0.1f, 0.5f, 0.0f}, {0.9f, 0.0f, 0.6f}), {0.2f, 0.5f, 0.4f});
    ExpectNear(NearestImageDelta({0.3f, 0.2f, 0.9f}, {0.8f, 0.9f, 0.1f}), {-0.5f, 0.3f, -0.2f});
    ExpectNear(NearestImageDelta({0.4f, 0.3f, 0.5f}, {0.3f, 0.4f, 0.5f}), {0.1f, -0.1f, 0.0f});
}

}  // namespace
}  // namespace kiva
