// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/export_picture_model.h"

#include <gtest/gtest.h>

namespace kiva {
namespace {

TEST(ExportPictureChoice, TheViewsSizeOrTheGivenOneWithinThePictureLimits) {
    const PictureArea view{1234, 567};
    EXPECT_EQ(ExportedArea({true, 10, 10, false}, view), view);  // the unused sides do not matter
    EXPECT_EQ(ExportedArea({false, 3000, 2000, false}, view), (PictureArea{3000, 2000}));
    EXPECT_EQ(ExportedArea({false, kMinPictureSide, kMaxPictureSide, false}, view),
              (PictureArea{kMinPictureSide, kMaxPictureSide}));
    for (const auto& [width, height] : {std::pair{kMinPictureSide - 1, 340}, {340, kMaxPictureSide + 1}, {0, 0}, {-1, 500}})
        EXPECT_EQ(ExportedArea({false, width, height, false}, view), std::nullopt) << width << "x" << height;
}

TEST(ExportPictureChoice, BlackAsOnScreenOrWhiteAsInPrint) {
    EXPECT_EQ(ExportedBackground({}), 0);
    EXPECT_EQ(ExportedBackground({true, 340, 340, true}), 255);
}

}  // namespace
}  // namespace kiva
