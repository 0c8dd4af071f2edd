// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/depth_tiles.h"

#include <gtest/gtest.h>

namespace kiva {
namespace {

constexpr int kWidth = 100, kHeight = 64;

std::vector<std::int16_t> FlatDepths(std::int16_t depth) {
    return std::vector<std::int16_t>(static_cast<std::size_t>(kWidth) * kHeight, depth);
}

TEST(DepthTiles, HideASphereOnlyBehindEveryDepthItCovers) {
    const std::vector<std::int16_t> depth = FlatDepths(1000);
    DepthTiles tiles(depth, kWidth, {0, kHeight});
    EXPECT_TRUE(tiles.HiddenBehind(50, 32, 20, 1000));   // no nearer than what is there: draws nothing
    EXPECT_FALSE(tiles.HiddenBehind(50, 32, 20, 1001));  // one nearer shows
    EXPECT_TRUE(tiles.HiddenBehind(50, 32, 20, 900));
}

TEST(DepthTiles, ReadATileAgainOnlyAfterItWasDrawnOn) {
    std::vector<std::int16_t> depth = FlatDepths(1000);
    depth[static_cast<std::size_t>(5 * kWidth + 5)] = 10;  // a pixel nothing near covers yet
    DepthTiles tiles(depth, kWidth, {0, kHeight});
    ASSERT_FALSE(tiles.HiddenBehind(8, 8, 4, 1000));
    depth[static_cast<std::size_t>(5 * kWidth + 5)] = 2000;  // drawn over, but not yet told
    EXPECT_FALSE(tiles.HiddenBehind(8, 8, 4, 1000));
    tiles.MarkDrawn(5, 5, 0);
    EXPECT_TRUE(tiles.HiddenBehind(8, 8, 4, 1000));
    EXPECT_TRUE(tiles.HiddenBehind(40, 8, 4, 1000));  // another tile, read for the first time
}

TEST(DepthTiles, LookOnlyAtTheRowsOfTheirBand) {
    std::vector<std::int16_t> depth = FlatDepths(1000);
    for (int x = 0; x < kWidth; ++x) depth[static_cast<std::size_t>(10 * kWidth + x)] = -5;  // row 10, above the band
    DepthTiles tiles(depth, kWidth, {32, kHeight});
    EXPECT_TRUE(tiles.HiddenBehind(50, 30, 25, 1000));  // the square reaches row 5, the band starts at 32
}

}  // namespace
}  // namespace kiva
