// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/render/png_file.h"

#include <gtest/gtest.h>
#include <png.h>

#include "tests/support/temp_dir.h"

namespace kiva::render_tool {
namespace {

// Reads a PNG file back into blue, green, red bytes.
BgrPicture ReadBack(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    BgrPicture picture;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return picture;
    image.format = PNG_FORMAT_BGR;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.bytes.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.bytes.data(), 0, nullptr))
        picture = {};
    return picture;
}

BgrPicture Gradient(int width, int height) {
    BgrPicture picture{width, height, {}};
    for (int i = 0; i < width * height * 3; ++i) picture.bytes.push_back(static_cast<std::uint8_t>(i * 7 % 251));
    return picture;
}

TEST(WritePngFile, WritesEveryByteToReadBack) {
    testing::TempDir dir;
    const BgrPicture picture = Gradient(340, 123);
    std::string error;
    ASSERT_TRUE(WritePngFile(dir.File("picture.png"), picture, error)) << error;
    const BgrPicture back = ReadBack(dir.File("picture.png"));
    EXPECT_EQ(back.width, 340);
    EXPECT_EQ(back.height, 123);
    EXPECT_EQ(back.bytes, picture.bytes);
}

TEST(WritePngFile, SaysWhyItCannotWrite) {
    testing::TempDir dir;
    std::string error;
    EXPECT_FALSE(WritePngFile(dir.File("no-such-folder/picture.png"), Gradient(4, 4), error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace kiva::render_tool
