// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/print_layout.h"

#include <algorithm>

#include "render/view_state.h"

namespace kiva {

PrintPlacement PlacePrintedPicture(int screenWidth, int pageWidth, int pageHeight, float printScale) {
    const auto deviceSize = [&](int pictureSize) {
        if (screenWidth <= 0) return 0;
        const double size = static_cast<double>(pictureSize) * pageWidth / screenWidth * static_cast<double>(printScale);
        return static_cast<int>(std::clamp(size, 0.0, 1e9));  // truncated toward zero
    };
    return {pageWidth / 10, pageHeight / 10, deviceSize(kPictureSize), deviceSize(kPictureSize / 4)};
}

}  // namespace kiva
