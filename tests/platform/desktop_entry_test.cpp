// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/desktop_entry.h"

#include <gtest/gtest.h>

namespace kiva {
namespace {

TEST(DesktopExecProgram, ReadsBackEveryQuotedProgramPath) {
    for (const std::string path : {"/usr/bin/kiva", "/home/a b/Kiva/kiva", "/opt/$HOME/`x`/\"q\"/back\\slash/kiva",
                                   "/tmp/tab\there/kiva"}) {
        EXPECT_EQ(DesktopExecProgram(QuoteDesktopExecArgument(path) + " %F"), path);
        EXPECT_EQ(DesktopExecProgram(QuoteDesktopExecArgument(path)), path);
    }
}

TEST(DesktopExecProgram, GivesNothingForAnUnclosedQuote) {
    EXPECT_EQ(DesktopExecProgram("\"/opt/kiva %F"), "");
    EXPECT_EQ(DesktopExecProgram(""), "");
}

}  // namespace
}  // namespace kiva
