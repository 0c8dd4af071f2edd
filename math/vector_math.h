// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Vectors and 4 x 4 transforms for structure and picture geometry. Plain values; nothing
// allocates or fails.
#include <cstdint>

namespace kiva {

struct Vector3D {
    float x = 0, y = 0, z = 0;
    friend bool operator==(const Vector3D&, const Vector3D&) = default;
};

// Row-major m[row][column], applied to column vectors. A uniform scale lives in m[3][3] as its
// reciprocal, so the divide by w performs it; for the view matrix m[3][3] is one pixel in angstrom.
struct Matrix4 {
    float m[4][4] = {};
    friend bool operator==(const Matrix4&, const Matrix4&) = default;
};

enum class TransformKind : std::int32_t {
    Identity = 1,
    RotateX = 2,           // angle: turns +Y towards +Z
    RotateY = 3,           // angle: turns +Z towards +X
    RotateZ = 4,           // angle: turns +X towards +Y
    RotateAboutAxis = 5,   // angle, axis
    RotateOnto = 6,        // from, to: turns one direction onto another
    Translate = 7,         // offset
    UniformScale = 8,      // factor
};

// The parameters a TransformKind reads; the others are ignored.
struct TransformParameters {
    float angle = 0;   // radians
    float factor = 1;
    Vector3D axis;     // RotateAboutAxis
    Vector3D from;     // RotateOnto
    Vector3D to;       // RotateOnto
    Vector3D offset;   // Translate
};

inline constexpr double kRadiansPerDegree = 0.017453292222222222;  // 3.1415926 / 180
inline constexpr double kDegreesPerRadian = 57.295780490442965;

Matrix4 MakeTransform(TransformKind kind, const TransformParameters& parameters = {});
Matrix4 IdentityMatrix();
Matrix4 RotationX(float angle);
Matrix4 RotationY(float angle);
Matrix4 RotationZ(float angle);
Matrix4 RotationAboutAxis(float angle, Vector3D axis);
Matrix4 RotationOnto(Vector3D from, Vector3D to);
Matrix4 Translation(Vector3D offset);
Matrix4 UniformScale(float factor);

// A * B; composite transforms read left to right and act right-most first on a point.
Matrix4 Multiply(const Matrix4& a, const Matrix4& b);
// M * (p, 1), divided by the fourth component.
Vector3D TransformPoint(const Matrix4& m, Vector3D p);

Vector3D Add(Vector3D p, Vector3D q);
Vector3D Subtract(Vector3D p, Vector3D q);
Vector3D Scale(float s, Vector3D v);
Vector3D Cross(Vector3D u, Vector3D v);
float Length(Vector3D v);
// Radians; the cosine is clamped to [-1, 1], so equal vectors give exactly 0, opposite ones pi.
float AngleBetween(Vector3D u, Vector3D v);
// 0 when both |x| and |y| are below 0.0001, the ordinary arc tangent otherwise.
float SafeAtan2(float y, float x);

// Brings each fractional coordinate into the cell: f - trunc(f), plus 1 when f was negative
// (-0.0 is not). So -0.25 gives 0.75, 1.5 gives 0.5, and -1.0 gives 1.0.
void WrapToCell(Vector3D& v);
// Per axis, whichever of d, d + 1 and d - 1 is smallest in size, for d = p - q: the signed step
// to the nearest periodic image, in fractions of the cell.
Vector3D NearestImageDelta(Vector3D p, Vector3D q);

}  // namespace kiva
