// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A finished picture, as the window shows it and every export writes it, and how it is drawn.
#include <cstdint>
#include <vector>

namespace kiva {

// width x height pixels of blue, green, red bytes in top-down rows.
struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> colour;
};

// What a picture shows beyond the view itself.
struct PictureStyle {
    std::uint8_t background = 0;  // the grey behind the model: 0 black on screen, 255 white on paper
    bool frame = true;            // the window's 1-pixel green frame round the picture
    // The edges of spheres, tubes and see-through faces blended by how much of each edge pixel
    // they cover; pixels farther than one pixel from an edge keep their bytes.
    bool smooth = false;
};

}  // namespace kiva
