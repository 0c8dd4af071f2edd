// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Pictures as PNG files, written with libpng alone, so a tool that draws in the core needs no
// window system.
#include <cstdint>
#include <string>
#include <vector>

namespace kiva::render_tool {

// A picture of `width` x `height` pixels: blue, green, red bytes in top-down rows.
struct BgrPicture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> bytes;
};

// Writes the picture as an 8-bit RGB PNG file; false, with libpng's reason in `error`, when it
// cannot. Compressed for speed: the files are for worksheets and slides, not for archives.
bool WritePngFile(const std::string& path, const BgrPicture& picture, std::string& error);

}  // namespace kiva::render_tool
