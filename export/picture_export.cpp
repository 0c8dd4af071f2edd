// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/picture_export.h"

#include "export/png_file.h"
#include "render/render_picture.h"

namespace kiva {

ExportResult ExportPicture(const PictureRequest& request, const ViewState& view, const MotionTables& motion) {
    if (BoundedPictureArea(request.area.width, request.area.height) != request.area) return {ExportProblem::BadSize, {}};
    PictureBuffers buffers(request.area);
    return WritePngFile(request.path, RenderPicture(ViewAtArea(view, motion, request.area), request.style, buffers));
}

}  // namespace kiva
