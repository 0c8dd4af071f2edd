// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "export/mp4_writer.h"
#include "tests/export/video_read_back.h"
#include "tests/support/temp_dir.h"

namespace kiva {
namespace {

namespace fs = std::filesystem;

class Mp4Writer : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return folder_.File(name); }
    testing::TempDir folder_;
};

// A bar that crosses the picture, so the encoder has motion to predict.
Picture MovingBar(int width, int height, int frame) {
    Picture picture{width, height, std::vector<std::uint8_t>(3 * static_cast<std::size_t>(width * height), 40)};
    for (int y = 0; y < height; ++y)
        for (int x = (4 * frame) % width, end = std::min(width, x + 8); x < end; ++x)
            picture.colour[3 * static_cast<std::size_t>(y * width + x) + 2] = 230;
    return picture;
}

ExportResult WriteVideo(const AnimationFileSpec& spec, int frames) {
    ExportResult result;
    const auto writer = OpenMp4Writer(spec, result);
    for (int i = 0; writer && result.Ok() && i < frames; ++i)
        result = writer->AddFrame(MovingBar(spec.width, spec.height, i));
    return writer && result.Ok() ? writer->Finish() : result;
}

TEST_F(Mp4Writer, StreamLastsTheFrameCountOverTheRate) {
    struct Case {
        int frames, rate;
        double seconds;
    };
    for (const Case& video : {Case{24, 12, 2.0}, Case{36, 12, 3.0}, Case{25, 10, 2.5}, Case{50, 50, 1.0}}) {
        const AnimationFileSpec spec{PathOf(std::to_string(video.rate) + ".mp4"), 64, 48, video.rate};
        const ExportResult result = WriteVideo(spec, video.frames);
        ASSERT_TRUE(result.Ok()) << static_cast<int>(result.problem) << " " << result.detail;
        const auto facts = ReadVideoFacts(spec.path);
        ASSERT_TRUE(facts) << spec.path;
        EXPECT_EQ(facts->codec, AV_CODEC_ID_H264);
        EXPECT_EQ(facts->packets, video.frames);
        EXPECT_EQ(facts->frameRate.num, video.rate * facts->frameRate.den) << video.rate;
        EXPECT_NEAR(facts->seconds, video.seconds, 1e-6) << video.frames << " frames at " << video.rate;
    }
}

// Without FFmpeg's libraries (or with one that lacks a function) the export says which, and
// makes no file.
TEST_F(Mp4Writer, MissingLibraryIsNamedAndNoFileIsMade) {
    ASSERT_TRUE(SystemVideoLibrary().result.Ok()) << SystemVideoLibrary().result.detail;
    VideoLibraryNames absent = BuiltVideoLibraryNames();
    absent.avformat = "libavformat.so.0.kiva-test-absent";
    VideoLibraryNames twoAbsent = absent;
    twoAbsent.avutil = "libavutil.so.0.kiva-test-absent";
    VideoLibraryNames wrong = BuiltVideoLibraryNames();
    wrong.swscale = wrong.avutil;  // opens, but has none of libswscale's functions
    struct Case {
        VideoLibraryNames names;
        std::string detail;
    };
    for (const Case& broken : {Case{absent, absent.avformat},
                               Case{twoAbsent, twoAbsent.avutil + ", " + absent.avformat},
                               Case{wrong, "sws_getContext in " + wrong.avutil}}) {
        const LoadedVideoLibrary library = LoadVideoLibrary(broken.names);
        EXPECT_EQ(library.result.problem, ExportProblem::VideoLibraryMissing);
        EXPECT_EQ(library.result.detail, broken.detail);
        ExportResult result;
        const AnimationFileSpec spec{PathOf("turn.mp4"), 64, 48, 12};
        EXPECT_EQ(OpenMp4Writer(spec, library, result), nullptr);
        EXPECT_EQ(result.problem, ExportProblem::VideoLibraryMissing);
        EXPECT_EQ(result.detail, broken.detail);
        EXPECT_FALSE(fs::exists(spec.path));
    }
}

}  // namespace
}  // namespace kiva
