// SPDX-License-Identifier: GPL-2.0-or-later
#include "math/vector_math.h"

#include <algorithm>
#include <cmath>

namespace kiva {

Matrix4 IdentityMatrix() {
    Matrix4 result;
    for (int i = 0; i < 4; ++i) result.m[i][i] = 1;
    return result;
}

namespace {

// A rotation in the plane of axes i and j that turns +i towards +j.
Matrix4 PlaneRotation(int i, int j, float angle) {
    Matrix4 result = IdentityMatrix();
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    result.m[i][i] = c;
    result.m[i][j] = -s;
    result.m[j][i] = s;
    result.m[j][j] = c;
    return result;
}

}  // namespace

Matrix4 RotationX(float angle) { return PlaneRotation(1, 2, angle); }
Matrix4 RotationY(float angle) { return PlaneRotation(2, 0, angle); }
Matrix4 RotationZ(float angle) { return PlaneRotation(0, 1, angle); }

Matrix4 RotationAboutAxis(float angle, Vector3D axis) {
    const float azimuth = SafeAtan2(axis.y, axis.x);
    const float elevation = SafeAtan2(axis.z, std::sqrt(axis.x * axis.x + axis.y * axis.y));
    // Bring the axis onto +X, turn about X, and bring it back.
    Matrix4 result = RotationZ(azimuth);
    result = Multiply(result, RotationY(-elevation));
    result = Multiply(result, RotationX(angle));
    result = Multiply(result, RotationY(elevation));
    return Multiply(result, RotationZ(-azimuth));
}

Matrix4 RotationOnto(Vector3D from, Vector3D to) { return RotationAboutAxis(AngleBetween(from, to), Cross(from, to)); }

Matrix4 Translation(Vector3D offset) {
    Matrix4 result = IdentityMatrix();
    result.m[0][3] = offset.x;
    result.m[1][3] = offset.y;
    result.m[2][3] = offset.z;
    return result;
}

Matrix4 UniformScale(float factor) {
    Matrix4 result = IdentityMatrix();
    result.m[3][3] = 1 / factor;
    return result;
}

Matrix4 MakeTransform(TransformKind kind, const TransformParameters& parameters) {
    switch (kind) {
    case TransformKind::RotateX: return RotationX(parameters.angle);
    case TransformKind::RotateY: return RotationY(parameters.angle);
    case TransformKind::RotateZ: return RotationZ(parameters.angle);
    case TransformKind::RotateAboutAxis: return RotationAboutAxis(parameters.angle, parameters.axis);
    case TransformKind::RotateOnto: return RotationOnto(parameters.from, parameters.to);
    case TransformKind::Translate: return Translation(parameters.offset);
    case TransformKind::UniformScale: return UniformScale(parameters.factor);
    case TransformKind::Identity: break;
    }
    return IdentityMatrix();
}

Matrix4 Multiply(const Matrix4& a, const Matrix4& b) {
    Matrix4 result;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) sum += static_cast<double>(a.m[i][k]) * b.m[k][j];
            result.m[i][j] = static_cast<float>(sum);
        }
    return result;
}

Vector3D TransformPoint(const Matrix4& m, Vector3D p) {
    double out[4];
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<double>(m.m[i][0]) * p.x + static_cast<double>(m.m[i][1]) * p.y +
                 static_cast<double>(m.m[i][2]) * p.z + m.m[i][3];
    return {static_cast<float>(out[0] / out[3]), static_cast<float>(out[1] / out[3]), static_cast<float>(out[2] / out[3])};
}

Vector3D Add(Vector3D p, Vector3D q) { return {p.x + q.x, p.y + q.y, p.z + q.z}; }
Vector3D Subtract(Vector3D p, Vector3D q) { return {p.x - q.x, p.y - q.y, p.z - q.z}; }
Vector3D Scale(float s, Vector3D v) { return {s * v.x, s * v.y, s * v.z}; }

Vector3D Cross(Vector3D u, Vector3D v) {
    return {u.y * v.z - v.y * u.z, u.z * v.x - v.z * u.x, v.y * u.x - u.y * v.x};
}

float Length(Vector3D v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

float AngleBetween(Vector3D u, Vector3D v) {
    // Products of floats are exact in double, and sqrt(uu * vv) equals uu when u = v, so equal
    // and opposite vectors give a cosine of exactly 1 and -1.
    const double uv = static_cast<double>(u.x) * v.x + static_cast<double>(u.y) * v.y + static_cast<double>(u.z) * v.z;
    const double uu = static_cast<double>(u.x) * u.x + static_cast<double>(u.y) * u.y + static_cast<double>(u.z) * u.z;
    const double vv = static_cast<double>(v.x) * v.x + static_cast<double>(v.y) * v.y + static_cast<double>(v.z) * v.z;
    if (uu == 0 || vv == 0) return 0;  // a zero vector has no direction: no angle to turn
    const double cosine = std::clamp(uv / std::sqrt(uu * vv), -1.0, 1.0);
    return static_cast<float>(std::acos(cosine));
}

float SafeAtan2(float y, float x) {
    if (std::fabs(x) < 0.0001f && std::fabs(y) < 0.0001f) return 0;
    return std::atan2(y, x);
}

namespace {

float WrapCoordinate(float f) {
    float wrapped = f - std::trunc(f);
    if (f < 0) wrapped += 1;
    return wrapped;
}

// The sign stays: in an oblique cell (120 degrees between a and b) the Cartesian length of
// (0.1, -0.1) is 1.7 times that of (0.1, 0.1), so dropping the sign would merge atoms 1.4 A apart.
float NearestImage(float d) {
    float nearest = d;
    for (float shifted : {d + 1, d - 1})
        if (std::fabs(shifted) < std::fabs(nearest)) nearest = shifted;
    return nearest;
}

}  // namespace

void WrapToCell(Vector3D& v) {
    v.x = WrapCoordinate(v.x);
    v.y = WrapCoordinate(v.y);
    v.z = WrapCoordinate(v.z);
}

Vector3D NearestImageDelta(Vector3D p, Vector3D q) {
    const Vector3D d = Subtract(p, q);
    return {NearestImage(d.x), NearestImage(d.y), NearestImage(d.z)};
}

}  // namespace kiva
