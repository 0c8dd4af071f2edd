// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The pictures of an animation, step by step as the view itself animates: a full turn about the
// picture's vertical axis, one rock swing, or the liquid's or the gas's motion.
#include <functional>

#include "render/projection.h"
#include "render/view_state.h"

namespace kiva {

enum class AnimationKind { Turn, RockSwing, Motion };

// The liquid, the gas and a heating run move by themselves; the crystal and the chemical unit turn, or swing
// when asked to rock.
AnimationKind AnimationKindFor(DisplayState state, bool rock);

// Frames of a full animation of each kind: a turn in 10-degree steps, one swing there and back,
// five seconds of motion at the default rate.
int DefaultFrameCount(AnimationKind kind);
inline constexpr int kDefaultFramesPerSecond = 12;

// Steps a copy of a view, and of the motion tables it moves by, through an animation at a picture
// size of its own, so the view it was copied from stays as it is. Each frame is what the view would show at that step:
// a swing or motion frame is one more projection, as the view's own animation makes it; the turn
// starts from the view's picture and turns it by an equal share of a full turn each frame.
// Moves the atoms of a copy of the view that a projection does not move itself (a heating run's
// copies) on by one frame. The first frame is the view as it was given, the run as it stands.
using MotionStep = std::function<void(ViewState& view)>;

class AnimationFrames {
public:
    AnimationFrames(const ViewState& view, const MotionTables& motion, AnimationKind kind, int frameCount,
                    PictureArea area, MotionStep step = {});

    // The view at the next frame, projected.
    const ViewState& Next();

private:
    ViewState view_;
    MotionTables motion_;
    AnimationKind kind_;
    int frameCount_;
    int next_ = 0;
    Matrix4 start_;  // the view transform a turn starts from
    MotionStep step_;
};

}  // namespace kiva
