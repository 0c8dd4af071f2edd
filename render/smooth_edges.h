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

// The pixels about a sphere's centre within a pixel and a half of its rim, as TraceRim lists them.
struct RimOffset {
    int dx, drow;
    int weight;          // of 256: how much of the pixel the sphere covers
    int outX, outRow;    // the step to the neighbour away from the centre, each -1, 0 or 1
};
std::vector<RimOffset> TraceRim(int radius);

// The blends of the rims of the spheres and the sides of the tubes in the rows of `band`, in
// the order they are to be written, from the unsmoothed picture: no pixel may change until every
// band's blends are found, so the result does not depend on the bands.
void FindRimBlends(const std::vector<std::vector<PlacedSphere>>& spheres, const std::vector<EdgeTube>& tubes,
                   const PictureBuffers& picture, RowBand band, std::vector<RimBlend>& blends);

void WriteRimBlends(const std::vector<RimBlend>& blends, PictureBuffers& picture);

}  // namespace kiva
