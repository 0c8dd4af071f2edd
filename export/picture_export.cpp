// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/picture_export.h"

#include "export/png_file.h"
#include "render/render_frame.h"

namespace kiva {

ExportResult ExportPicture(const PictureRequest& request, const ViewState& view) {
    if (BoundedPictureArea(request.area.width, request.area.height) != request.area) return {ExportProblem::BadSize, {}};
    PictureBuffers buffers(request.area);
    RenderFrame(view, buffers, request.background);
    return WritePngFile(request.path, {buffers.width, buffers.height, std::move(buffers.colour)});
}

}  // namespace kiva
