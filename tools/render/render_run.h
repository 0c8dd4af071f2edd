// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// kiva-render's run once its options are read: the substance loaded, its view prepared, the
// picture drawn at its size and written. The drawing is the caller's, so the shaded picture needs
// nothing but the core, and only the flat one a window system's painter.
#include <functional>

#include "export/png_file.h"
#include "tools/render/render_options.h"

namespace kiva::render_tool {

// The view's picture at its picture area; it lasts until the next call.
using PictureDrawer = std::function<const Picture&(const ViewState&)>;

// The program's exit status: 0 with the file written, 1 with the reason on standard error.
int RenderPictureFile(const RenderOptions& options, const PictureDrawer& draw);

}  // namespace kiva::render_tool
