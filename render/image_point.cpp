// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/image_point.h"

namespace kiva {

SidewaysOffset DoubleBondOffset(Vector3D a, Vector3D b, float pixelSize) {
    const float dy = a.y - b.y;
    const float dx = a.x - b.x;
    const int length = std::max(ToPixel(std::sqrt(dy * dy + dx * dx)), 1);
    const float k = static_cast<float>(length) * pixelSize;
    return {ToPixel(0.12f * (a.y - b.y) / k), ToPixel(0.12f * (b.x - a.x) / k)};
}

std::array<Vector3D, 3> TripleBondOffsets(Vector3D axis, float pixelSize) {
    const Matrix4 onto = RotationOnto({0, 0, 1}, axis);
    const Vector3D directions[3] = {{1, 0, 0}, {-0.5f, 0.866f, 0}, {-0.5f, -0.866f, 0}};
    std::array<Vector3D, 3> offsets;
    for (int i = 0; i < 3; ++i) {
        const Vector3D o = TransformPoint(onto, directions[i]);
        const float length = Length(o);
        offsets[i] = length > 0 ? Scale(0.15f / pixelSize / length, o) : Vector3D{};
    }
    return offsets;
}

}  // namespace kiva
