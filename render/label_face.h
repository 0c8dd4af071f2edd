// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The typeface behind the label font: FreeType's where the build has it, none in the browser's
// build, whose page sets its own letters.
#include <memory>
#include <string>

#include "render/label_font.h"

namespace kiva {

using LabelFacePointer = std::unique_ptr<LabelFace, LabelFaceCloser>;

// The face in the file, or null when it cannot be read.
LabelFacePointer OpenLabelFace(const std::string& path);
// The label's letters and outline, set afresh; empty for an empty text.
LabelStamp SetLabel(LabelFace& face, const std::string& text, int pixelSize, int outlineWidth);

}  // namespace kiva
