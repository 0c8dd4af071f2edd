// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// kiva-render --animate: the substance's animation as a GIF or MP4 file, each frame drawn as the
// still picture is, so the first frame is the picture that --frames asks for.
#include <string>

#include "export/animation_export.h"
#include "tools/render/render_options.h"

namespace kiva::render_tool {

// One line for standard error, naming the file.
std::string DescribeExportProblem(const ExportResult& result, const std::string& path);

// The program's exit status: 0 with the file written, 1 with the reason on standard error.
// The animation of a prepared view, its first frame the next projection (`step`: see
// AnimationFrames).
int WriteAnimation(const RenderOptions& options, const ViewState& view, const MotionTables& motion,
                   const FrameDrawer& draw, const MotionStep& step = {});
// The compound's, its first frame the picture --frames gives.
int WriteAnimationFile(const RenderOptions& options, const CompoundRecord& compound, const ElementTable& elements,
                       const FrameDrawer& draw);

}  // namespace kiva::render_tool
