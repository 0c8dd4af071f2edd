// SPDX-License-Identifier: GPL-2.0-or-later
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "export/animation_writer.h"

namespace kiva {
namespace {

namespace fs = std::filesystem;

// The delays of a GIF of `frames` grey frames at `rate` frames a second, read back with giflib.
std::vector<int> DelaysOf(int frames, int rate) {
    const fs::path path = fs::temp_directory_path() /
                          ("kiva-gif-delays-" + std::to_string(getpid()) + "-" + std::to_string(rate) + ".gif");
    const AnimationFileSpec spec{path.string(), 8, 6, rate};
    ExportResult result;
    const auto writer = OpenGifWriter(spec, result);
    EXPECT_TRUE(writer) << result.detail;
    if (!writer) return {};
    for (int i = 0; i < frames; ++i) {
        const std::uint8_t grey = static_cast<std::uint8_t>(i);
        const Picture frame{spec.width, spec.height, std::vector<std::uint8_t>(3 * 8 * 6, grey)};
        EXPECT_TRUE(writer->AddFrame(frame).Ok());
    }
    EXPECT_TRUE(writer->Finish().Ok());

    std::vector<int> delays;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(spec.path.c_str(), &error);
    EXPECT_NE(gif, nullptr) << GifErrorString(error);
    if (gif && DGifSlurp(gif) == GIF_OK) {
        for (int i = 0; i < gif->ImageCount; ++i) {
            GraphicsControlBlock control{};
            EXPECT_EQ(DGifSavedExtensionToGCB(gif, i, &control), GIF_OK);
            delays.push_back(control.DelayTime);
        }
    }
    if (gif) DGifCloseFile(gif, &error);
    fs::remove(path);
    return delays;
}

// GIF delays are whole hundredths: each frame ends at the hundredth nearest its true end, so
// the frames keep the rate however long the animation runs.
TEST(GifWriter, DelaysEndEachFrameAtTheNearestHundredth) {
    const std::vector<int> twelve = DelaysOf(24, 12);
    const std::vector<int> expected{8, 9, 8, 8, 9, 8, 8, 9, 8, 8, 9, 8, 8, 9, 8, 8, 9, 8, 8, 9, 8, 8, 9, 8};
    EXPECT_EQ(twelve, expected);
    for (const int rate : {7, 12, 15, 24, 30, 33, 50}) {
        const std::vector<int> delays = DelaysOf(2 * rate, rate);
        ASSERT_EQ(delays.size(), static_cast<std::size_t>(2 * rate));
        int elapsed = 0;
        for (std::size_t frame = 0; frame < delays.size(); ++frame) {
            elapsed += delays[frame];
            const double trueEnd = 100.0 * static_cast<double>(frame + 1) / rate;
            EXPECT_LE(std::abs(elapsed - trueEnd), 0.5) << "frame " << frame << " at " << rate << " a second";
        }
        EXPECT_EQ(elapsed, 200) << rate;
    }
}

}  // namespace
}  // namespace kiva
