// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A point of the picture as the mouse and the measurements see it: x from 0 at the left edge,
// y from 0 at the bottom edge, in whole pixels. The window counts its rows from the top.
#include <cmath>

#include "render/image_point.h"

namespace kiva {

struct PicturePoint {
    int x = 0, y = 0;
    friend bool operator==(const PicturePoint&, const PicturePoint&) = default;
};

inline PicturePoint FromWindowPoint(int x, int y) { return {x, kPictureSize - 1 - y}; }
// The same flip back: a picture point as a window point.
inline PicturePoint ToWindowPoint(PicturePoint p) { return FromWindowPoint(p.x, p.y); }

// A point of the window's picture in device pixels, rows counted from the top.
struct DevicePoint {
    double x = 0, y = 0;
};

// The picture point whose unit holds a device point of a picture of any size; at scale 1 the
// same as FromWindowPoint.
inline PicturePoint FromDevicePoint(const PictureMap& map, DevicePoint d) {
    const double up = static_cast<double>(map.height - 1) - d.y;
    return {static_cast<int>(std::floor((d.x - map.left) / map.scale)),
            static_cast<int>(std::floor((up - map.bottom) / map.scale))};
}
// Back: the device pixel where the picture point's unit starts.
inline DevicePoint ToDevicePoint(const PictureMap& map, PicturePoint p) {
    return {p.x * static_cast<double>(map.scale) + map.left,
            static_cast<double>(map.height - 1) - (p.y * static_cast<double>(map.scale) + map.bottom)};
}

// Where an atom shows: its picture position truncated to whole pixels.
inline PicturePoint ScreenPoint(Vector3D picture) { return {ToPixel(picture.x), ToPixel(picture.y)}; }

}  // namespace kiva
