// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A point of the picture as the mouse and the measurements see it: x from 0 at the left edge,
// y from 0 at the bottom edge, in whole pixels. The window counts its rows from the top.
#include "render/image_point.h"

namespace kiva {

struct PicturePoint {
    int x = 0, y = 0;
    friend bool operator==(const PicturePoint&, const PicturePoint&) = default;
};

inline PicturePoint FromWindowPoint(int x, int y) { return {x, kPictureSize - 1 - y}; }
// The same flip back: a picture point as a window point.
inline PicturePoint ToWindowPoint(PicturePoint p) { return FromWindowPoint(p.x, p.y); }

// Where an atom shows: its picture position truncated to whole pixels.
inline PicturePoint ScreenPoint(Vector3D picture) { return {ToPixel(picture.x), ToPixel(picture.y)}; }

}  // namespace kiva
