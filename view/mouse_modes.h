// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a drag and the zoom buttons do to the view transform: Rotate turns the model like a
// trackball about its centre, Translate moves it with the pointer, Rock leaves dragging alone.
#include "render/view_state.h"
#include "view/picture_point.h"

namespace kiva {

inline constexpr float kZoomInFactor = 1.2f;
inline constexpr float kZoomOutFactor = 0.8333333f;  // 1 / 1.2

// One drag step from one pointer position to the next, by the mouse mode; false when the
// transform stays as it was (the Rock mode).
bool ApplyDragStep(ViewState& view, PicturePoint from, PicturePoint to);

// The keyboard's turn, 5 degrees a press (1 with Shift): right and up (each -1, 0 or 1) turn the
// model's front the way a drag to the right or up would, about the picture's vertical or
// horizontal axis, as a drag from the centre that turns it by as much.
inline constexpr float kKeyTurnDegrees = 5;
inline constexpr float kFineKeyTurnDegrees = 1;
void ApplyKeyTurn(ViewState& view, int right, int up, float degrees);
// Ctrl with an arrow moves the picture by 10 pixels that way.
inline constexpr int kKeyShiftPixels = 10;
void ApplyKeyShift(ViewState& view, int right, int up);

// Scales the picture by factor about the model's centre; there is no limit either way.
void ApplyZoom(ViewState& view, float factor);

}  // namespace kiva
