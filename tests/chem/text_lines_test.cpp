// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/text_lines.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace kiva {
namespace {

TEST(ReadLine, DropsLineEndsAndDiscardsTheExcessOfLongLines) {
    testing::TempDir dir;
    testing::WriteFile(dir.File("t"), "ab\r\ncd\n\r\n123456789\nlast");
    FilePointer file(std::fopen(dir.File("t").c_str(), "rb"));
    EXPECT_EQ(ReadLine(file.get(), 5), "ab");
    EXPECT_EQ(ReadLine(file.get(), 5), "cd");
    EXPECT_EQ(ReadLine(file.get(), 5), "");
    EXPECT_EQ(ReadLine(file.get(), 5), "12345");
    EXPECT_EQ(ReadLine(file.get(), 5), "last");
    EXPECT_EQ(ReadLine(file.get(), 5), std::nullopt);
}

TEST(ParseNumbers, AcceptsWholeWordsOnly) {
    EXPECT_EQ(ParseInt("-12"), -12);
    EXPECT_EQ(ParseInt("+7"), 7);
    EXPECT_EQ(ParseInt("12a"), std::nullopt);
    EXPECT_EQ(ParseInt("-"), std::nullopt);
    EXPECT_EQ(ParseInt("-99999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(ParseLowByte("511"), 255u);
    EXPECT_EQ(ParseLowByte("-256"), 0u);
    EXPECT_EQ(ParseFloat("1.89"), 1.89f);
    EXPECT_EQ(ParseFloat("+0.5"), 0.5f);
    EXPECT_EQ(ParseFloat("inf"), std::nullopt);
    EXPECT_EQ(ParseFloat("1.0x"), std::nullopt);
}

}  // namespace
}  // namespace kiva
