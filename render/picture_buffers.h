// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a view's pictures are rendered into and keep from one picture to the next: the colour and
// depth buffers, the spheres' footprints and the labels' font.
#include <array>
#include <cstdint>
#include <deque>
#include <vector>

#include "render/footprint.h"
#include "render/label_font.h"
#include "render/picture.h"
#include "render/picture_area.h"

namespace kiva {

// An atom's sphere as a frame draws it: centre, depth and radius in device pixels.
struct PlacedSphere {
    int x, row, z, radius;
    std::uint32_t colour;
};

// A pixel's colour on a smoothed edge, found before any edge pixel is written.
struct RimBlend {
    std::size_t pixel;
    std::array<std::uint8_t, 3> bytes;
};

// The colour buffer is the picture; beside it a signed 16-bit depth per pixel, larger nearer.
struct PictureBuffers : Picture {
    PictureBuffers() : PictureBuffers(PictureArea{}) {}
    explicit PictureBuffers(PictureArea area) { Resize(area); }
    // Takes the area's size within the picture limits; the pixels are left undefined.
    void Resize(PictureArea area);
    PictureArea Area() const { return {width, height}; }

    std::vector<std::int16_t> depth;
    FootprintCache footprints;  // the spheres' footprints, traced and painted in earlier frames
    // The same for each further thread of a banded frame, so no two threads share one.
    std::deque<FootprintCache> threadFootprints;
    LabelLettering lettering;  // the atom labels' font, opened at the first labelled frame
    // The last frame's spheres and bonds, a list for each part of the scene: their memory is kept
    // for the next frame.
    std::vector<std::vector<PlacedSphere>> partSpheres;
    std::vector<std::vector<std::size_t>> partBonds;
    std::vector<std::vector<RimBlend>> bandRimBlends;  // a smoothed frame's edge pixels, for each band
};

// Rows first to end - 1 of a picture.
struct RowBand {
    int first, end;
};

}  // namespace kiva
