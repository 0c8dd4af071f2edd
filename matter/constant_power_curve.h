// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A heating curve taken step by step: the run held at the first temperature until it has
// settled, then heated (or cooled) at the constant power until it reaches the second.
#include <functional>

#include "matter/heating_session.h"

namespace kiva {

inline constexpr int kSettleSteps = 4000;              // 20 tau: eight of the thermostat's time constants
inline constexpr long long kMaxCurveSteps = 5'000'000;  // a bound on a run that never gets there

// Calls `row` once a step with the heat added since the heating began and the thermometer.
// Stops at `toKelvin`, at a decomposition or after kMaxCurveSteps; says whether it got there.
bool TakeConstantPowerCurve(HeatingSession& session, double fromKelvin, double toKelvin,
                            const std::function<void(const HeatingCurvePoint&)>& row);

}  // namespace kiva
