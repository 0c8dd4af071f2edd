// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// From picture positions to the integer image points the drawing works in, and the bond offsets
// both picture qualities share.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "render/picture_area.h"
#include "render/view_state.h"

namespace kiva {

// Coordinates beyond this many pixels are held at it, so extreme zoom never overflows the integer
// arithmetic or loops without end; NaN lands far outside the picture.
inline constexpr float kPixelLimit = 65536.0f;

// Truncates toward zero, as every float-to-integer conversion of the drawing does. Written as two
// selections, which compile to a maximum and a minimum without a branch; NaN fails the first.
inline int ToPixel(float value) {
    value = value > -kPixelLimit ? value : -kPixelLimit;
    value = value < kPixelLimit ? value : kPixelLimit;
    return static_cast<int>(value);
}

struct ImagePoint {
    int x, row, z;  // x right, row down from the top, z nearer larger
};

inline ImagePoint ToImagePoint(Vector3D picture) {
    return {ToPixel(picture.x), kPictureSize - 1 - ToPixel(picture.y), ToPixel(picture.z)};
}

// Rounds down, and to the nearest (halves up), without a library call or a branch: for values
// within +-2^26, as the drawing's are.
inline int FloorToInt(double value) {
    constexpr int kShift = 1 << 26;
    return static_cast<int>(value + kShift) - kShift;
}
inline int RoundToInt(double value) { return FloorToInt(value + 0.5); }

// A picture position as a device pixel of a picture of any size; at scale 1 the one above.
inline ImagePoint ToImagePoint(Vector3D picture, const PictureMap& map) {
    return {ToPixel(picture.x * map.scale) + map.left, map.height - 1 - (ToPixel(picture.y * map.scale) + map.bottom),
            ToPixel(picture.z * map.scale)};
}

// A picture-space vector, such as a difference of positions, in device pixels.
inline Vector3D ToDeviceVector(Vector3D picture, const PictureMap& map) { return Scale(map.scale, picture); }

// One pixel in angstrom: the view transform's uniform scale.
inline float PixelSize(const ViewState& view) { return view.viewTransform.m[3][3]; }

// One device pixel in angstrom.
inline float DevicePixelSize(const ViewState& view, const PictureMap& map) { return PixelSize(view) / map.scale; }

// An atom's drawn radius in device pixels: at least 0.5 angstrom, a third of it in the
// ball-and-stick model.
inline int AtomPixelRadius(const SceneAtom& atom, const ViewState& view, const PictureMap& map) {
    const int radius = ToPixel(std::max(atom.radius, 0.5f) / DevicePixelSize(view, map));
    return view.displayModel == DisplayModel::BallAndStick ? radius / 3 : radius;
}
// The same in the 340 picture.
inline int AtomPixelRadius(const SceneAtom& atom, const ViewState& view) { return AtomPixelRadius(atom, view, PictureMap{}); }

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
