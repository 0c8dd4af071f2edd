// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include "platform/text_fields.h"

namespace kiva {
namespace {

TEST(SplitFields, LeavesOutEmptyFields) {
    EXPECT_EQ(SplitFields("/a//b c/", '/'), (std::vector<std::string>{"a", "b c"}));
    EXPECT_EQ(SplitFields(":::", ':'), std::vector<std::string>{});
    EXPECT_EQ(SplitFields("", ' '), std::vector<std::string>{});
}

TEST(TrimBlanks, RemovesBlanksAndTabsAroundOnly) {
    EXPECT_EQ(TrimBlanks(" \tMolecule \t"), "Molecule");
    EXPECT_EQ(TrimBlanks("a  b"), "a  b");
    EXPECT_EQ(TrimBlanks(" \t "), "");
}

}  // namespace
}  // namespace kiva
