// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/unit_cell_multiples_model.h"

#include <gtest/gtest.h>

namespace kiva {
namespace {

const char* kRange = "Please enter an integer between 1 and 16.";
const char* kNotANumber = "Please enter a positive integer.";

TEST(ReadCellMultiples, AcceptsOneToSixteenOnEachAxis) {
    std::array<int, 3> multiples{2, 2, 2};
    EXPECT_EQ(ReadCellMultiples({"1", "16", " 3 "}, multiples), std::nullopt);
    EXPECT_EQ(multiples, (std::array<int, 3>{1, 16, 3}));
}

TEST(ReadCellMultiples, RefusesZeroAndSeventeenWithTheRangeMessage) {
    for (const char* refused : {"0", "17", "99999999999"}) {
        std::array<int, 3> multiples{2, 2, 2};
        const auto refusal = ReadCellMultiples({"4", refused, "5"}, multiples);
        ASSERT_TRUE(refusal) << refused;
        EXPECT_EQ(refusal->axis, 1);
        EXPECT_EQ(refusal->message, kRange);
        EXPECT_EQ(multiples, (std::array<int, 3>{4, 2, 2}));  // x read, z not
    }
}

TEST(ReadCellMultiples, RefusesWhatIsNotAnUnsignedIntegerBeforeTheRange) {
    for (const char* refused : {"", "-2", "+2", "two", "2.0", "1 2"}) {
        std::array<int, 3> multiples{1, 1, 1};
        const auto refusal = ReadCellMultiples({"3", "3", refused}, multiples);
        ASSERT_TRUE(refusal) << refused;
        EXPECT_EQ(refusal->axis, 2);
        EXPECT_EQ(refusal->message, kNotANumber);
    }
}

TEST(ReadCellMultiples, ReadsXFirst) {
    std::array<int, 3> multiples{1, 1, 1};
    EXPECT_EQ(ReadCellMultiples({"0", "x", "17"}, multiples)->axis, 0);
}

}  // namespace
}  // namespace kiva
