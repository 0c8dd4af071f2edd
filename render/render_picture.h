// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The one way from a view to a picture: the window, Copy, Export Picture, Export Animation,
// printing, the handout and kiva-render all draw the shaded picture through RenderPicture.
#include "render/picture.h"
#include "render/picture_buffers.h"
#include "render/projection.h"
#include "render/view_state.h"

namespace kiva {

// Renders the view at its picture area, in the style, into `buffers`, which keep their footprints
// and font for the pictures after it. The picture is the buffers' and lasts until they draw again.
const Picture& RenderPicture(const ViewState& view, PictureStyle style, PictureBuffers& buffers);

// The view as it would show at another picture area: the same model, the liquid and the gas
// spread over the whole area, one motion step on from a copy of `motion`. The view itself at its
// own area.
ViewState ViewAtArea(const ViewState& view, const MotionTables& motion, PictureArea area);

}  // namespace kiva
