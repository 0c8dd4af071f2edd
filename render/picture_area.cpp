// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/picture_area.h"

#include <algorithm>

namespace kiva {

PictureArea BoundedPictureArea(int width, int height) {
    return {std::clamp(width, kMinPictureSide, kMaxPictureSide), std::clamp(height, kMinPictureSide, kMaxPictureSide)};
}

PictureMap MapOfArea(PictureArea area) {
    const PictureArea bounded = BoundedPictureArea(area.width, area.height);
    const int side = std::min(bounded.width, bounded.height);
    // In whole pixels, so the 340 square itself lands exactly on its pixels.
    return {bounded.width, bounded.height, static_cast<float>(side) / static_cast<float>(kPictureUnits),
            (bounded.width - side) / 2, (bounded.height - side) / 2};
}

PictureBounds BoundsOf(const PictureMap& map) {
    return {static_cast<float>(-map.left) / map.scale, static_cast<float>(-map.bottom) / map.scale,
            static_cast<float>(map.width - map.left) / map.scale, static_cast<float>(map.height - map.bottom) / map.scale};
}

}  // namespace kiva
