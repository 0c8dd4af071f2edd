// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Pictures as PNG files, written with libpng alone, so a program that draws in the core needs no
// window system.
#include <string>

#include "export/export_result.h"
#include "render/picture.h"

namespace kiva {

// Writes the picture as an 8-bit RGB PNG file under a temporary name and renames it into place
// when it is whole, so a failed write leaves nothing under `path` and an older file there stays
// as it was. Compressed for speed: the files are for worksheets and slides, not for archives.
ExportResult WritePngFile(const std::string& path, const Picture& picture);

}  // namespace kiva
