// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/print_size_model.h"

#include <gtest/gtest.h>

namespace kiva {
namespace {

TEST(PrintSize, OffersExactlyTheEightPercentages) {
    EXPECT_EQ(std::vector<std::string_view>(kPrintSizes.begin(), kPrintSizes.end()),
              (std::vector<std::string_view>{"25", "50", "75", "100", "125", "150", "175", "200"}));
}

TEST(PrintSize, EveryItemSurvivesTheWayThroughTheScale) {
    for (std::size_t i = 0; i < kPrintSizes.size(); ++i) {
        const float scale = *PrintScaleOf(kPrintSizes[i]);
        EXPECT_EQ(PrintSizeText(scale), kPrintSizes[i]);
        EXPECT_EQ(FindPrintSize(PrintSizeText(scale)), static_cast<int>(i));
    }
    EXPECT_EQ(PrintSizeText(1.0f), "100");
    EXPECT_FLOAT_EQ(*PrintScaleOf("50"), 0.5f);
}

TEST(PrintSize, TheListOpensOnTheFirstItemBeginningWithTheText) {
    EXPECT_EQ(FindPrintSize("1"), 3);     // "100", the first from the top
    EXPECT_EQ(FindPrintSize("17"), 6);
    EXPECT_EQ(FindPrintSize(""), 0);
    EXPECT_EQ(FindPrintSize("110"), -1);  // a scale no item matches
    EXPECT_EQ(FindPrintSize("1000"), -1);
    EXPECT_EQ(PrintSizeText(1.1f), "110");
}

TEST(PrintSize, AnEmptyChoiceGivesNoScale) { EXPECT_EQ(PrintScaleOf(""), std::nullopt); }

}  // namespace
}  // namespace kiva
