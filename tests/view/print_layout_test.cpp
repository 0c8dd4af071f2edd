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

TEST(PlacePrintedPicture, APictureLargerThanThePageShrinksInsideTheMarginsKeepingItsShape) {
    // A maximised 1888 x 988 view on a 1920-pixel screen, printed on an A4 page at 1200 dpi.
    const PrintPlacement wide = PlacePrintedPicture(1920, PictureArea{1888, 988}, 9921, 14031, 1.0f);
    EXPECT_EQ(wide.left, 992);
    EXPECT_LE(wide.left + wide.width, 9921 - 992);
    EXPECT_NEAR(static_cast<double>(wide.height()) / wide.width, 988.0 / 1888.0, 0.001);
    EXPECT_GE(wide.width, 9921 - 2 * 992 - 1);  // it fills the width between the margins

    // A tall picture is bounded by the page's height instead.
    const PrintPlacement tall = PlacePrintedPicture(1024, PictureArea{340, 2000}, 4800, 6000, 2.0f);
    EXPECT_LE(tall.top + tall.height(), 6000 - 600);
    EXPECT_NEAR(static_cast<double>(tall.width) / tall.height(), 340.0 / 2000.0, 0.01);
}

}  // namespace
}  // namespace kiva
