// SPDX-License-Identifier: GPL-2.0-or-later
// A build without FreeType opens no label face, so its pictures show no labels.
#include "render/label_face.h"

namespace kiva {

struct LabelFace {};

void LabelFaceCloser::operator()(LabelFace* face) const { delete face; }

LabelFacePointer OpenLabelFace(const std::string&) { return nullptr; }

LabelStamp SetLabel(LabelFace&, const std::string&, int, int) { return {}; }

}  // namespace kiva
