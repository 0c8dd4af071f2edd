// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/smooth_edges.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace kiva {

namespace {

// One rim pixel of a shape: its coverage, the depths the shape has along its rim, and the way out.
struct RimPixel {
    int x, row;
    int weight;             // of 256
    int nearest, farthest;  // the shape's depths near its rim
    int outX, outRow;       // the step away from the shape
};

int Step(float component) { return component > 0.38f ? 1 : component < -0.38f ? -1 : 0; }

int WeightOf(float coverage) { return static_cast<int>(coverage * 256 + 0.5f); }

// The pixel takes `weight` of the shape's colour and the rest of what lies beyond the rim; the
// shape's colour is the pixel's own where the shape shows there, else its inner neighbour's.
void BlendRimPixel(const RimPixel& rim, const PictureBuffers& picture, std::vector<RimBlend>& blends) {
    const int width = picture.width, height = picture.height;
    const auto at = [width](int x, int row) { return static_cast<std::size_t>(row) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x); };
    const auto shows = [&](std::size_t pixel) { return picture.depth[pixel] >= rim.farthest && picture.depth[pixel] <= rim.nearest; };
    if (rim.outX == 0 && rim.outRow == 0) return;
    const std::size_t pixel = at(rim.x, rim.row);
    // The drawn shape steps from pixel to pixel; its true edge may lie a little inside or outside.
    const bool drawn = shows(pixel);
    if ((drawn && rim.weight >= 256) || (!drawn && rim.weight <= 0)) return;
    if (!drawn && picture.depth[pixel] >= rim.farthest) return;  // something nearer hides the rim
    // The neighbour across the edge: straight out (or in), else along the row or the column.
    const int sign = drawn ? 1 : -1;
    const int steps[3][2] = {{rim.outX, rim.outRow}, {rim.outX, 0}, {0, rim.outRow}};
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
    RimBlend blend{pixel, {}};
    for (std::size_t channel = 0; channel < 3; ++channel)
        blend.bytes[channel] = static_cast<std::uint8_t>(
            (picture.colour[3 * shape + channel] * rim.weight + picture.colour[3 * beyond + channel] * (256 - rim.weight) + 128) >> 8);
    blends.push_back(blend);
}

void SmoothSphere(const PlacedSphere& sphere, const std::vector<RimOffset>& rim, const PictureBuffers& picture, RowBand band,
                  std::vector<RimBlend>& blends) {
    if (sphere.row + sphere.radius + 2 < band.first || sphere.row - sphere.radius - 2 >= band.end) return;
    // The rim's depths: the centre's, to a little in front of it, where the surface turns away.
    const int farthest = sphere.z - 1, nearest = sphere.z + static_cast<int>(std::sqrt(2 * static_cast<float>(sphere.radius))) + 2;
    const int first = std::max(band.first, 0), end = std::min(band.end, picture.height);
    for (const RimOffset& offset : rim) {
        const int x = sphere.x + offset.dx, row = sphere.row + offset.drow;
        if (row < first || row >= end || x < 0 || x >= picture.width) continue;
        BlendRimPixel({x, row, offset.weight, nearest, farthest, offset.outX, offset.outRow}, picture, blends);
    }
}

// The columns of a row within a pixel and a half of a tube's side: where the distance s from the
// axis, a linear function of x along the row, lies within 1.5 of r on either side.
template <typename Visit>
void ForColumnsNearSides(float sAtZero, float sPerX, float r, int left, int right, Visit visit) {
    if (std::fabs(sPerX) < 1e-6f) {
        if (std::fabs(std::fabs(sAtZero) - r) < 1.5f)
            for (int x = left; x <= right; ++x) visit(x);
        return;
    }
    std::array<std::pair<int, int>, 2> spans{};
    for (std::size_t i = 0; i < 2; ++i) {
        const float side = i == 0 ? -r : r;
        const float a = (side - 1.5f - sAtZero) / sPerX, b = (side + 1.5f - sAtZero) / sPerX;
        // A column to spare either side: the exact test follows.
        spans[i] = {std::max(left, static_cast<int>(std::floor(std::min(a, b))) - 1),
                    std::min(right, static_cast<int>(std::ceil(std::max(a, b))) + 1)};
    }
    if (spans[1].first < spans[0].first) std::swap(spans[0], spans[1]);
    // On a thin tube the two sides' columns may meet: each column once, from left to right.
    for (int x = spans[0].first; x <= spans[0].second; ++x) visit(x);
    for (int x = std::max(spans[1].first, spans[0].second + 1); x <= spans[1].second; ++x) visit(x);
}

void SmoothTube(const EdgeTube& tube, const PictureBuffers& picture, RowBand band, std::vector<RimBlend>& blends) {
    if (tube.radius < 2) return;
    const float ax = static_cast<float>(tube.from.x), arow = static_cast<float>(tube.from.row);
    const float vx = static_cast<float>(tube.to.x - tube.from.x), vrow = static_cast<float>(tube.to.row - tube.from.row);
    const float length2 = vx * vx + vrow * vrow;
    if (length2 < 1) return;
    const float length = std::sqrt(length2);
    // A tube is drawn as spans of the radius either side of its axis, along the rows or the
    // columns, whichever crosses it more squarely: its edge lies that much nearer the axis.
    const float r = static_cast<float>(tube.radius) * std::max(std::fabs(vx), std::fabs(vrow)) / length;
    const int left = std::max(0, std::min(tube.from.x, tube.to.x) - tube.radius - 2);
    const int right = std::min(picture.width - 1, std::max(tube.from.x, tube.to.x) + tube.radius + 2);
    const int first = std::max({band.first, std::min(tube.from.row, tube.to.row) - tube.radius - 2, 0});
    const int end = std::min({band.end, std::max(tube.from.row, tube.to.row) + tube.radius + 3, picture.height});
    for (int row = first; row < end; ++row) {
        const float prow = static_cast<float>(row) - arow;
        // The signed distance from the axis at column x: (vrow * (x - ax) - vx * prow) / length.
        const float sAtZero = (-vrow * ax - vx * prow) / length, sPerX = vrow / length;
        ForColumnsNearSides(sAtZero, sPerX, r, left, right, [&](int x) {
            const float px = static_cast<float>(x) - ax;
            const float t = (px * vx + prow * vrow) / length2;
            if (t <= 0 || t >= 1) return;  // the ends lie inside the atoms
            const float ox = px - t * vx, orow = prow - t * vrow;
            const float d = std::sqrt(ox * ox + orow * orow);
            if (d <= 0 || std::fabs(d - r) >= 1.5f) return;
            const int axis = tube.from.z + static_cast<int>(t * static_cast<float>(tube.to.z - tube.from.z));
            BlendRimPixel({x, row, WeightOf(EdgeCoverage(r - d)), axis + static_cast<int>(std::sqrt(2 * r)) + 3, axis - 3,
                           Step(ox / d), Step(orow / d)},
                          picture, blends);
        });
    }
}

}  // namespace

float EdgeCoverage(float inside) { return std::clamp(inside + 0.5f, 0.0f, 1.0f); }

std::vector<RimOffset> TraceRim(int radius) {
    std::vector<RimOffset> rim;
    if (radius < 2) return rim;
    // A sphere's drawn footprint keeps within half a pixel of its true rim: a pixel a whole pixel
    // or more inside is drawn, one as far outside is not: neither needs a blend.
    constexpr float kReach = 1.0f;
    const float r = static_cast<float>(radius);
    for (int drow = -radius - 2; drow <= radius + 2; ++drow) {
        const float dy = static_cast<float>(drow);
        const float outer = (r + kReach) * (r + kReach) - dy * dy;
        if (outer < 0) continue;
        const float inner = std::max(0.0f, (r - kReach) * (r - kReach) - dy * dy);
        const int reachOuter = static_cast<int>(std::sqrt(outer)) + 1;
        const int reachInner = static_cast<int>(std::sqrt(inner));
        for (int side : {-1, 1})
            for (int k = reachInner; k <= reachOuter; ++k) {
                if (k == 0 && side > 0) continue;  // the column through the centre, once
                const float dx = static_cast<float>(side * k);
                const float d = std::sqrt(dx * dx + dy * dy);
                if (d <= 0 || std::fabs(d - r) >= kReach) continue;
                rim.push_back({side * k, drow, WeightOf(EdgeCoverage(r - d)), Step(dx / d), Step(dy / d)});
            }
    }
    return rim;
}

void FindRimBlends(const std::vector<std::vector<PlacedSphere>>& spheres, const std::vector<EdgeTube>& tubes,
                   const PictureBuffers& picture, RowBand band, std::vector<RimBlend>& blends) {
    blends.clear();
    // A frame's spheres come in a few radii: each rim is traced once.
    std::vector<std::pair<int, std::vector<RimOffset>>> rims;
    const auto rimOf = [&rims](int radius) -> const std::vector<RimOffset>& {
        for (const auto& [traced, rim] : rims)
            if (traced == radius) return rim;
        return rims.emplace_back(radius, TraceRim(radius)).second;
    };
    for (const std::vector<PlacedSphere>& part : spheres)
        for (const PlacedSphere& sphere : part)
            if (sphere.radius >= 2) SmoothSphere(sphere, rimOf(sphere.radius), picture, band, blends);
    for (const EdgeTube& tube : tubes) SmoothTube(tube, picture, band, blends);
}

void WriteRimBlends(const std::vector<RimBlend>& blends, PictureBuffers& picture) {
    for (const RimBlend& blend : blends) std::copy(blend.bytes.begin(), blend.bytes.end(), &picture.colour[3 * blend.pixel]);
}

}  // namespace kiva
