// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/desktop_entry.h"

#include <gtest/gtest.h>

namespace kiva {
namespace {

using Command = std::vector<std::string>;

// Paths holding every character the Exec format reserves, and the '%' it reserves for field codes.
const std::vector<std::string> kHostilePaths = {
    "/usr/bin/kiva", "/home/a b/Kiva/kiva", "/opt/$HOME/`x`/\"q\"/back\\slash/kiva", "/tmp/tab\there/kiva",
    "/home/s/Kiva 100% sure/kiva", "/home/s/100%%/%F/kiva", "/home/s/it's ~ (a) <b> | & ; * ? #/kiva",
    "/home/s/line\nbreak/kiva", "/home/s/ends with a space /kiva"};

TEST(DesktopExecCommand, ReadsBackEveryCommandAsItWasWritten) {
    for (const std::string& path : kHostilePaths) {
        EXPECT_EQ(DesktopExecCommand(DesktopExecLine({path})), Command{path}) << path;
        EXPECT_EQ(DesktopExecCommand(DesktopExecLine({path, "--help-topics"})), (Command{path, "--help-topics"})) << path;
        // A launcher's field code stands alone after the program and adds nothing here.
        EXPECT_EQ(DesktopExecProgram(DesktopExecLine({path}) + " %F"), path) << path;
        EXPECT_EQ(DesktopExecLine({path}).find('\n'), std::string::npos) << "one line of the entry";
    }
    // The shell's own path holds no '%', so GLib finds the program before it turns "%%" into '%'.
    const std::string percent = DesktopExecLine({"/a 100% b/kiva"});
    EXPECT_EQ(percent.substr(0, 11), "/bin/sh -c ");
    EXPECT_EQ(percent.find("100% "), std::string::npos);
    EXPECT_EQ(DesktopExecLine({"/usr/bin/kiva", "50%"}), "/usr/bin/kiva 50%%");
}

TEST(DesktopExecCommand, RefusesValuesThatBreakTheQuotingRules) {
    for (const std::string value : {"", "\"/opt/kiva %F", "/opt/100%/kiva", "\"/opt/%f/kiva\"", "/opt/a$b/kiva",
                                    "\"/opt/a\\\\qb\"", "/opt/kiva\\", "/opt/ki\\xva", "\"/opt/a\\\\\" x"})
        EXPECT_EQ(DesktopExecCommand(value), std::nullopt) << value;
}

TEST(DesktopEntryString, KeepsTheBlanksAtEitherEndAndReadsBack) {
    for (const std::string text : {" lead", "trail ", "a\\b", "tab\tand\nline", "100% sure"}) {
        const std::string value = DesktopEntryString(text);
        EXPECT_NE(value.front(), ' ');
        EXPECT_NE(value.back(), ' ');
        EXPECT_EQ(ReadDesktopEntryString(value), text);
    }
    EXPECT_EQ(ReadDesktopEntryString("a\\qb"), std::nullopt);
}

}  // namespace
}  // namespace kiva
