// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a sphere, or one disc of a tube, of a given pixel radius covers: traced once by the
// midpoint walks that draw them, keeping for every pixel the greatest depth any step gives it.
// Drawn from a footprint, each pixel is tested once instead of once for every step that reaches
// it. The picture is the same: where steps reach a pixel more than once the nearest one wins the
// depth test, and steps of equal depth at one pixel shade it alike.
#include <cstdint>
#include <vector>

namespace kiva {

// The midpoint circle walk: for each step, plot(a, b, false) stands for the eight points
// (+-a, b), (+-b, a) of one octant pair; a closing plot(a, a, true) stands for (+-a, a).
template <typename Plot>
void WalkCircle(int radius, Plot plot) {
    int a = 0, b = radius, e = 3 - 2 * radius;
    while (a < b) {
        plot(a, b, false);
        if (e < 0) {
            e += 4 * a + 6;
        } else {
            e += 4 * (a - b) + 10;
            --b;
        }
        ++a;
    }
    if (a == b) plot(a, b, true);
}

// A sphere pixel's brightness, of 256, from its offsets to the centre (row downwards, depth
// towards the viewer) and the sphere's radius of at least 1: lit from the right, from above and
// from the viewer, the unlit side keeping 80.
inline int SphereShade(int dx, int drow, int dz, int radius) {
    const int shade = (dx + dz - drow) * 96 / radius + 80;
    return shade < 80 ? 80 : shade;
}

// The largest radius traced ahead; larger spheres and discs are walked step by step.
inline constexpr int kLargestFootprint = 400;

// A sphere's pixels, row by row from -radius to radius about the centre: row r covers the
// offsets -halfWidth[r + radius] to halfWidth[r + radius], whose depths above the centre and
// shades lie from rowStart[r + radius] on.
struct SphereFootprint {
    int radius = 0;
    std::vector<int> halfWidth;
    std::vector<std::size_t> rowStart;
    std::vector<int> depth;
    std::vector<int> shade;
};
SphereFootprint TraceSphere(int radius);

// A tube's disc, across its row or column: the depth above the centre at each offset from
// -radius to radius, stored from index 0.
std::vector<int> TraceDisc(int radius);

}  // namespace kiva
