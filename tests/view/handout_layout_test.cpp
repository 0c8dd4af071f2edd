// SPDX-License-Identifier: GPL-2.0-or-later
// The handout's page: its blocks from the top in reading order without overlap, and the picture
// as large as the texts leave room for, in the view's shape.
#include "view/handout_layout.h"

#include <gtest/gtest.h>

namespace kiva {
namespace {

// An A4 page at 300 dpi and texts of about the heights a substance's handout has.
HandoutMeasures A4Handout() {
    HandoutMeasures measures;
    measures.pageWidth = 2480;
    measures.pageHeight = 3508;
    measures.titleHeight = 100;
    measures.descriptionHeight = 120;
    measures.factsHeight = 600;
    measures.readoutsHeight = 200;
    measures.gap = 50;
    return measures;
}

bool Within(const DeviceRect& inner, const DeviceRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.left + inner.width <= outer.left + outer.width &&
           inner.Bottom() <= outer.Bottom();
}

TEST(LayOutHandout, PlacesTheBlocksInReadingOrderWithinTheMarginsAndGaps) {
    const HandoutMeasures measures = A4Handout();
    const HandoutLayout layout = LayOutHandout(measures);
    const int margin = HandoutMargin(measures.pageWidth, measures.pageHeight);
    EXPECT_EQ(margin, 248);
    EXPECT_EQ(layout.title, (DeviceRect{248, 248, 1984, 100}));
    EXPECT_EQ(layout.description.top, layout.title.Bottom() + measures.gap);
    EXPECT_EQ(layout.picture.top, layout.description.Bottom() + measures.gap);
    EXPECT_EQ(layout.facts.top, layout.picture.Bottom() + measures.gap);
    EXPECT_EQ(layout.readouts.top, layout.facts.Bottom() + measures.gap);
    EXPECT_EQ(layout.readouts.height, measures.readoutsHeight);
    const DeviceRect printable{margin, margin, measures.pageWidth - 2 * margin, measures.pageHeight - 2 * margin};
    for (const DeviceRect& block : {layout.title, layout.description, layout.picture, layout.facts, layout.readouts})
        EXPECT_TRUE(Within(block, printable)) << block.left << "," << block.top << " " << block.width << "x" << block.height;
}

TEST(LayOutHandout, ThePictureTakesFourFifthsOfTheTextWidthCentredWhenTheTextsLeaveRoom) {
    const HandoutLayout layout = LayOutHandout(A4Handout());
    EXPECT_EQ(layout.picture.width, 1984 * 4 / 5);
    EXPECT_EQ(layout.picture.height, layout.picture.width);  // the fixed square
    EXPECT_EQ(layout.picture.left, 248 + (1984 - layout.picture.width) / 2);
}

TEST(LayOutHandout, ThePictureKeepsTheViewsShapeAndShrinksToTheHeightLeft) {
    HandoutMeasures wide = A4Handout();
    wide.picture = {800, 400};
    const HandoutLayout wideLayout = LayOutHandout(wide);
    EXPECT_NEAR(wideLayout.picture.width, 1587, 1);  // four fifths of the text width
    EXPECT_NEAR(wideLayout.picture.height, 793, 1);

    HandoutMeasures tall = A4Handout();
    tall.picture = {400, 1200};
    const HandoutLayout tallLayout = LayOutHandout(tall);
    const int heightLeft = 3508 - 248 - tallLayout.picture.top - 50 - (600 + 50 + 200);
    EXPECT_NEAR(tallLayout.picture.height, heightLeft, 1);
    EXPECT_NEAR(tallLayout.picture.width * 3, tallLayout.picture.height, 3);
    EXPECT_LE(tallLayout.readouts.Bottom(), 3508 - 248);
}

TEST(LayOutHandout, AHeatingCurveGoesBetweenThePictureAndTheFactsAndThePictureMakesRoomForIt) {
    HandoutMeasures heating = A4Handout();
    heating.picture = {400, 1200};
    const int withoutCurve = LayOutHandout(heating).picture.height;
    heating.curveHeight = 900;
    const HandoutLayout layout = LayOutHandout(heating);
    EXPECT_EQ(layout.curve.top, layout.picture.Bottom() + heating.gap);
    EXPECT_EQ(layout.curve.height, 900);
    EXPECT_EQ(layout.facts.top, layout.curve.Bottom() + heating.gap);
    EXPECT_NEAR(layout.picture.height, withoutCurve - 950, 1);
    EXPECT_LE(layout.readouts.Bottom(), 3508 - 248);
}

TEST(LayOutHandout, TextsThatFillThePageLeaveNoPictureRatherThanOverlapIt) {
    HandoutMeasures crowded = A4Handout();
    crowded.descriptionHeight = 2600;
    const HandoutLayout layout = LayOutHandout(crowded);
    EXPECT_EQ(layout.picture.width, 0);
    EXPECT_EQ(layout.picture.height, 0);
    EXPECT_EQ(layout.facts.top, layout.description.Bottom() + crowded.gap);
}

TEST(LayOutHandout, AHugePageKeepsThePictureWithinTheLargestSideTheRendererMakes) {
    HandoutMeasures poster = A4Handout();
    poster.pageWidth = 40000;
    poster.pageHeight = 60000;
    const HandoutLayout layout = LayOutHandout(poster);
    EXPECT_EQ(layout.picture.width, kMaxPictureSide);
    EXPECT_EQ(layout.picture.height, kMaxPictureSide);
}

TEST(LayOutHandout, BlocksWithoutTextTakeNoRoom) {
    HandoutMeasures bare = A4Handout();
    bare.descriptionHeight = 0;
    bare.readoutsHeight = 0;
    const HandoutLayout layout = LayOutHandout(bare);
    EXPECT_EQ(layout.description.height, 0);
    EXPECT_EQ(layout.readouts.height, 0);
    EXPECT_EQ(layout.picture.top, layout.title.Bottom() + bare.gap);
}

TEST(LayOutHandout, AnEmptyPageGivesEmptyBlocks) {
    const HandoutLayout layout = LayOutHandout(HandoutMeasures{});
    EXPECT_EQ(layout.picture.width, 0);
    EXPECT_EQ(layout.title.width, 0);
}

}  // namespace
}  // namespace kiva
