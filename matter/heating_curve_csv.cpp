// SPDX-License-Identifier: GPL-2.0-or-later
#include "matter/heating_curve_csv.h"
#include "platform/portable_std.h"

#include <charconv>

namespace kiva {

namespace {

// Fixed digits with a point, whatever the user's locale.
void AppendFixed(std::string& text, double value, int digits) {
    char buffer[48];
    const auto [end, error] = FixedToChars(buffer, buffer + sizeof buffer, value, digits);
    text.append(buffer, error == std::errc{} ? end : buffer);
}

}  // namespace

void AppendHeatingCurveRow(std::string& text, const HeatingCurvePoint& point) {
    AppendFixed(text, point.heatKilojoulesPerMole, 4);
    text += ',';
    AppendFixed(text, point.kelvin, 2);
    text += '\n';
}

std::string HeatingCurveCsv(const std::vector<HeatingCurvePoint>& curve) {
    std::string text = std::string(kHeatingCurveHeader) + "\n";
    for (const HeatingCurvePoint& point : curve) AppendHeatingCurveRow(text, point);
    return text;
}

}  // namespace kiva
