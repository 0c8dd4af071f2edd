// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The heating curve as comma-separated values: a header line naming the units, then one row per
// point, the heat added and the temperature.
#include <string>
#include <vector>

#include "matter/heating_session.h"

namespace kiva {

inline constexpr const char* kHeatingCurveHeader = "heat_kJ_per_mol,temperature_K";

std::string HeatingCurveCsv(const std::vector<HeatingCurvePoint>& curve);
// One row, "12.3456,273.15", with its line end.
void AppendHeatingCurveRow(std::string& text, const HeatingCurvePoint& point);

}  // namespace kiva
