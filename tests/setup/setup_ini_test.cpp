// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include "setup/setup_ini.h"
#include "tests/support/temp_dir.h"

namespace kiva::setup {
namespace {

const std::string kHome = "/home/student";

std::optional<InstallSession> Read(const std::string& text) {
    InstallSession session;
    if (!ReadSetupDescription(text, kHome, session)) return std::nullopt;
    return session;
}

TEST(ReadFilteredLine, KeepsOnlyTheDescriptionsCharactersAndStopsAtTheLineFeed) {
    const std::string text = "Disks=2\r\nna-me\tx.y:[a\\b]_\nlast";
    const auto first = ReadFilteredLine(text, 0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->text, "Disks 2");
    const auto second = ReadFilteredLine(text, first->next);
    EXPECT_EQ(second->text, "na me x.y:[a\\b]_");
    const auto third = ReadFilteredLine(text, second->next);
    EXPECT_EQ(third->text, "last");
    EXPECT_FALSE(ReadFilteredLine(text, third->next));
}

TEST(ReadFilteredLine, ReadsAtMost127CharactersAndResumesAfterTheLineFeed) {
    const std::string text = std::string(127, 'a') + "\n" + std::string(200, 'b') + "\nnext";
    const auto fits = ReadFilteredLine(text, 0);
    EXPECT_FALSE(fits->overlong);
    const auto tooLong = ReadFilteredLine(text, fits->next);
    EXPECT_TRUE(tooLong->overlong);
    EXPECT_EQ(tooLong->text, std::string(127, 'b'));
    EXPECT_EQ(ReadFilteredLine(text, tooLong->next)->text, "next");
}

TEST(ScanTwoWords, NeedsTwoWordsOfAtMost63Characters) {
    EXPECT_EQ(ScanTwoWords("  key   value  extra").second, "value");
    EXPECT_EQ(ScanTwoWords("alone").kind, TwoWords::Kind::Fewer);
    EXPECT_EQ(ScanTwoWords("").kind, TwoWords::Kind::Fewer);
    EXPECT_EQ(ScanTwoWords(std::string(63, 'a') + " b").kind, TwoWords::Kind::Words);
    EXPECT_EQ(ScanTwoWords(std::string(64, 'a') + " b").kind, TwoWords::Kind::TooLong);
}

TEST(ReadSetupDescription, ReadsKeyLinesWithEqualsSignsAndSpacesAlike) {
    const auto withEquals = Read("[General]\nDisks=1\nOriginalSize=1000\nInstallPath=Kiva\n[Disk1]\n");
    const auto withSpaces = Read("[General]\nDisks 1\nOriginalSize 1000\nInstallPath Kiva\n[Disk1]\n");
    ASSERT_TRUE(withEquals && withSpaces);
    for (const auto& session : {*withEquals, *withSpaces}) {
        EXPECT_EQ(session.diskCount, 1);
        EXPECT_EQ(session.originalSizeKB, 1000);
        EXPECT_EQ(session.installPath, "/home/student/Kiva");
        EXPECT_EQ(session.chunkSize, 10240);
    }
}

TEST(ReadSetupDescription, ReadsEachDisksFilesUntilALineWithoutTwoWords) {
    const auto session = Read(
        "; Kiva's disks\n[General]\nDisks=2\nOriginalSize=20\nInstallPath=\\opt\\kiva\n\n"
        "[Disk2]\nb.da_ data\\b.dat\n"
        "[Disk1]\nkiva_ kiva\nsub\\dir\\a.ex_ sub\\dir\\a.exe\n\nlost after_blank\n");
    ASSERT_TRUE(session);
    EXPECT_EQ(session->installPath, "/opt/kiva");
    ASSERT_EQ(session->disks.size(), 2u);
    EXPECT_EQ(session->disks[0].sourceNames, (std::vector<std::string>{"kiva_", "sub/dir/a.ex_"}));
    EXPECT_EQ(session->disks[0].destNames, (std::vector<std::string>{"kiva", "sub/dir/a.exe"}));
    // The next section's header has one word, so it ends the list as a blank line does.
    EXPECT_EQ(session->disks[1].destNames, (std::vector<std::string>{"data/b.dat"}));
}

TEST(ReadSetupDescription, SplitsANameAtACharacterOutsideTheKeptSet) {
    const auto session = Read("[General]\nDisks=1\nOriginalSize=1\nInstallPath=k\n[Disk1]\nmy-file.txt x\n");
    ASSERT_TRUE(session);
    EXPECT_EQ(session->disks[0].sourceNames, std::vector<std::string>{"my"});
    EXPECT_EQ(session->disks[0].destNames, std::vector<std::string>{"file.txt"});
}

TEST(ReadSetupDescription, MapsInstallPathToTheHomeDirectoryOrTheRoot) {
    EXPECT_EQ(InstallPathFromIni("c:\\kiva", kHome), "/kiva");
    EXPECT_EQ(InstallPathFromIni("d:kiva", kHome), "/home/student/kiva");
    EXPECT_EQ(InstallPathFromIni("apps\\kiva\\", kHome), "/home/student/apps/kiva");
    EXPECT_EQ(InstallPathFromIni("", kHome), "");
}

TEST(ReadSetupDescription, RefusesIncompleteDescriptions) {
    const std::string disk = "[Disk1]\na b\n";
    EXPECT_FALSE(Read("Disks=1\nOriginalSize=1\nInstallPath=k\n" + disk)) << "no [General]";
    EXPECT_FALSE(Read("[General]\nDisks=1\nOriginalSize=1\n")) << "two key lines";
    EXPECT_FALSE(Read("[General]\nDisks=1\n\nOriginalSize=1\n" + disk)) << "a blank key line";
    EXPECT_FALSE(Read("[General]\nDisks=0\nOriginalSize=1\nInstallPath=k\n" + disk)) << "no disks";
    EXPECT_FALSE(Read("[General]\nDisks=1\nOriginalSize=0\nInstallPath=k\n" + disk)) << "no size";
    EXPECT_FALSE(Read("[General]\nDisks=1\nSize=1\nInstallPath=k\n" + disk)) << "size missing";
    EXPECT_FALSE(Read("[General]\nDisks=2\nOriginalSize=1\nInstallPath=k\n" + disk)) << "no [Disk2]";
    EXPECT_FALSE(Read("[General]\nDisks=99999999999\nOriginalSize=1\nInstallPath=k\n" + disk)) << "overflow";
    EXPECT_FALSE(Read("[General]\nDisks=1000\nOriginalSize=1\nInstallPath=k\n" + disk)) << "too many disks";
    EXPECT_TRUE(Read("[General]\nDisks=1\nOriginalSize=1\nInstallPath=k\n[Disk1]")) << "an empty disk is allowed";
}

TEST(ReadSetupDescription, RefusesNamesThatLeaveTheirDirectory) {
    const std::string general = "[General]\nDisks=1\nOriginalSize=1\nInstallPath=k\n[Disk1]\n";
    for (const char* line : {"a ..\\..\\.bashrc", "a sub\\..\\..\\x", "a \\etc\\passwd", "a c:\\x", "a c:x",
                             "..\\secret b", "\\etc\\passwd b", "a sub\\", "a ..", "a sub\\."})
        EXPECT_FALSE(Read(general + line + "\n")) << line;
    EXPECT_TRUE(Read(general + "a.b sub\\.\\x..y\n"));
}

TEST(ReadSetupDescription, SurvivesHostileSizes) {
    const std::string general = "[General]\nDisks=1\nOriginalSize=1\nInstallPath=k\n[Disk1]\n";
    EXPECT_FALSE(Read(general + "a " + std::string(1'000'000, 'b') + "\n")) << "a 1 MB line";
    EXPECT_FALSE(Read("[General]\nDisks=1" + std::string(1'000'000, ' ') + "\nOriginalSize=1\nInstallPath=k\n[Disk1]\n"));
    EXPECT_FALSE(Read(general + "a " + std::string(64, 'b') + "\n")) << "a word too long";
    EXPECT_FALSE(Read(general + std::string(5 << 20, '\n'))) << "larger than a description may be";

    std::string many = general;
    for (int i = 0; i < 10000; ++i) many += "f" + std::to_string(i) + " d" + std::to_string(i) + "\n";
    const auto session = Read(many);
    ASSERT_TRUE(session);
    EXPECT_EQ(session->disks[0].destNames.size(), 10000u);
}

TEST(ReadSetupFile, ReadsSetupIniBesideTheProgram) {
    testing::TempDir dir;
    InstallSession session;
    session.sourceDir = dir.Path() + "/";
    EXPECT_FALSE(ReadSetupFile(session, kHome));
    testing::WriteFile(dir.File("Setup.ini"), "[General]\nDisks=1\nOriginalSize=5\nInstallPath=k\n[Disk1]\na b\n");
    ASSERT_TRUE(ReadSetupFile(session, kHome));
    EXPECT_EQ(session.disks[0].destNames, std::vector<std::string>{"b"});
    EXPECT_EQ(session.iniText.substr(0, 9), "[General]");
}

TEST(ChunkSize, IsOnePercentOfTheAnnouncedSizeAndNeverZero) {
    EXPECT_EQ(ChunkSizeFor(1000), 10240);
    EXPECT_EQ(ChunkSizeFor(1), 10);
    EXPECT_EQ(ChunkSizeFor(0), 1);
    EXPECT_EQ(ChunkSizeFor(2147483647), 21990232545);
    EXPECT_EQ(ExpansionBufferSize(10240), 10240u);
    EXPECT_EQ(ExpansionBufferSize(1), 4096u);
    EXPECT_EQ(ExpansionBufferSize(21990232545), 1u << 20);
}

}  // namespace
}  // namespace kiva::setup
