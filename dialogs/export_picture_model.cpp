// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/export_picture_model.h"

namespace kiva {

std::optional<PictureArea> ExportedArea(const PictureExportChoice& choice, PictureArea viewArea) {
    const PictureArea area = choice.viewSize ? viewArea : PictureArea{choice.width, choice.height};
    if (BoundedPictureArea(area.width, area.height) != area) return std::nullopt;
    return area;
}

std::uint8_t ExportedBackground(const PictureExportChoice& choice) { return choice.whiteBackground ? 255 : 0; }

}  // namespace kiva
