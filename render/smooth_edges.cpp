// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/smooth_edges.h"

#include <algorithm>
#include <cmath>

namespace kiva {

namespace {

// One rim pixel of a shape: its coverage, the depths the shape has along its rim, and the way out.
struct RimPixel {
    int x, row;
    float coverage;
    int nearest, farthest;  // the shape's depths near its rim
    float outX, outRow;     // unit direction away from the shape
};

int Step(float component) { return component > 0.38f ? 1 : component < -0.38f ? -1 : 0; }

// The pixel takes `coverage` of the shape's colour and the rest of what lies beyond the rim; the
// shape's colour is the pixel's own where the shape shows there, else its inner neighbour's.
void BlendRimPixel(const RimPixel& rim, const std::vector<std::uint8_t>& plain, PictureBuffers& picture) {
    const int width = picture.width, height = picture.height;
    const auto at = [width](int x, int row) { return static_cast<std::size_t>(row) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x); };
    const auto shows = [&](std::size_t pixel) { return picture.depth[pixel] >= rim.farthest && picture.depth[pixel] <= rim.nearest; };
    const int dx = Step(rim.outX), drow = Step(rim.outRow);
    if (dx == 0 && drow == 0) return;
    const std::size_t pixel = at(rim.x, rim.row);
    // The drawn shape steps from pixel to pixel; its true edge may lie a little inside or outside.
    const bool drawn = shows(pixel);
    if ((drawn && rim.coverage >= 1) || (!drawn && rim.coverage <= 0)) return;
    if (!drawn && picture.depth[pixel] >= rim.farthest) return;  // something nearer hides the rim
    // The neighbour across the edge: straight out (or in), else along the row or the column.
    const int sign = drawn ? 1 : -1;
    const int steps[3][2] = {{dx, drow}, {dx, 0}, {0, drow}};
    std::size_t other = pixel;
    for (const auto& step : steps) {
        if (step[0] == 0 && step[1] == 0) continue;
        const int x = rim.x + sign * step[0], row = rim.row + sign * step[1];
        if (x < 0 || x >= width || row < 0 || row >= height) continue;
        const std::size_t candidate = at(x, row);
        if (drawn ? picture.depth[candidate] < rim.farthest : shows(candidate)) {
            other = candidate;
            break;
        }
    }
    if (other == pixel) return;
    const std::size_t shape = drawn ? pixel : other, beyond = drawn ? other : pixel;
    const int weight = static_cast<int>(rim.coverage * 256 + 0.5f);
    for (std::size_t channel = 0; channel < 3; ++channel)
        picture.colour[3 * pixel + channel] = static_cast<std::uint8_t>(
            (plain[3 * shape + channel] * weight + plain[3 * beyond + channel] * (256 - weight) + 128) >> 8);
}

void SmoothSphere(const PlacedSphere& sphere, const std::vector<std::uint8_t>& plain, PictureBuffers& picture, RowBand band) {
    const float r = static_cast<float>(sphere.radius);
    if (sphere.radius < 2) return;
    // The rim's depths: the centre's, to a little in front of it, where the surface turns away.
    const int farthest = sphere.z - 1, nearest = sphere.z + static_cast<int>(std::sqrt(2 * r)) + 2;
    const int first = std::max({band.first, sphere.row - sphere.radius - 2, 0});
    const int end = std::min({band.end, sphere.row + sphere.radius + 3, picture.height});
    for (int row = first; row < end; ++row) {
        const float dy = static_cast<float>(row - sphere.row);
        const float outer = (r + 1.5f) * (r + 1.5f) - dy * dy;
        if (outer < 0) continue;
        const float inner = std::max(0.0f, (r - 1.5f) * (r - 1.5f) - dy * dy);
        const int reachOuter = static_cast<int>(std::sqrt(outer)) + 1;
        const int reachInner = static_cast<int>(std::sqrt(inner));
        for (int side : {-1, 1})
            for (int k = reachInner; k <= reachOuter; ++k) {
                const int x = sphere.x + side * k;
                if (x < 0 || x >= picture.width) continue;
                const float dx = static_cast<float>(x - sphere.x);
                const float d = std::sqrt(dx * dx + dy * dy);
                if (d <= 0 || std::fabs(d - r) >= 1.5f) continue;  // the pixels within a pixel of the rim
                if (k == 0 && side > 0) continue;  // the column through the centre, once
                const float coverage = EdgeCoverage(r - d);
                BlendRimPixel({x, row, coverage, nearest, farthest, dx / d, dy / d}, plain, picture);
            }
    }
}

void SmoothTube(const EdgeTube& tube, const std::vector<std::uint8_t>& plain, PictureBuffers& picture, RowBand band) {
    if (tube.radius < 2) return;
    const float ax = static_cast<float>(tube.from.x), arow = static_cast<float>(tube.from.row);
    const float vx = static_cast<float>(tube.to.x - tube.from.x), vrow = static_cast<float>(tube.to.row - tube.from.row);
    const float length2 = vx * vx + vrow * vrow;
    if (length2 < 1) return;
    // A tube is drawn as spans of the radius either side of its axis, along the rows or the
    // columns, whichever crosses it more squarely: its edge lies that much nearer the axis.
    const float r = static_cast<float>(tube.radius) * std::max(std::fabs(vx), std::fabs(vrow)) / std::sqrt(length2);
    const int left = std::max(0, std::min(tube.from.x, tube.to.x) - tube.radius - 2);
    const int right = std::min(picture.width - 1, std::max(tube.from.x, tube.to.x) + tube.radius + 2);
    const int first = std::max({band.first, std::min(tube.from.row, tube.to.row) - tube.radius - 2, 0});
    const int end = std::min({band.end, std::max(tube.from.row, tube.to.row) + tube.radius + 3, picture.height});
    for (int row = first; row < end; ++row)
        for (int x = left; x <= right; ++x) {
            const float px = static_cast<float>(x) - ax, prow = static_cast<float>(row) - arow;
            const float t = (px * vx + prow * vrow) / length2;
            if (t <= 0 || t >= 1) continue;  // the ends lie inside the atoms
            const float ox = px - t * vx, orow = prow - t * vrow;
            const float d = std::sqrt(ox * ox + orow * orow);
            if (d <= 0 || std::fabs(d - r) >= 1.5f) continue;
            const float coverage = EdgeCoverage(r - d);
            const int axis = tube.from.z + static_cast<int>(t * static_cast<float>(tube.to.z - tube.from.z));
            BlendRimPixel({x, row, coverage, axis + static_cast<int>(std::sqrt(2 * r)) + 3, axis - 3, ox / d, orow / d}, plain, picture);
        }
}

}  // namespace

float EdgeCoverage(float inside) { return std::clamp(inside + 0.5f, 0.0f, 1.0f); }

void SmoothEdges(const std::vector<std::vector<PlacedSphere>>& spheres, const std::vector<EdgeTube>& tubes,
                 const std::vector<std::uint8_t>& plain, PictureBuffers& picture, RowBand band) {
    for (const std::vector<PlacedSphere>& part : spheres)
        for (const PlacedSphere& sphere : part) SmoothSphere(sphere, plain, picture, band);
    for (const EdgeTube& tube : tubes) SmoothTube(tube, plain, picture, band);
}

}  // namespace kiva
