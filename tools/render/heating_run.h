// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// kiva-render's heating state: the run the viewer starts for the substance, held at the asked
// temperature for the asked steps, as a picture, an animation or a scene file; and the curve of
// a constant-power heating as CSV.
#include "chem/phase_points.h"
#include "export/animation_export.h"
#include "tools/render/render_options.h"

namespace kiva::render_tool {

// The program's exit status: 0 with the file written, 1 with the reason on standard error.
int RenderHeatingFile(const RenderOptions& options, const CompoundRecord& compound, const ElementTable& elements,
                      const PhaseTable& phases, const FrameDrawer& draw);

// The same for --heating-curve: the file is written whole or not at all.
int WriteHeatingCurveFile(const RenderOptions& options, const CompoundRecord& compound, const PhaseTable& phases);

}  // namespace kiva::render_tool
