// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/print_layout.h"

#include <gtest/gtest.h>

namespace kiva {
namespace {

TEST(PlacePrintedPicture, KeepsThePicturesShareOfTheScreenWidthOnThePage) {
    const PrintPlacement place = PlacePrintedPicture(1024, 4800, 6000, 1.0f);
    EXPECT_EQ(place.left, 480);
    EXPECT_EQ(place.top, 600);
    EXPECT_EQ(place.width, 1593);  // 340 x 4800 / 1024 = 1593.75
    EXPECT_EQ(place.bandHeight, 398);
    EXPECT_EQ(place.height(), 1592);
}

TEST(PlacePrintedPicture, HalfAndDoubleSizeTruncateLikeTheFullSize) {
    const PrintPlacement half = PlacePrintedPicture(1024, 4800, 6000, 0.5f);
    EXPECT_EQ(half.width, 796);
    EXPECT_EQ(half.height(), 796);
    const PrintPlacement twice = PlacePrintedPicture(1024, 4800, 6000, 2.0f);
    EXPECT_EQ(twice.width, 3187);
    EXPECT_EQ(twice.height(), 3184);  // 4 x 796
    EXPECT_EQ(twice.left, 480);
}

TEST(PlacePrintedPicture, AnUnknownScreenGivesAnEmptyPictureNotADivisionByZero) {
    const PrintPlacement place = PlacePrintedPicture(0, 4800, 6000, 1.0f);
    EXPECT_EQ(place.width, 0);
    EXPECT_EQ(place.height(), 0);
}

}  // namespace
}  // namespace kiva
