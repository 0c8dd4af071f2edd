// SPDX-License-Identifier: GPL-2.0-or-later
#include "matter/copy_turns.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>


namespace kiva {

namespace {

// A copy in its place rocks by about 20 degrees at the melting point, once every tau.
constexpr double kRockAmplitudeAtMelting = 0.35;  // radians
constexpr double kMeltingNearby = 0.5;           // epsilon / k, where the crystals of the box melt
constexpr double kRockRate = 2 * std::numbers::pi;  // radians per tau

double UnitDraw(std::mt19937_64& engine) { return static_cast<double>(engine() >> 11) * 0x1.0p-53; }

}  // namespace

CopyTurns StartTurns(std::size_t copies, std::uint64_t seed) {
    std::mt19937_64 engine(seed ^ 0x9e3779b97f4a7c15ULL);
    CopyTurns turns;
    for (std::size_t i = 0; i < copies; ++i) {
        // A direction uniform on the sphere: z uniform in [-1, 1], the angle about z uniform.
        const double z = 2 * UnitDraw(engine) - 1;
        const double around = 2 * std::numbers::pi * UnitDraw(engine);
        const double r = std::sqrt(std::max(0.0, 1 - z * z));
        turns.axis.push_back({r * std::cos(around), r * std::sin(around), z});
        turns.rockPhase.push_back(2 * std::numbers::pi * UnitDraw(engine));
    }
    turns.angle.assign(copies, 0.0);
    turns.restAngle.assign(copies, 0.0);
    return turns;
}

void AdvanceTurns(CopyTurns& turns, const std::vector<CopyState>& states, double temperature, double dt) {
    const double warmth = std::sqrt(std::max(temperature, 0.0));
    const double spin = std::sqrt(3.0 / kCopyInertia) * warmth;
    const double rock = kRockAmplitudeAtMelting * warmth / std::sqrt(kMeltingNearby);
    for (std::size_t i = 0; i < turns.angle.size(); ++i) {
        const bool inPlace = i < states.size() && states[i] == CopyState::InPlace;
        turns.rockPhase[i] = std::fmod(turns.rockPhase[i] + kRockRate * dt, 2 * std::numbers::pi);
        if (inPlace) {
            turns.angle[i] = turns.restAngle[i] + rock * std::sin(turns.rockPhase[i]);
        } else {
            turns.angle[i] = std::fmod(turns.angle[i] + spin * dt, 2 * std::numbers::pi);
            turns.restAngle[i] = turns.angle[i];
        }
    }
}

}  // namespace kiva
