// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/render/animation_run.h"

#include "export/scene_file.h"

#include <iostream>

#include "export/animation_export.h"

namespace kiva::render_tool {

std::string DescribeExportProblem(const ExportResult& result, const std::string& path) {
    const std::string file = "\"" + path + "\"";
    const std::string because = result.detail.empty() ? "" : ": " + result.detail;
    switch (result.problem) {
    case ExportProblem::None: return {};
    case ExportProblem::Cancelled: return "the animation " + file + " was cancelled";
    case ExportProblem::NoFrames:
        return "an animation has 1 to " + std::to_string(kMaxAnimationFrames) + " frames, not " + result.detail;
    case ExportProblem::BadFrameRate:
        return "an animation plays 1 to " + std::to_string(kMaxFramesPerSecond) + " frames a second, not " +
               result.detail;
    case ExportProblem::BadSize:
        return "an animation's sides are " + std::to_string(kMinPictureSide) + " to " + std::to_string(kMaxPictureSide) +
               " pixels, not " + result.detail;
    case ExportProblem::OddVideoSize: return "an MP4 needs an even width and height, not " + result.detail;
    case ExportProblem::UnknownFormat: return "an animation is written as a .gif or an .mp4 file, not " + file;
    case ExportProblem::CannotCreate: return "cannot create " + file + because;
    case ExportProblem::CannotWrite: return "cannot write " + file + because;
    case ExportProblem::EncoderMissing: return "this system's FFmpeg has no H.264 encoder for " + file;
    case ExportProblem::EncoderFailed: return "cannot encode " + file + because;
    case ExportProblem::TooManyAtoms:
        return "a PDB file numbers up to " + std::to_string(kMaxPdbAtoms) + " atoms, not " + result.detail;
    case ExportProblem::VideoLibraryMissing:
        return "an MP4 needs FFmpeg's libraries (" + result.detail + "), which are not installed";
    }
    return "cannot write " + file;
}

namespace {

AnimationRequest RequestOf(const RenderOptions& options) {
    AnimationRequest request;
    request.path = options.output;
    request.frameCount = *options.animateFrames;
    request.framesPerSecond = options.framesPerSecond;
    request.width = options.size.width;
    request.height = options.size.height;
    return request;
}

int Failed(const ExportResult& result, const std::string& path) {
    std::cerr << "kiva-render: " << DescribeExportProblem(result, path) << "\n";
    return 1;
}

}  // namespace

int WriteAnimation(const RenderOptions& options, const ViewState& view, const MotionTables& motion,
                   const FrameDrawer& draw, const MotionStep& step) {
    AnimationRequest request = RequestOf(options);
    request.kind = AnimationKindFor(view.displayState, options.rock);
    // The view is prepared at the request's size, so the frames are drawn at it.
    const ExportResult result = ExportAnimation(request, view, motion, draw, {}, step);
    return result.Ok() ? 0 : Failed(result, options.output);
}

int WriteAnimationFile(const RenderOptions& options, const CompoundRecord& compound, const ElementTable& elements,
                       const FrameDrawer& draw) {
    // A request that cannot be met is refused before the scene is built.
    if (const ExportResult checked = CheckAnimationRequest(RequestOf(options)); !checked.Ok())
        return Failed(checked, options.output);
    MotionTables motion = InitialMotionTables();  // every animation starts from the same motion
    const ViewState view = PrepareView(options, compound, elements, motion, options.frames - 1);
    return WriteAnimation(options, view, motion, draw);
}

}  // namespace kiva::render_tool
