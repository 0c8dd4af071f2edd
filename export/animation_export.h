// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Exporting a view's animation to a file: the frames stepped as the view animates, rendered at the
// asked size (or drawn by the caller), and written as an animated GIF or an H.264 MP4 under a
// temporary name that becomes the file's only when every frame is in.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "export/animation_frames.h"
#include "export/export_result.h"
#include "render/picture.h"
#include "render/picture_area.h"

namespace kiva {

enum class AnimationFormat { Gif, Mp4 };

inline constexpr int kMaxAnimationFrames = 3600;  // five minutes at 12 frames a second
inline constexpr int kMaxFramesPerSecond = 50;    // GIF delays are whole hundredths: 2 is the shortest

// By the file name's ending, .gif or .mp4 in any letter case.
std::optional<AnimationFormat> AnimationFormatOf(std::string_view path);

struct AnimationRequest {
    std::string path;
    AnimationKind kind = AnimationKind::Turn;
    int frameCount = 36;
    int framesPerSecond = kDefaultFramesPerSecond;
    int width = kPictureUnits;  // device pixels, kMinPictureSide to kMaxPictureSide
    int height = kPictureUnits;
    bool pictureFrame = false;  // the window's green frame round every picture
    bool smooth = false;        // edges blended by their pixels' coverage
};

// The size an export proposes for a view: its own, each side rounded down to an even number of
// pixels, which an MP4 video needs and a GIF takes as well.
PictureArea DefaultAnimationArea(PictureArea viewArea);

// What is wrong with the request before anything is drawn or written; Ok when nothing is.
ExportResult CheckAnimationRequest(const AnimationRequest& request);

// The view's picture at its picture area, which is the request's width x height; the picture lasts
// until the next call.
using FrameDrawer = std::function<const Picture&(const ViewState& view)>;
// Told after each frame that is written; returning false cancels the export.
using ExportProgress = std::function<bool(int framesDone, int frameCount)>;

// Writes the animation of a copy of the view and its motion tables; the view itself and the
// tables stay as they are. A cancelled or failed export leaves no file at the request's path,
// and a file that was there before stays untouched. The shaded pictures are rendered into one set
// of buffers for every frame, which keeps its footprints and font.
// `step` moves what the projection does not move itself, as the view's own animation does.
ExportResult ExportAnimation(const AnimationRequest& request, const ViewState& view, const MotionTables& motion,
                             const ExportProgress& progress = {}, const MotionStep& step = {});
// The same with the frames drawn by `draw`.
ExportResult ExportAnimation(const AnimationRequest& request, const ViewState& view, const MotionTables& motion,
                             const FrameDrawer& draw, const ExportProgress& progress = {}, const MotionStep& step = {});

}  // namespace kiva
