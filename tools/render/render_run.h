// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// kiva-render's run once its options are read: the substance loaded, its view prepared, the
// picture drawn at its size and written. The drawing is the caller's, so the shaded picture needs
// nothing but the core, and only the flat one a window system's painter.
#include "export/animation_export.h"
#include "render/picture_buffers.h"
#include "tools/render/render_options.h"

namespace kiva::render_tool {

// kiva-render's shaded pictures, in the window's style (on black, in its frame), with smooth
// edges when asked, rendered into `buffers`: an animation's frames share their footprints and
// their font.
FrameDrawer ShadedPictures(PictureBuffers& buffers, bool smooth = false);

// Writes the prepared view as the output's name asks: its atoms as XYZ or PDB under `title`, or
// its picture, drawn by `draw`, as PNG. The exit status, as below.
int WriteViewFile(const RenderOptions& options, const ViewState& view, std::string_view title, const FrameDrawer& draw);

// The program's exit status: 0 with the file written, 1 with the reason on standard error. The
// picture, and each frame of an animation, is what `draw` makes of the prepared view.
int RenderPictureFile(const RenderOptions& options, const FrameDrawer& draw);

}  // namespace kiva::render_tool
