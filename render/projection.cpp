// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/projection.h"

#include <algorithm>
#include <cmath>

#include "render/render_workers.h"
#include "render/view_moves.h"

namespace kiva {

namespace {

constexpr double kLiquidSpinStep = 0.034906584444444444;   // 2 degrees a frame
constexpr double kTumbleStep = 0.08726646111111111;        // 5 degrees a frame
constexpr std::size_t kFewestPartAtoms = 8192;  // below this a part costs more to hand out than to project

// Where a travelling copy's centre turns back: this far inside the picture's edges, in picture
// units; the liquid's copies keep above the pool of the others at the bottom.
constexpr PictureBounds kLiquidMargins{32, 85, 32, 32};
constexpr PictureBounds kGasMargins{32, 32, 32, 32};

// The bounds of a travelling copy's centre in the whole picture the view shows.
PictureBounds TravelBounds(const ViewState& view, const PictureBounds& margins) {
    const PictureBounds picture = BoundsOf(MapOfArea(view.pictureArea));
    return {picture.left + margins.left, picture.bottom + margins.bottom, picture.right - margins.right,
            picture.top - margins.top};
}

void ProjectAtoms(ViewState& view, const Matrix4& transform, std::size_t first, std::size_t count) {
    // A copy, which the stores into the atoms cannot alias: the compiler keeps it in registers.
    const Matrix4 m = transform;
    const std::size_t end = std::min(first + count, view.atoms.size());
    SceneAtom* atoms = view.atoms.items.data();
    for (std::size_t i = first; i < end; ++i) atoms[i].picture = TransformPoint(m, atoms[i].position);
}

// The whole scene through one transform, in parts on every core: a large crystal's projection
// is a tenth of its frame.
void ProjectAllAtoms(ViewState& view, const Matrix4& m) {
    const std::size_t count = view.atoms.size();
    const int threads = RenderThreadCount();
    const int parts = static_cast<int>(std::clamp<std::size_t>(count / kFewestPartAtoms, 1, static_cast<std::size_t>(2 * threads)));
    const auto partCount = static_cast<std::size_t>(parts);
    SharedRenderWorkers().Run(parts, threads, [&](int task, int) {
        const auto part = static_cast<std::size_t>(task);
        const std::size_t first = part * count / partCount;
        ProjectAtoms(view, m, first, (part + 1) * count / partCount - first);
    });
}

// One copy that travels and tumbles about its direction of travel.
void ProjectTravellingCopy(ViewState& view, Vector3D& offset, Vector3D& velocity, float& tumble, const PictureBounds& bounds,
                           std::size_t first, std::size_t count) {
    const Vector3D centre = TransformPoint(view.viewTransform, view.rotationCentre);
    Matrix4 m = Multiply(Translation(offset), Translation(centre));
    m = Multiply(m, RotationAboutAxis(tumble, velocity));
    m = Multiply(m, Translation(Scale(-1, centre)));
    m = Multiply(m, view.viewTransform);
    const Vector3D now = TransformPoint(m, view.rotationCentre);
    ProjectAtoms(view, m, first, count);
    // A copy with no place in the picture never bounces: moving it on would carry the shared
    // tables off for every later gas and liquid.
    if (!std::isfinite(now.x) || !std::isfinite(now.y)) return;
    // A copy beyond a bound heads back in, however far out a smaller picture of the shared motion
    // finds it; a reversal alone would leave it trembling outside.
    if (now.x < bounds.left) velocity.x = std::fabs(velocity.x);
    if (now.x >= bounds.right) velocity.x = -std::fabs(velocity.x);
    if (now.y < bounds.bottom) velocity.y = std::fabs(velocity.y);
    if (now.y >= bounds.top) velocity.y = -std::fabs(velocity.y);
    offset = Add(offset, velocity);
    tumble = static_cast<float>(tumble + kTumbleStep);
}

void ProjectLiquid(ViewState& view, MotionTables& motion) {
    const std::size_t perCopy = view.atoms.size() / 10;
    // The pool of resting copies spreads over the picture's whole width and height.
    const PictureBounds picture = BoundsOf(MapOfArea(view.pictureArea));
    const float across = (picture.right - picture.left) / static_cast<float>(kPictureUnits);
    const float up = (picture.top - picture.bottom) / static_cast<float>(kPictureUnits);
    for (std::size_t i = 0; i < 8; ++i) {
        const Vector3D centre = TransformPoint(view.viewTransform, view.rotationCentre);
        const Vector3D& rest = motion.liquidOffset[i];
        Matrix4 m = Multiply(Translation({rest.x * across, rest.y * up, rest.z}), Translation(centre));
        m = Multiply(m, RotationZ(motion.liquidWobble[i]));
        m = Multiply(m, RotationY(motion.liquidSpin[i]));
        m = Multiply(m, Translation(Scale(-1, centre)));
        m = Multiply(m, view.viewTransform);
        const double step = motion.liquidWobbleStep[i] * kRadiansPerDegree;
        motion.liquidWobble[i] = static_cast<float>(motion.liquidWobble[i] + step);
        if (std::fabs(motion.liquidWobble[i]) > std::fabs(3 * step)) motion.liquidWobbleStep[i] = -motion.liquidWobbleStep[i];
        motion.liquidSpin[i] = static_cast<float>(motion.liquidSpin[i] + kLiquidSpinStep);
        ProjectAtoms(view, m, i * perCopy, perCopy);
    }
    for (std::size_t i = 8; i < 10; ++i)
        ProjectTravellingCopy(view, motion.liquidOffset[i], motion.liquidVelocity[i - 8], motion.liquidSpin[i],
                              TravelBounds(view, kLiquidMargins), i * perCopy, perCopy);
}

void ProjectGas(ViewState& view, MotionTables& motion) {
    const std::size_t perCopy = view.atoms.size() / 4;
    const PictureBounds bounds = TravelBounds(view, kGasMargins);
    for (std::size_t k = 0; k < 4; ++k)
        ProjectTravellingCopy(view, motion.gasOffset[k], motion.gasVelocity[k], motion.gasTumble[k], bounds,
                              k * perCopy, perCopy);
}

}  // namespace

MotionTables InitialMotionTables() {
    MotionTables tables;
    tables.liquidOffset = {{{-127, -127, 0}, {-42, -127, 0}, {42, -127, 0}, {127, -127, 0}, {-127, -42, 0},
                            {-42, -42, 0}, {42, -42, 0}, {127, -42, 0}, {-85, -42, 0}, {85, -42, 340}}};
    tables.liquidWobbleStep = {2, -4, 2, -6, 4, -2, 6, 2};
    tables.liquidVelocity = {{{8, 5, 0}, {2, -7, 0}}};
    // Every gas copy in a depth layer of its own, in front of the copies before it.
    tables.gasOffset = {{{-85, -85, 0}, {85, -85, 340}, {-85, 85, 680}, {85, 85, 1020}}};
    tables.gasVelocity = {{{8, 5, 0}, {2, -7, 0}, {-1, 4, 0}, {-3, 5, 0}}};
    return tables;
}

MotionTables& SharedMotionTables() {
    static MotionTables tables = InitialMotionTables();  // shared by every view on purpose
    return tables;
}

void SortDrawOrder(const ViewState& view) {
    const std::size_t atomCount = view.atoms.size();
    std::vector<float>& keys = view.drawOrder.scratch.keys;
    keys.resize(atomCount + view.bonds.size());
    for (std::size_t i = 0; i < atomCount; ++i) keys[i] = view.atoms[i].picture.z;
    for (std::size_t e = 0; e < view.bonds.size(); ++e) {
        const SceneBond& bond = view.bonds[e];
        const bool valid = bond.first >= 0 && static_cast<std::size_t>(bond.first) < atomCount && bond.second >= 0 &&
                           static_cast<std::size_t>(bond.second) < atomCount;
        keys[atomCount + e] = valid ? (keys[bond.first] + keys[bond.second]) * 0.5f : 0.0f;
    }
    ExchangeSortOrder(keys, view.drawOrder.order, view.drawOrder.scratch);
    view.drawOrder.pending = false;
}

const std::vector<int>& DrawOrder(const ViewState& view) {
    if (view.drawOrder.pending) SortDrawOrder(view);
    return view.drawOrder.order;
}

void ProjectScene(ViewState& view, MotionTables& motion) {
    switch (view.displayState) {
    case DisplayState::Liquid:
        ProjectLiquid(view, motion);
        break;
    case DisplayState::Gas:
        ProjectGas(view, motion);
        break;
    case DisplayState::Heating:  // the run moves the copies; the view stays as it is
        ProjectAllAtoms(view, view.viewTransform);
        break;
    default:
        if (view.mouseMode == MouseMode::Rock) ApplyRockStep(view, motion.rockSteps);
        ProjectAllAtoms(view, view.viewTransform);
        break;
    }
    view.drawOrder.pending = true;
}

}  // namespace kiva
