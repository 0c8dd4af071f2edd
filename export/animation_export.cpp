// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/animation_export.h"

#include <algorithm>
#include <cctype>

#include "export/animation_writer.h"
#include "export/file_names.h"
#include "export/pending_file.h"
#include "render/render_picture.h"

namespace kiva {

std::optional<AnimationFormat> AnimationFormatOf(std::string_view path) {
    if (EndsWithCaseless(path, ".gif")) return AnimationFormat::Gif;
    if (EndsWithCaseless(path, ".mp4")) return AnimationFormat::Mp4;
    return std::nullopt;
}

PictureArea DefaultAnimationArea(PictureArea viewArea) {
    const auto even = [](int side) { return std::max(side - side % 2, kMinPictureSide); };
    return {even(viewArea.width), even(viewArea.height)};
}

ExportResult CheckAnimationRequest(const AnimationRequest& request) {
    const auto format = AnimationFormatOf(request.path);
    if (!format) return {ExportProblem::UnknownFormat, request.path};
    if (request.frameCount < 1 || request.frameCount > kMaxAnimationFrames)
        return {ExportProblem::NoFrames, std::to_string(request.frameCount)};
    if (request.framesPerSecond < 1 || request.framesPerSecond > kMaxFramesPerSecond)
        return {ExportProblem::BadFrameRate, std::to_string(request.framesPerSecond)};
    const std::string size = std::to_string(request.width) + "x" + std::to_string(request.height);
    const auto outside = [](int side) { return side < kMinPictureSide || side > kMaxPictureSide; };
    if (outside(request.width) || outside(request.height))
        return {ExportProblem::BadSize, size};
    if (*format == AnimationFormat::Mp4 && (request.width % 2 != 0 || request.height % 2 != 0))
        return {ExportProblem::OddVideoSize, size};
    return {};
}

ExportResult ExportAnimation(const AnimationRequest& request, const ViewState& view, const MotionTables& motion,
                             const ExportProgress& progress, const MotionStep& step) {
    PictureBuffers buffers(PictureArea{request.width, request.height});
    const PictureStyle style{0, request.pictureFrame, request.smooth};
    const auto shaded = [&](const ViewState& frame) -> const Picture& { return RenderPicture(frame, style, buffers); };
    return ExportAnimation(request, view, motion, shaded, progress, step);
}

ExportResult ExportAnimation(const AnimationRequest& request, const ViewState& view, const MotionTables& motion,
                             const FrameDrawer& draw, const ExportProgress& progress, const MotionStep& step) {
    ExportResult result = CheckAnimationRequest(request);
    if (!result.Ok()) return result;
    PendingFile file(request.path);
    if (!file.Created()) return {ExportProblem::CannotCreate, file.Reason()};

    const AnimationFileSpec spec{file.TemporaryPath(), request.width, request.height, request.framesPerSecond};
    std::unique_ptr<AnimationWriter> writer = *AnimationFormatOf(request.path) == AnimationFormat::Gif
                                                  ? OpenGifWriter(spec, result)
                                                  : OpenMp4Writer(spec, result);
    if (!writer) return result;
    AnimationFrames frames(view, motion, request.kind, request.frameCount, {request.width, request.height}, step);
    for (int i = 0; i < request.frameCount; ++i) {
        const Picture& picture = draw(frames.Next());
        const std::size_t bytes = 3 * static_cast<std::size_t>(request.width) * static_cast<std::size_t>(request.height);
        if (picture.width != request.width || picture.height != request.height || picture.colour.size() != bytes)
            return {ExportProblem::EncoderFailed, "frame size"};
        if (!(result = writer->AddFrame(picture)).Ok()) return result;
        if (progress && !progress(i + 1, request.frameCount)) return {ExportProblem::Cancelled, {}};
    }
    if (!(result = writer->Finish()).Ok()) return result;
    writer.reset();
    if (!file.Commit()) return {ExportProblem::CannotWrite, file.Reason()};
    return {};
}

}  // namespace kiva
