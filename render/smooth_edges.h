// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Smooth edges: after the atoms and bonds are drawn, each pixel that a sphere's or a tube's rim
// crosses takes the shape's colour and the colour beyond it in the share of the pixel the shape
// covers. Only pixels within a pixel of a rim change; the rest keep the bytes of the unsmoothed
// picture.
#include <cstdint>
#include <vector>

#include "render/image_point.h"
#include "render/picture_buffers.h"

namespace kiva {

// How much of a pixel a shape covers whose edge lies `inside` pixels beyond the pixel's centre
// (negative: the centre lies outside): from 0 to 1 over the pixel's width.
float EdgeCoverage(float inside);

struct EdgeTube {
    ImagePoint from, to;
    int radius;  // device pixels
};

// Blends the rims of the spheres and the sides of the tubes into the rows of `band`. `plain` is
// the whole unsmoothed colour buffer, from which every blend takes its two colours, so the
// result does not depend on the bands.
void SmoothEdges(const std::vector<std::vector<PlacedSphere>>& spheres, const std::vector<EdgeTube>& tubes,
                 const std::vector<std::uint8_t>& plain, PictureBuffers& picture, RowBand band);

}  // namespace kiva
