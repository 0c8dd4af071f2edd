// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/render/png_file.h"

#include <png.h>

#include <algorithm>

namespace kiva::render_tool {

bool WritePngFile(const std::string& path, const BgrPicture& picture, std::string& error) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_BGR;
    image.flags = PNG_IMAGE_FLAG_FAST;
    if (png_image_write_to_file(&image, path.c_str(), 0, picture.bytes.data(), picture.width * 3, nullptr)) return true;
    error = image.message;
    png_image_free(&image);
    return false;
}

}  // namespace kiva::render_tool
