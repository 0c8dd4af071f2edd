// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/png_file.h"

#include <png.h>

#include "export/pending_file.h"

namespace kiva {

ExportResult WritePngFile(const std::string& path, const Picture& picture) {
    PendingFile file(path);
    if (!file.Created()) return {ExportProblem::CannotCreate, file.Reason()};
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = PNG_FORMAT_BGR;
    image.flags = PNG_IMAGE_FLAG_FAST;
    // libpng checks the flush and the close, so a full disk fails here and not later.
    if (!png_image_write_to_file(&image, file.TemporaryPath().c_str(), 0, picture.colour.data(), picture.width * 3,
                                 nullptr)) {
        ExportResult failed{ExportProblem::CannotWrite, image.message};
        png_image_free(&image);
        return failed;
    }
    if (!file.Commit()) return {ExportProblem::CannotWrite, file.Reason()};
    return {};
}

}  // namespace kiva
