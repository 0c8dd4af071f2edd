// SPDX-License-Identifier: GPL-2.0-or-later
#include "matter/temperature_scale.h"

#include <algorithm>

namespace kiva {

namespace {

constexpr double kDecompositionShare = 0.9;

}  // namespace

ModelPoints ModelPointsFor(std::size_t copies) {
    // Melting where half the copies stay in their places, boiling where half fly free; 1000 copies
    // heated at the default power melt at 0.53, a little above where they would stand still. The
    // short-ranged crystal of 216 copies has lost half its copies to the gas at 0.42.
    if (copies <= 64) return {0.41, 0.80, 0.42};
    if (copies <= 216) return {0.40, 0.88, 0.42};
    if (copies <= 512) return {0.44, 0.91, 0.42};
    return {0.53, 0.96, 0.42};
}

PairRange PairRangeFor(const PhasePoints& points) {
    return points.note == PhaseNote::Sublimes ? PairRange::Short : PairRange::LennardJones;
}

double TemperatureScale::Kelvin(double reduced) const {
    if (reduced <= firstReduced || !secondReduced) {
        if (reduced <= firstReduced) return reduced * KelvinPerReduced();
        return firstKelvin + (reduced - firstReduced) * KelvinPerReduced();
    }
    if (reduced <= *secondReduced)
        return firstKelvin + (reduced - firstReduced) * (*secondKelvin - firstKelvin) / (*secondReduced - firstReduced);
    return *secondKelvin + (reduced - *secondReduced) * GasKelvinPerReduced();
}

// Above the boiling point the line keeps the liquid's slope where that is the shallower one in
// kelvin, so that a substance with a short liquid range, as argon, is a gas soon above its
// boiling point; otherwise epsilon's.
double TemperatureScale::GasKelvinPerReduced() const {
    if (!secondReduced) return KelvinPerReduced();
    const double liquid = (*secondKelvin - firstKelvin) / (*secondReduced - firstReduced);
    return std::min(liquid, KelvinPerReduced());
}

double TemperatureScale::Reduced(double kelvin) const {
    if (kelvin <= firstKelvin) return kelvin / KelvinPerReduced();
    if (!secondReduced) return firstReduced + (kelvin - firstKelvin) / KelvinPerReduced();
    if (kelvin <= *secondKelvin)
        return firstReduced + (kelvin - firstKelvin) * (*secondReduced - firstReduced) / (*secondKelvin - firstKelvin);
    return *secondReduced + (kelvin - *secondKelvin) / GasKelvinPerReduced();
}

std::optional<TemperatureScale> ScaleFor(const PhasePoints& points, std::size_t copies) {
    const ModelPoints model = ModelPointsFor(copies);
    TemperatureScale scale;
    if (points.note == PhaseNote::Sublimes && points.boilingK) {
        scale.firstReduced = model.sublimation;
        scale.firstKelvin = *points.boilingK;
        return scale;
    }
    if (points.meltingK) {
        scale.firstReduced = points.note == PhaseNote::Decomposes ? kDecompositionShare * model.melting : model.melting;
        scale.firstKelvin = *points.meltingK;
        if (points.boilingK && *points.boilingK > *points.meltingK) {
            scale.secondReduced = model.boiling;
            scale.secondKelvin = *points.boilingK;
        }
        return scale;
    }
    if (points.boilingK) {  // a liquid down to the lowest temperatures, as helium
        scale.firstReduced = model.boiling;
        scale.firstKelvin = *points.boilingK;
        return scale;
    }
    return std::nullopt;
}

}  // namespace kiva
