// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// An animation file being written frame by frame: an animated GIF or an H.264 MP4.
#include <memory>
#include <string>

#include "export/export_result.h"
#include "render/picture.h"

namespace kiva {

class AnimationWriter {
public:
    virtual ~AnimationWriter() = default;
    // The frame is of the size the writer was opened with.
    virtual ExportResult AddFrame(const Picture& frame) = 0;
    // Writes what remains and closes the file; nothing may be added after.
    virtual ExportResult Finish() = 0;
};

struct AnimationFileSpec {
    std::string path;
    int width = 0;
    int height = 0;
    int framesPerSecond = 0;
};

// An animated GIF that loops for ever, each frame with a palette of its own.
std::unique_ptr<AnimationWriter> OpenGifWriter(const AnimationFileSpec& spec, ExportResult& result);
// An MP4 of H.264 in 4:2:0 colour, which slide programs and projectors play; even sides only.
std::unique_ptr<AnimationWriter> OpenMp4Writer(const AnimationFileSpec& spec, ExportResult& result);

}  // namespace kiva
