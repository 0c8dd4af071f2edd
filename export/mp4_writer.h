// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The MP4 writer on a given load of FFmpeg's libraries; OpenMp4Writer(spec, result) uses the
// system's, loaded on its first call.
#include "export/animation_writer.h"
#include "export/video_library.h"

namespace kiva {

// The library's own problem, with no file made, when it did not load.
std::unique_ptr<AnimationWriter> OpenMp4Writer(const AnimationFileSpec& spec, const LoadedVideoLibrary& library,
                                               ExportResult& result);

}  // namespace kiva
