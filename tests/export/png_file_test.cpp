// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/png_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "tests/export/png_read_back.h"
#include "tests/support/temp_dir.h"

namespace kiva {
namespace {

// Bytes that do not compress, so the file is about as large as the picture.
Picture Noise(int width, int height) {
    Picture picture{width, height, {}};
    unsigned seed = 12345;
    for (int i = 0; i < width * height * 3; ++i) {
        seed = seed * 1103515245u + 12345u;
        picture.colour.push_back(static_cast<std::uint8_t>(seed >> 16));
    }
    return picture;
}

std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    return names;
}

TEST(WritePngFile, WritesEveryByteToReadBack) {
    testing::TempDir dir;
    const Picture picture = Noise(340, 123);
    const ExportResult written = WritePngFile(dir.File("picture.png"), picture);
    ASSERT_TRUE(written.Ok()) << written.detail;
    const Picture back = testing::ReadPngBack(dir.File("picture.png"));
    EXPECT_EQ(back.width, 340);
    EXPECT_EQ(back.height, 123);
    EXPECT_EQ(back.colour, picture.colour);
    EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"picture.png"});
}

TEST(WritePngFile, SaysWhyItCannotCreateTheFile) {
    testing::TempDir dir;
    const ExportResult nowhere = WritePngFile(dir.File("no-such-folder/picture.png"), Noise(4, 4));
    EXPECT_EQ(nowhere.problem, ExportProblem::CannotCreate);
    EXPECT_FALSE(nowhere.detail.empty());
    EXPECT_EQ(WritePngFile(dir.Path(), Noise(4, 4)).problem, ExportProblem::CannotCreate);
    EXPECT_TRUE(NamesIn(dir.Path()).empty());
}

// A disk that fills part way: the file size limit stops the write as a full disk would.
TEST(WritePngFile, AWriteThatFailsPartWayLeavesTheOlderFileAndNoOther) {
    testing::TempDir dir;
    const std::string path = dir.File("picture.png");
    testing::WriteFile(path, "last week's picture");
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const ExportResult full = WritePngFile(path, Noise(200, 200));
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousSignal);
    EXPECT_EQ(full.problem, ExportProblem::CannotWrite);
    EXPECT_EQ(testing::ReadFile(path), "last week's picture");
    EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"picture.png"});
}

}  // namespace
}  // namespace kiva
