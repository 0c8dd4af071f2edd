// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reads a PNG file back into blue, green, red bytes, to check what an export wrote.
#include <png.h>

#include <string>

#include "export/png_file.h"

namespace kiva::testing {

// An empty picture when the file is missing or not a PNG file.
inline Picture ReadPngBack(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    Picture picture;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return picture;
    image.format = PNG_FORMAT_BGR;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.colour.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.colour.data(), 0, nullptr)) picture = {};
    return picture;
}

}  // namespace kiva::testing
