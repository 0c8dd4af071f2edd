// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A picture of any size. Every rule of the view is written for a picture space of 340 units a
// side; a picture of another size shows that space at one scale, its 340-unit square centred on
// the shorter side, so each rule means the same to the eye at every size. At 340 x 340 the scale
// is 1 and the picture is the one of the fixed square.
namespace kiva {

inline constexpr int kPictureUnits = 340;     // the side of the picture space
inline constexpr int kMinPictureSide = 64;    // device pixels
inline constexpr int kMaxPictureSide = 8192;  // device pixels

// A picture's size in device pixels.
struct PictureArea {
    int width = kPictureUnits;
    int height = kPictureUnits;
    friend bool operator==(const PictureArea&, const PictureArea&) = default;
};

// The area held within the smallest and the largest side.
PictureArea BoundedPictureArea(int width, int height);

// How picture space lands on the device pixels: x' = scale x + left, y' = scale y + bottom
// (y up from the bottom edge), z' = scale z.
struct PictureMap {
    int width = kPictureUnits, height = kPictureUnits;  // device pixels
    float scale = 1.0f;                                  // device pixels a picture unit
    int left = 0, bottom = 0;                            // where the 340-unit square starts
};
PictureMap MapOfArea(PictureArea area);

// The part of picture space the whole picture shows, in picture units: 0 to 340 both ways on the
// square, wider or taller on a rectangle.
struct PictureBounds {
    float left, bottom, right, top;
};
PictureBounds BoundsOf(const PictureMap& map);

}  // namespace kiva
