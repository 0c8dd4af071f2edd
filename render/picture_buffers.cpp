// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/picture_buffers.h"

namespace kiva {

void PictureBuffers::Resize(PictureArea area) {
    const PictureArea bounded = BoundedPictureArea(area.width, area.height);
    width = bounded.width;
    height = bounded.height;
    const auto pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    colour.resize(3 * pixels);
    depth.resize(pixels);
}

}  // namespace kiva
