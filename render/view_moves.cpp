// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/view_moves.h"

namespace kiva {

namespace {

constexpr float kRockAngle = static_cast<float>(2 * kRadiansPerDegree);
constexpr int kRockPeriod = 12;  // steps of one full swing, there and back

}  // namespace

Vector3D PictureCentre(const ViewState& view) { return TransformPoint(view.viewTransform, view.rotationCentre); }

void ApplyAboutCentre(ViewState& view, const Matrix4& change) {
    const Vector3D centre = PictureCentre(view);
    Matrix4 aboutCentre = Multiply(Translation(centre), change);
    aboutCentre = Multiply(aboutCentre, Translation(Scale(-1, centre)));
    view.viewTransform = Multiply(aboutCentre, view.viewTransform);
}

void ApplyRockStep(ViewState& view, int& rockSteps) {
    const int phase = rockSteps % kRockPeriod;
    // Wraps at a multiple of the period, which keeps the phase, instead of overflowing.
    rockSteps = (rockSteps + 1) % (kRockPeriod * 1'000'000);
    ApplyAboutCentre(view, RotationY(phase < kRockPeriod / 2 ? kRockAngle : -kRockAngle));
}

void TurnToFace(ViewState& view, Vector3D direction) {
    // The direction as the picture shows it: the transform's rotation without its shift.
    const Vector3D origin = TransformPoint(view.viewTransform, {0, 0, 0});
    const Vector3D shown = Subtract(TransformPoint(view.viewTransform, direction), origin);
    if (!(Length(shown) > 0)) return;
    ApplyAboutCentre(view, RotationOnto(shown, {0, 0, 1}));
}

}  // namespace kiva
