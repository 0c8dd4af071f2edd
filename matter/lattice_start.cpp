// SPDX-License-Identifier: GPL-2.0-or-later
#include "matter/lattice_start.h"

#include <cmath>
#include <numbers>
#include <random>

namespace kiva {

namespace {

// A number in (0, 1] from the twister's next output: the standard's distributions may differ
// between libraries, the raw sequence may not.
double UnitDraw(std::mt19937_64& engine) { return (static_cast<double>(engine() >> 11) + 1.0) * 0x1.0p-53; }

// Two independent normal draws by the Box-Muller transform.
std::array<double, 2> NormalPair(std::mt19937_64& engine) {
    const double radius = std::sqrt(-2.0 * std::log(UnitDraw(engine)));
    const double angle = 2.0 * std::numbers::pi * UnitDraw(engine);
    return {radius * std::cos(angle), radius * std::sin(angle)};
}

}  // namespace

int LatticeSide(std::size_t count) {
    int side = 1;
    while (static_cast<std::size_t>(side) * side * side < count) ++side;
    return side;
}

void PlaceOnLattice(ParticleBox& box) {
    const int side = LatticeSide(box.position.size());
    const double a = kLatticeSpacing;
    const double rowStep = a * std::sqrt(3.0) / 2;
    const double layerStep = a * std::sqrt(2.0 / 3.0);
    const double width = (side - 0.5) * a, depth = (side - 1) * rowStep + a / std::sqrt(3.0);
    const double x0 = (box.size[0] - width) / 2, z0 = (box.size[2] - depth) / 2;
    std::size_t i = 0;
    for (int layer = 0; layer < side; ++layer)
        for (int row = 0; row < side; ++row)
            for (int column = 0; column < side && i < box.position.size(); ++column, ++i) {
                // Each layer lies over the hollows of the one below: A, B, C and A again.
                const int stacking = layer % 3;
                box.position[i] = {x0 + a * (column + 0.5 * (row % 2) + 0.5 * stacking),
                                   kLatticeSpacing * 0.5 + layer * layerStep,
                                   z0 + row * rowStep + stacking * a / (2 * std::sqrt(3.0))};
            }
}

void DrawThermalVelocities(ParticleBox& box, double temperature, std::uint64_t seed) {
    std::mt19937_64 engine(seed);
    const double spread = std::sqrt(std::max(temperature, 0.0));
    Vec3 mean{0, 0, 0};
    for (Vec3& v : box.velocity) {
        const auto [a, b] = NormalPair(engine);
        const auto [c, unused] = NormalPair(engine);
        v = {spread * a, spread * b, spread * c};
        for (int axis = 0; axis < 3; ++axis) mean[axis] += v[axis];
    }
    const double n = static_cast<double>(std::max<std::size_t>(box.velocity.size(), 1));
    for (Vec3& v : box.velocity)
        for (int axis = 0; axis < 3; ++axis) v[axis] -= mean[axis] / n;
}

}  // namespace kiva
