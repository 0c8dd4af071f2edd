// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the Export Picture dialog asks: the picture's size, the view's own or one the user gives,
// and the background behind the model.
#include <cstdint>
#include <optional>

#include "render/picture_area.h"

namespace kiva {

struct PictureExportChoice {
    bool viewSize = true;  // the view's own size, else `width` x `height`
    int width = kPictureUnits, height = kPictureUnits;
    bool whiteBackground = false;  // the printout's white rather than the screen's black
    bool pictureFrame = false;     // the window's green frame round the picture
};

// The size to write in device pixels; nothing when a given side lies outside the picture limits.
std::optional<PictureArea> ExportedArea(const PictureExportChoice& choice, PictureArea viewArea);
// The background grey: 0 black, 255 white.
std::uint8_t ExportedBackground(const PictureExportChoice& choice);

}  // namespace kiva
