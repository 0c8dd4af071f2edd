// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Changes of the view in picture space: each new matrix is multiplied on the left of the view
// transform, so turns and scales act about the structure's centre as it shows in the picture, and
// shifts move the picture by whole pixels at any zoom.
#include "render/view_state.h"

namespace kiva {

// The rotation centre in picture coordinates.
Vector3D PictureCentre(const ViewState& view);

// view transform <- T(c) . change . T(-c) . view transform, with c the picture centre.
void ApplyAboutCentre(ViewState& view, const Matrix4& change);

// Turns the model about its centre so that `direction`, a direction of the structure, points at
// the viewer: a lattice plane then faces the class.
void TurnToFace(ViewState& view, Vector3D direction);

// One step of the Rock swing: 2 degrees about the picture's vertical axis, six steps one way and
// six back. rockSteps counts the steps of every view together and is never reset, so a new swing
// starts at whatever phase it has reached.
void ApplyRockStep(ViewState& view, int& rockSteps);

}  // namespace kiva
