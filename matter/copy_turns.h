// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How each copy is turned. The pair potential acts between the copies' centres and exerts no
// torque, so the turns carry no energy of the model: a copy that has left its place spins at the
// speed equipartition gives it at the present temperature, one still in its place rocks about
// the orientation it had when it settled there.
#include <cstdint>
#include <vector>

#include "matter/particle_box.h"
#include "matter/phase_reading.h"

namespace kiva {

// A rigid sphere of the copy's mass and size: I = 2/5 m (sigma / 2)^2.
inline constexpr double kCopyInertia = 0.1;

struct CopyTurns {
    std::vector<Vec3> axis;          // unit vectors, one for each copy, fixed at the start
    std::vector<double> angle;       // radians about the axis; the crystal starts with all at 0
    std::vector<double> restAngle;   // where a copy in its place rocks about
    std::vector<double> rockPhase;   // radians
};

CopyTurns StartTurns(std::size_t copies, std::uint64_t seed);

// Moves the turns on by dt at temperature (epsilon / k), for the copies' present states.
void AdvanceTurns(CopyTurns& turns, const std::vector<CopyState>& states, double temperature, double dt);

}  // namespace kiva
