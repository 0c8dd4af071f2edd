// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// From picture positions to the integer image points the drawing works in, and the bond offsets
// both picture qualities share.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "render/view_state.h"

namespace kiva {

// Coordinates beyond this many pixels are held at it, so extreme zoom never overflows the integer
// arithmetic or loops without end; NaN lands far outside the picture.
inline constexpr float kPixelLimit = 65536.0f;

// Truncates toward zero, as every float-to-integer conversion of the drawing does.
inline int ToPixel(float value) {
    if (!(value > -kPixelLimit)) return -static_cast<int>(kPixelLimit);  // NaN too
    if (value > kPixelLimit) return static_cast<int>(kPixelLimit);
    return static_cast<int>(value);
}

struct ImagePoint {
    int x, row, z;  // x right, row down from the top, z nearer larger
};

inline ImagePoint ToImagePoint(Vector3D picture) {
    return {ToPixel(picture.x), kPictureSize - 1 - ToPixel(picture.y), ToPixel(picture.z)};
}

// One pixel in angstrom: the view transform's uniform scale.
inline float PixelSize(const ViewState& view) { return view.viewTransform.m[3][3]; }

// An atom's drawn radius in pixels: at least 0.5 angstrom, a third of it in the ball-and-stick model.
inline int AtomPixelRadius(const SceneAtom& atom, const ViewState& view) {
    const int radius = ToPixel(std::max(atom.radius, 0.5f) / PixelSize(view));
    return view.displayModel == DisplayModel::BallAndStick ? radius / 3 : radius;
}

// The two tubes of a double bond lie 0.12 angstrom to either side, across the bond in the
// picture plane: the first is offset by (ox, -oy) in image coordinates, the second by (-ox, oy).
struct SidewaysOffset {
    int ox, oy;
};
SidewaysOffset DoubleBondOffset(Vector3D a, Vector3D b, float pixelSize);

// The three tubes of a triple bond sit 120 degrees apart around the axis a - b, 0.15 angstrom
// from it, as picture-space offsets.
std::array<Vector3D, 3> TripleBondOffsets(Vector3D axis, float pixelSize);

}  // namespace kiva
