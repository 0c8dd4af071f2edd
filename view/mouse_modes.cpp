// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/mouse_modes.h"

#include <cmath>

#include "render/view_moves.h"

namespace kiva {

namespace {

// The trackball: both pointer positions are lifted out of the picture plane to depth 340, the
// front of the picture, and the model turns by the rotation that takes one onto the other. A
// motion across the centre tilts it, a motion around the centre twists it about the viewing axis.
Matrix4 TrackballTurn(Vector3D centre, PicturePoint from, PicturePoint to) {
    const float lift = static_cast<float>(kPictureSize) - centre.z;
    const Vector3D u{static_cast<float>(from.x) - centre.x, static_cast<float>(from.y) - centre.y, lift};
    const Vector3D v{static_cast<float>(to.x) - centre.x, static_cast<float>(to.y) - centre.y, lift};
    return RotationOnto(u, v);
}

}  // namespace

bool ApplyDragStep(ViewState& view, PicturePoint from, PicturePoint to) {
    switch (view.mouseMode) {
    case MouseMode::Rotate:
        ApplyAboutCentre(view, TrackballTurn(PictureCentre(view), from, to));
        return true;
    case MouseMode::Translate: {
        const Vector3D shift{static_cast<float>(to.x - from.x), static_cast<float>(to.y - from.y), 0};
        view.viewTransform = Multiply(Translation(shift), view.viewTransform);
        return true;
    }
    case MouseMode::Rock: break;
    }
    return false;
}

void ApplyKeyTurn(ViewState& view, int right, int up, float degrees) {
    const Vector3D centre = PictureCentre(view);
    const float lift = static_cast<float>(kPictureSize) - centre.z;
    const float reach = lift * std::tan(static_cast<float>(degrees * kRadiansPerDegree));
    ApplyAboutCentre(view, RotationOnto({0, 0, lift}, {static_cast<float>(right) * reach, static_cast<float>(up) * reach, lift}));
}

void ApplyKeyShift(ViewState& view, int right, int up) {
    const Vector3D shift{static_cast<float>(right * kKeyShiftPixels), static_cast<float>(up * kKeyShiftPixels), 0};
    view.viewTransform = Multiply(Translation(shift), view.viewTransform);
}

void ApplyZoom(ViewState& view, float factor) { ApplyAboutCentre(view, UniformScale(factor)); }

}  // namespace kiva
