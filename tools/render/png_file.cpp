// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/render/png_file.h"

#include <png.h>

#include <algorithm>

namespace kiva::render_tool {

BgrPicture Enlarged(const BgrPicture& picture, int factor) {
    BgrPicture large;
    large.size = picture.size * factor;
    large.bytes.resize(static_cast<std::size_t>(large.size) * static_cast<std::size_t>(large.size) * 3);
    const std::size_t largeRow = static_cast<std::size_t>(large.size) * 3;
    for (int row = 0; row < large.size; ++row) {
        const std::uint8_t* from = &picture.bytes[static_cast<std::size_t>(row / factor) * static_cast<std::size_t>(picture.size) * 3];
        std::uint8_t* to = &large.bytes[static_cast<std::size_t>(row) * largeRow];
        for (int x = 0; x < large.size; ++x) std::copy_n(from + static_cast<std::size_t>(x / factor) * 3, 3, to + static_cast<std::size_t>(x) * 3);
    }
    return large;
}

bool WritePngFile(const std::string& path, const BgrPicture& picture, std::string& error) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.size);
    image.height = static_cast<png_uint_32>(picture.size);
    image.format = PNG_FORMAT_BGR;
    image.flags = PNG_IMAGE_FLAG_FAST;
    if (png_image_write_to_file(&image, path.c_str(), 0, picture.bytes.data(), picture.size * 3, nullptr)) return true;
    error = image.message;
    png_image_free(&image);
    return false;
}

}  // namespace kiva::render_tool
