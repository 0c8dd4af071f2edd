// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/projection.h"

#include <algorithm>
#include <cmath>

#include "render/view_moves.h"

namespace kiva {

namespace {

constexpr double kLiquidSpinStep = 0.034906584444444444;   // 2 degrees a frame
constexpr double kTumbleStep = 0.08726646111111111;        // 5 degrees a frame

// Bounds for a travelling copy's centre, in picture pixels; a copy bounces off them.
struct Bounds {
    float left, bottom, right, top;
};
constexpr Bounds kLiquidBounds{32, 85, 308, 308};
constexpr Bounds kGasBounds{32, 32, 308, 308};

void ProjectAtoms(ViewState& view, const Matrix4& m, std::size_t first, std::size_t count) {
    for (std::size_t i = first; i < first + count && i < view.atoms.size(); ++i)
        view.atoms[i].picture = TransformPoint(m, view.atoms[i].position);
}

// One copy that travels and tumbles about its direction of travel.
void ProjectTravellingCopy(ViewState& view, Vector3D& offset, Vector3D& velocity, float& tumble, const Bounds& bounds,
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
    if (now.x < bounds.left || now.x >= bounds.right) velocity.x = -velocity.x;
    if (now.y < bounds.bottom || now.y >= bounds.top) velocity.y = -velocity.y;
    offset = Add(offset, velocity);
    tumble = static_cast<float>(tumble + kTumbleStep);
}

void ProjectLiquid(ViewState& view, MotionTables& motion) {
    const std::size_t perCopy = view.atoms.size() / 10;
    for (std::size_t i = 0; i < 8; ++i) {
        const Vector3D centre = TransformPoint(view.viewTransform, view.rotationCentre);
        Matrix4 m = Multiply(Translation(motion.liquidOffset[i]), Translation(centre));
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
                              kLiquidBounds, i * perCopy, perCopy);
}

void ProjectGas(ViewState& view, MotionTables& motion) {
    const std::size_t perCopy = view.atoms.size() / 4;
    for (std::size_t k = 0; k < 4; ++k)
        ProjectTravellingCopy(view, motion.gasOffset[k], motion.gasVelocity[k], motion.gasTumble[k], kGasBounds,
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

namespace {

// Stable by key; short runs by insertion, which is quickest for them.
template <typename Iterator>
void StableSortByKey(Iterator first, Iterator last) {
    if (last - first > 48) {
        std::stable_sort(first, last, [](const auto& a, const auto& b) { return a.first < b.first; });
        return;
    }
    for (Iterator i = first + (first != last); i < last; ++i) {
        const auto entry = *i;
        Iterator j = i;
        for (; j != first && entry.first < (j - 1)->first; --j) *j = *(j - 1);
        *j = entry;
    }
}

}  // namespace

void SortDrawOrder(ViewState& view) {
    const std::size_t atomCount = view.atoms.size();
    const std::size_t n = atomCount + view.bonds.size();
    view.drawOrder.resize(n);
    std::vector<float> keys(n);
    for (std::size_t i = 0; i < n; ++i) {
        view.drawOrder[i] = static_cast<int>(i);
        if (i < atomCount) {
            keys[i] = view.atoms[i].picture.z;
        } else {
            const SceneBond& bond = view.bonds[i - atomCount];
            const bool valid = bond.first >= 0 && static_cast<std::size_t>(bond.first) < atomCount && bond.second >= 0 &&
                               static_cast<std::size_t>(bond.second) < atomCount;
            keys[i] = valid ? (view.atoms[bond.first].picture.z + view.atoms[bond.second].picture.z) * 0.5f : 0.0f;
        }
    }
    // The order is that of exchange passes at halving gaps, each gap repeated until a pass swaps
    // nothing, with equal keys never swapped. Those passes are a bubble sort of every chain of
    // entries one gap apart, so each gap stably sorts its chains; a NaN key, which compares false
    // both ways, is a wall nothing passes. Sorting the chains directly gives the same order in
    // n log n time instead of many passes.
    std::vector<std::pair<float, int>> chain;
    for (std::size_t gap = n / 2; gap > 0; gap /= 2) {
        for (std::size_t start = 0; start < gap && start + gap < n; ++start) {
            chain.clear();
            for (std::size_t j = start; j < n; j += gap) chain.emplace_back(keys[j], view.drawOrder[j]);
            auto segment = chain.begin();
            while (segment != chain.end()) {
                auto wall = std::find_if(segment, chain.end(), [](const auto& entry) { return entry.first != entry.first; });
                StableSortByKey(segment, wall);
                segment = wall == chain.end() ? wall : wall + 1;
            }
            std::size_t j = start;
            for (const auto& [key, entry] : chain) {
                keys[j] = key;
                view.drawOrder[j] = entry;
                j += gap;
            }
        }
    }
}

void ProjectScene(ViewState& view, MotionTables& motion) {
    switch (view.displayState) {
    case DisplayState::Liquid:
        ProjectLiquid(view, motion);
        break;
    case DisplayState::Gas:
        ProjectGas(view, motion);
        break;
    default:
        if (view.mouseMode == MouseMode::Rock) ApplyRockStep(view, motion.rockSteps);
        ProjectAtoms(view, view.viewTransform, 0, view.atoms.size());
        break;
    }
    SortDrawOrder(view);
}

}  // namespace kiva
