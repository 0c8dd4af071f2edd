// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/print_layout.h"

#include <algorithm>

#include "render/view_state.h"

namespace kiva {

PrintPlacement PlacePrintedPicture(int screenWidth, int pageWidth, int pageHeight, float printScale) {
    return PlacePrintedPicture(screenWidth, PictureArea{}, pageWidth, pageHeight, printScale);
}

PrintPlacement PlacePrintedPicture(int screenWidth, PictureArea picture, int pageWidth, int pageHeight, float printScale) {
    const int left = pageWidth / 10, top = pageHeight / 10;
    if (screenWidth <= 0) return {left, top, 0, 0};
    // In this order, so the fixed picture's sizes truncate exactly as they always have.
    const auto printedSize = [&](double pictureSize) {
        return pictureSize * pageWidth / screenWidth * static_cast<double>(printScale);
    };
    // A picture wider or taller than the page inside its margins (a large window's, or a big print
    // size on a small screen) shrinks to fit, keeping its shape, rather than running off the page.
    const double fit = std::min((pageWidth - 2.0 * left) / printedSize(picture.width),
                                (pageHeight - 2.0 * top) / printedSize(picture.height));
    const double shrink = fit < 1.0 ? std::max(fit, 0.0) : 1.0;
    const auto deviceSize = [&](double pictureSize) {
        return static_cast<int>(std::clamp(printedSize(pictureSize) * shrink, 0.0, 1e9));  // truncated toward zero
    };
    return {left, top, deviceSize(picture.width), deviceSize(picture.height / 4.0)};
}

PictureArea PrintedPictureArea(const PrintPlacement& place) {
    const double width = std::max(place.width, 1), height = std::max(place.height(), 1);
    const double shrink = std::min(1.0, kMaxPictureSide / std::max(width, height));
    return BoundedPictureArea(static_cast<int>(width * shrink), static_cast<int>(height * shrink));
}

}  // namespace kiva
