// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/print_layout.h"

#include <algorithm>

#include "render/view_state.h"

namespace kiva {

PrintPlacement PlacePrintedPicture(int screenWidth, int pageWidth, int pageHeight, float printScale) {
    return PlacePrintedPicture(screenWidth, PictureArea{}, pageWidth, pageHeight, printScale);
}

PrintPlacement PlacePrintedPicture(int screenWidth, PictureArea picture, int pageWidth, int pageHeight, float printScale) {
    const auto deviceSize = [&](double pictureSize) {
        if (screenWidth <= 0) return 0;
        const double size = pictureSize * pageWidth / screenWidth * static_cast<double>(printScale);
        return static_cast<int>(std::clamp(size, 0.0, 1e9));  // truncated toward zero
    };
    return {pageWidth / 10, pageHeight / 10, deviceSize(picture.width), deviceSize(picture.height / 4.0)};
}

PictureArea PrintedPictureArea(const PrintPlacement& place) {
    const double width = std::max(place.width, 1), height = std::max(place.height(), 1);
    const double shrink = std::min(1.0, kMaxPictureSide / std::max(width, height));
    return BoundedPictureArea(static_cast<int>(width * shrink), static_cast<int>(height * shrink));
}

}  // namespace kiva
