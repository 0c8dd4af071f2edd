// SPDX-License-Identifier: GPL-2.0-or-later
#include "export/animation_frames.h"

#include <numbers>
#include <utility>

#include "render/view_moves.h"

namespace kiva {

AnimationKind AnimationKindFor(DisplayState state, bool rock) {
    if (state == DisplayState::Liquid || state == DisplayState::Gas || state == DisplayState::Heating)
        return AnimationKind::Motion;
    return rock ? AnimationKind::RockSwing : AnimationKind::Turn;
}

int DefaultFrameCount(AnimationKind kind) {
    switch (kind) {
    case AnimationKind::Turn: return 36;
    case AnimationKind::RockSwing: return 12;
    case AnimationKind::Motion: return 60;
    }
    return 36;
}

AnimationFrames::AnimationFrames(const ViewState& view, const MotionTables& motion, AnimationKind kind, int frameCount,
                                 PictureArea area, MotionStep step)
    : view_(view), motion_(motion), kind_(kind), frameCount_(frameCount > 0 ? frameCount : 1),
      start_(view.viewTransform), step_(std::move(step)) {
    view_.pictureArea = area;  // the liquid and gas move within the whole picture they fill
    // The projection swings the crystal and the chemical unit only in the Rock mode.
    if (kind_ == AnimationKind::Turn) view_.mouseMode = MouseMode::Rotate;
    if (kind_ == AnimationKind::RockSwing) view_.mouseMode = MouseMode::Rock;
}

const ViewState& AnimationFrames::Next() {
    if (kind_ == AnimationKind::Turn) {
        // Each frame from the start, so the last one leads back to the first without drift.
        const double share = static_cast<double>(next_ % frameCount_) / frameCount_;
        view_.viewTransform = start_;
        ApplyAboutCentre(view_, RotationY(static_cast<float>(2 * std::numbers::pi * share)));
    }
    if (kind_ == AnimationKind::Motion && step_ && next_ > 0) step_(view_);
    ProjectScene(view_, motion_);
    ++next_;
    return view_;
}

}  // namespace kiva
