// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The view's shaded picture as a PNG file, at the view's size or at any other within the picture
// limits, on the screen's black or the printout's white.
#include <string>

#include "export/export_result.h"
#include "render/picture.h"
#include "render/projection.h"
#include "render/view_state.h"

namespace kiva {

struct PictureRequest {
    std::string path;
    PictureArea area;    // device pixels, kMinPictureSide to kMaxPictureSide a side
    PictureStyle style;  // the background's grey, 0 black or 255 white, and the picture frame
};

// Renders the view at the request's size, as the view would show it there with its overlays and
// picks (a liquid or a gas moving over the whole picture), and writes it; a size beyond the
// limits is refused before anything is drawn.
ExportResult ExportPicture(const PictureRequest& request, const ViewState& view,
                           const MotionTables& motion = SharedMotionTables());

}  // namespace kiva
