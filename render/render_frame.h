// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The high-quality frame: the scene's shaded spheres and cylinders, their labels and the overlays,
// drawn into a view's buffers in bands of rows on every core. Integer-exact: a scene renders to
// the same bytes everywhere, on any number of threads.
#include <cstdint>

#include "render/picture.h"
#include "render/picture_buffers.h"
#include "render/render_workers.h"
#include "render/view_state.h"

namespace kiva {

// The grey opposite the background: white on the black screen, black on the white printout.
std::uint32_t ContrastColor(std::uint8_t background);

// Renders the whole scene in the style at the buffers' size, in bands of rows on `threads`
// threads (on every core when not given). The bytes are the same for any number of threads.
void RenderFrame(const ViewState& view, PictureBuffers& picture, PictureStyle style, int threads = RenderThreadCount());
// On a background grey `background` (0 on screen, 255 in print), in the picture frame.
void RenderFrame(const ViewState& view, PictureBuffers& picture, std::uint8_t background);
void RenderFrame(const ViewState& view, PictureBuffers& picture, std::uint8_t background, int threads);

}  // namespace kiva
