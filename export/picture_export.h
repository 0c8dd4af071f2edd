// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The view's shaded picture as a PNG file, at the view's size or at any other within the picture
// limits, on the screen's black or the printout's white.
#include <cstdint>
#include <string>

#include "export/export_result.h"
#include "render/view_state.h"

namespace kiva {

struct PictureRequest {
    std::string path;
    PictureArea area;            // device pixels, kMinPictureSide to kMaxPictureSide a side
    std::uint8_t background = 0;  // the grey behind the model: 0 black, 255 white
};

// Renders the view at the request's size, as the view would show it there with its overlays and
// picks, and writes it; a size beyond the limits is refused before anything is drawn.
ExportResult ExportPicture(const PictureRequest& request, const ViewState& view);

}  // namespace kiva
