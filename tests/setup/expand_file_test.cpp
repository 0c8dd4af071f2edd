// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "setup/expand_file.h"
#include "tests/setup/scripted_pages.h"
#include "tests/support/byte_samples.h"
#include "tests/support/temp_dir.h"
#include "tools/disks/szdd_compress.h"

namespace kiva::setup {
namespace {

namespace fs = std::filesystem;
using kiva::testing::ReadFile;
using kiva::testing::WriteFile;

class ExpandFileTest : public ::testing::Test {
protected:
    ExpandFileTest() {
        fs::create_directory(dir_.File("disk"));
        fs::create_directory(dir_.File("dest"));
        session_.sourceDir = dir_.File("disk/");
        session_.installPath = dir_.File("dest");
        session_.originalSizeKB = 1000;
        session_.chunkSize = ChunkSizeFor(1000);
    }
    ExpandResult Expand(const std::string& source, const std::string& dest) {
        return ExpandFile(session_, source, dest, pages_);
    }

    kiva::testing::TempDir dir_;
    InstallSession session_;
    testing::ScriptedPages pages_{{}};
};

TEST_F(ExpandFileTest, CreatesTheDestinationsDirectoriesAndExpandsIntoThem) {
    const std::string bytes = kiva::testing::RandomBytes(5000, 2);
    WriteFile(dir_.File("disk/a.ex_"), disks::CompressSzdd(bytes, 'e'));
    EXPECT_EQ(Expand("a.ex_", "sub/dir/a.exe"), ExpandResult::Done);
    EXPECT_TRUE(fs::is_directory(dir_.File("dest/sub")));
    EXPECT_EQ(ReadFile(dir_.File("dest/sub/dir/a.exe")), bytes);
    EXPECT_EQ(session_.bytesCopied, 5000);
}

TEST_F(ExpandFileTest, AdvancesTheBarOneStepPerChunk) {
    WriteFile(dir_.File("disk/big"), std::string(60 * 10240 + 5, 'k'));
    EXPECT_EQ(Expand("big", "big"), ExpandResult::Done);
    ASSERT_EQ(pages_.positions.size(), 61u);
    EXPECT_EQ(pages_.positions[49], 50);  // after fifty full chunks
    EXPECT_EQ(pages_.positions.back(), 60);
    EXPECT_EQ(pages_.processedEvents, 61);
}

TEST_F(ExpandFileTest, DrivesTheBarPastTheEndWhenMoreArrivesThanAnnounced) {
    session_.originalSizeKB = 1;  // one percent is 10 bytes
    session_.chunkSize = ChunkSizeFor(1);
    WriteFile(dir_.File("disk/data"), std::string(50000, 'd'));
    EXPECT_EQ(Expand("data", "data"), ExpandResult::Done);
    EXPECT_EQ(pages_.positions.back(), 5000);
    EXPECT_LE(pages_.positions.size(), 13u);  // 4096-byte reads, not 10-byte ones
    EXPECT_EQ(ReadFile(dir_.File("dest/data")).size(), 50000u);
}

TEST_F(ExpandFileTest, StopsAfterTheChunkInProgressWhenTheUserAborts) {
    WriteFile(dir_.File("disk/big"), std::string(5 * 10240, 'k'));
    pages_.abortAtEvent = 1;
    testing::ScriptedPages* pages = &pages_;
    pages_.CreateProgressPage([this, pages] {
        pages->events.push_back("abort pressed");
        session_.abortRequested = true;
    });
    EXPECT_EQ(Expand("big", "big"), ExpandResult::Aborted);
    EXPECT_EQ(ReadFile(dir_.File("dest/big")).size(), 2u * 10240);  // what was written stays
}

TEST_F(ExpandFileTest, GivesAResultForEachFailure) {
    EXPECT_EQ(Expand("missing", "x"), ExpandResult::SourceUnreadable);
    WriteFile(dir_.File("disk/a"), "a");
    fs::create_directory(dir_.File("dest/taken"));
    EXPECT_EQ(Expand("a", "taken"), ExpandResult::DestinationUncreatable);
    WriteFile(dir_.File("dest/file"), "f");
    EXPECT_EQ(Expand("a", "file/below"), ExpandResult::DestinationUncreatable);
    const std::string compressed = disks::CompressSzdd(kiva::testing::RandomBytes(3000, 4));
    WriteFile(dir_.File("disk/damaged"), compressed.substr(0, compressed.size() - 100));
    EXPECT_EQ(Expand("damaged", "damaged"), ExpandResult::ReadError);
}

TEST_F(ExpandFileTest, ReplacesLinksInsteadOfWritingThroughThem) {
    fs::create_directory(dir_.File("outside"));
    WriteFile(dir_.File("outside/victim"), "keep me");
    fs::create_symlink(dir_.File("outside/victim"), dir_.File("dest/kiva"));
    fs::create_symlink(dir_.File("outside"), dir_.File("dest/help"));
    WriteFile(dir_.File("disk/a"), "new");

    EXPECT_EQ(Expand("a", "kiva"), ExpandResult::Done);
    EXPECT_EQ(Expand("a", "help/victim"), ExpandResult::Done);
    EXPECT_EQ(ReadFile(dir_.File("outside/victim")), "keep me");
    EXPECT_FALSE(fs::is_symlink(dir_.File("dest/kiva")));
    EXPECT_FALSE(fs::is_symlink(dir_.File("dest/help")));
    EXPECT_EQ(ReadFile(dir_.File("dest/help/victim")), "new");
}

TEST_F(ExpandFileTest, ReplacesAnExistingFileAndKeepsTheProgramRunnable) {
    WriteFile(dir_.File("dest/kiva"), std::string(10000, 'o'));
    WriteFile(dir_.File("disk/kiva_"), disks::CompressSzdd("#!/bin/sh\n"));
    ::chmod(dir_.File("disk/kiva_").c_str(), 0755);
    WriteFile(dir_.File("disk/data"), "d");
    EXPECT_EQ(Expand("kiva_", "kiva"), ExpandResult::Done);
    EXPECT_EQ(Expand("data", "data"), ExpandResult::Done);
    EXPECT_EQ(ReadFile(dir_.File("dest/kiva")), "#!/bin/sh\n");
    EXPECT_EQ(::access(dir_.File("dest/kiva").c_str(), X_OK), 0);
    struct stat status {};
    ::stat(dir_.File("dest/data").c_str(), &status);
    EXPECT_EQ(status.st_mode & S_IXUSR, 0u);
}

}  // namespace
}  // namespace kiva::setup
