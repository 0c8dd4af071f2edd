// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One frame of an animation as the renderer makes it.
#include <cstdint>
#include <vector>

namespace kiva {

// width x height pixels of blue, green, red bytes in top-down rows.
struct AnimationPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgr;
};

}  // namespace kiva
