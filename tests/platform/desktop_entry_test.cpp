// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/desktop_entry.h"

#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/support/file_size_limit.h"
#include "tests/support/temp_dir.h"

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

TEST(WriteDesktopFile, WritesTheWholeFileInNewFoldersAndReadsItBackEqual) {
    testing::TempDir dir;
    const std::string path = dir.File("share/applications/kiva.desktop");
    const std::string entry = "[Desktop Entry]\nType=Application\nName=Kiva\nExec=kiva %F\n";
    EXPECT_TRUE(WriteDesktopFile(path, entry));
    EXPECT_EQ(ReadDesktopFile(path), entry);
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));
    EXPECT_TRUE(WriteDesktopFile(path, "[Desktop Entry]\n"));  // a shorter one replaces it whole
    EXPECT_EQ(ReadDesktopFile(path), "[Desktop Entry]\n");
}

// However the write fails, the entry that was there stays as it was and no temporary is left.
TEST(WriteDesktopFile, AFailedWriteLeavesTheOldFileAndReportsTheFailure) {
    testing::TempDir dir;
    const std::string path = dir.File("kiva.desktop");
    const std::string old = "[Desktop Entry]\nName=Old\n";
    const std::string entry = "[Desktop Entry]\nName=" + std::string(4096, 'K') + "\n";
    testing::WriteFile(path, old);
    {
        const testing::FileSizeLimit diskFull(64);
        EXPECT_FALSE(WriteDesktopFile(path, entry));
    }
    EXPECT_EQ(ReadDesktopFile(path), old);
    EXPECT_FALSE(std::filesystem::exists(path + ".new"));

    std::filesystem::create_directory(path + ".new");  // the temporary's name is taken
    EXPECT_FALSE(WriteDesktopFile(path, entry));
    EXPECT_EQ(ReadDesktopFile(path), old);
    std::filesystem::remove(path + ".new");

    if (::geteuid() != 0) {  // root writes into a read-only folder all the same
        std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        EXPECT_FALSE(WriteDesktopFile(path, entry));
        EXPECT_EQ(ReadDesktopFile(path), old);
    }
}

}  // namespace
}  // namespace kiva
