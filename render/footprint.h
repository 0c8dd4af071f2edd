// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a sphere, or one disc of a tube, of a given pixel radius covers: traced once by the
// midpoint walks that draw them, keeping for every pixel the greatest depth any step gives it.
// Drawn from a footprint, each pixel is tested once instead of once for every step that reaches
// it. The picture is the same: where steps reach a pixel more than once the nearest one wins the
// depth test, and steps of equal depth at one pixel shade it alike.
#include <array>
#include <cstdint>
#include <deque>
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

// A pixel's bytes, blue, green and red, for a colour at a brightness of `intensity` / 256. A
// brightness above full, as on the smallest spheres, holds each channel at 255 rather than
// wrapping round to dark.
std::array<std::uint8_t, 3> ShadedBytes(std::uint32_t colour, int intensity);

// A footprint with its pixels' bytes in one colour: by row as the footprint lays them out, and as
// one list with each pixel's offset from the centre in a picture of rows `rowLength` long.
struct PaintedPixel {
    int offset;
    int depth;
    std::uint8_t bytes[3];
};
struct PaintedFootprint {
    const SphereFootprint* footprint;
    std::uint32_t colour;
    std::vector<std::uint8_t> bytes;
    std::vector<PaintedPixel> pixels;
};
PaintedFootprint PaintFootprint(const SphereFootprint& footprint, std::uint32_t colour, int rowLength);

// The footprints a view has traced and painted, kept from frame to frame: the same few radii and
// colours come back in every frame. A footprint is painted the second time its radius and colour
// are asked for: a sphere drawn only once, as in a single picture of a molecule, is shaded as it
// is drawn. Past a few million pixels the cache starts afresh. A copy starts empty, as its
// footprints point into their own traces.
class FootprintCache {
public:
    FootprintCache() = default;
    FootprintCache(const FootprintCache&) {}
    FootprintCache& operator=(const FootprintCache&) {
        Clear();
        return *this;
    }
    const SphereFootprint& Traced(int radius);
    // A tube's disc of the radius, 0 to kLargestFootprint, as TraceDisc gives it.
    const std::vector<int>& Disc(int radius);
    // The painted footprint, or null the first time. Its pixel offsets are for rows `rowLength`
    // long: a picture of another width starts the cache afresh.
    const PaintedFootprint* Painted(int radius, std::uint32_t colour, int rowLength) {
        const PaintedFootprint* last = recent_[0];
        if (last && rowLength == rowLength_ && last->footprint->radius == radius && last->colour == colour) return last;
        return LookUpPainted(radius, colour, rowLength);
    }

private:
    void Clear();
    std::deque<SphereFootprint> traced_;
    std::vector<std::vector<int>> discs_;  // by radius, empty until first asked for
    std::deque<PaintedFootprint> painted_;
    std::vector<std::pair<int, std::uint32_t>> askedOnce_;
    const PaintedFootprint* LookUpPainted(int radius, std::uint32_t colour, int rowLength);
    const PaintedFootprint* Remember(const PaintedFootprint* painted);
    std::array<const PaintedFootprint*, 2> recent_{};  // the last asked for first
    std::size_t pixels_ = 0;
    int rowLength_ = 0;
};

}  // namespace kiva
