// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/footprint.h"

#include <gtest/gtest.h>

#include <random>

#include "render/rasterizer.h"

namespace kiva {
namespace {

PictureBuffers Cleared() {
    PictureBuffers picture;
    std::fill(picture.depth.begin(), picture.depth.end(), std::int16_t{-32640});
    return picture;
}

// Draws the same primitives from footprints and step by step, and compares every byte.
class BothWays {
public:
    BothWays() : traced_(Cleared()), stepped_(Cleared()), tracedRaster_(traced_, 24), steppedRaster_(stepped_, 24, true) {}
    void Sphere(int x, int row, int z, int r, std::uint32_t colour) {
        tracedRaster_.DrawSphere(x, row, z, r, colour);
        steppedRaster_.DrawSphere(x, row, z, r, colour);
    }
    void Cylinder(int x1, int row1, int z1, int x2, int row2, int z2, int r, std::uint32_t colour) {
        tracedRaster_.DrawCylinder(x1, row1, z1, x2, row2, z2, r, colour);
        steppedRaster_.DrawCylinder(x1, row1, z1, x2, row2, z2, r, colour);
    }
    bool Same() const { return traced_.colour == stepped_.colour && traced_.depth == stepped_.depth; }
    std::size_t Drawn() const {
        return static_cast<std::size_t>(std::count_if(traced_.depth.begin(), traced_.depth.end(),
                                                      [](std::int16_t d) { return d != -32640; }));
    }

private:
    PictureBuffers traced_, stepped_;
    Rasterizer tracedRaster_, steppedRaster_;
};

TEST(TraceSphere, CoversTheDiscRowByRowWithTheFrontSurfacesDepth) {
    const SphereFootprint one = TraceSphere(0);
    EXPECT_EQ(one.halfWidth, std::vector<int>{0});
    EXPECT_EQ(one.depth, std::vector<int>{0});
    const SphereFootprint f = TraceSphere(20);
    ASSERT_EQ(f.halfWidth.size(), 41u);
    EXPECT_EQ(f.halfWidth[20], 20);  // the middle row spans the whole width
    EXPECT_EQ(f.depth[f.rowStart[20] + 20], 20);  // the centre is the nearest point
    EXPECT_EQ(f.shade[f.rowStart[20]], 80);  // the left edge is unlit
    EXPECT_EQ(TraceDisc(3), (std::vector<int>{1, 2, 3, 3, 3, 2, 1}));
}

// Every radius a frame of the catalogue meets, and a few far larger, on their own.
TEST(TraceSphere, DrawsEveryRadiusAsTheStepByStepWalkDoes) {
    for (int r = 0; r <= 402; r += r < 80 ? 1 : 53) {
        BothWays both;
        both.Sphere(170, 170, 500, r, 0x3080F0);
        ASSERT_TRUE(both.Same()) << r;
        both.Cylinder(20, 30, 0, 300, 280, 900, r / 4, 0xFFFFFF);
        both.Cylinder(300, 20, 0, 40, 60, -300, r / 8, 0xFFFFFF);  // a flat tube traces discs down columns
        ASSERT_TRUE(both.Same()) << r;
    }
}

// Overlapping spheres and tubes at few depths, so their surfaces often tie, partly or wholly
// outside the picture, and near the depths the drawing clamps.
TEST(TraceSphere, DrawsOverlappingScenesAsTheStepByStepWalkDoes) {
    std::mt19937 random(17);
    const auto between = [&](int low, int high) { return low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1)); };
    for (int scene = 0; scene < 40; ++scene) {
        BothWays both;
        const int nearLimit = scene % 4 == 0 ? 32700 : 0;
        for (int item = 0; item < 60; ++item) {
            // Few colours, so footprints are painted once and drawn again.
            const std::uint32_t colours[] = {0xFFFFFF, 0x30A0F0, 0x00C000, static_cast<std::uint32_t>(random() & 0xFFFFFF)};
            const std::uint32_t colour = colours[random() % 4];
            const int z = nearLimit + between(-3, 3) * 10;
            if (random() % 3) {
                both.Sphere(between(-60, 400), between(-60, 400), z, between(0, 12) * 6, colour);
            } else {
                both.Cylinder(between(-200, 540), between(-200, 540), z, between(-200, 540), between(-200, 540),
                              z + between(-80, 80), between(0, 12), colour);
            }
        }
        ASSERT_GT(both.Drawn(), 1000u);
        ASSERT_TRUE(both.Same()) << scene;
    }
}

// A view keeps its footprints from frame to frame, starting afresh when they grow large: a picture
// drawn with many kept, or after they were dropped, or in a copy of the buffers, is the same.
TEST(FootprintCache, KeepsPicturesTheSameFrameAfterFrame) {
    const auto draw = [](PictureBuffers& picture) {
        std::fill(picture.depth.begin(), picture.depth.end(), std::int16_t{-32640});
        std::fill(picture.colour.begin(), picture.colour.end(), std::uint8_t{0});
        Rasterizer raster(picture, 24);
        for (int i = 0; i < 30; ++i) raster.DrawSphere(40 + 9 * i, 170 + (i % 5) * 7, i % 3, 3 + i % 4 * 10, 0x30A0F0u + i);
    };
    PictureBuffers fresh, kept;
    draw(fresh);
    for (int round = 0; round < 2; ++round) {
        Rasterizer raster(kept, 24);
        for (int r = 300; r <= kLargestFootprint; r += 10) raster.DrawSphere(170, 170, 0, r, 0xFFFFFFu - static_cast<std::uint32_t>(r));
        draw(kept);
        ASSERT_EQ(kept.colour, fresh.colour) << round;
    }
    PictureBuffers copy = kept;
    draw(copy);
    EXPECT_EQ(copy.colour, fresh.colour);
}

}  // namespace
}  // namespace kiva
