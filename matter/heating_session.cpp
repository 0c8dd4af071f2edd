// SPDX-License-Identifier: GPL-2.0-or-later
#include "matter/heating_session.h"

#include <algorithm>

namespace kiva {

namespace {

constexpr double kStartShare = 0.8;  // of the melting point, for a substance solid at room temperature

}  // namespace

double StartKelvin(const PhasePoints& points) {
    const std::optional<double> lowest = points.meltingK ? points.meltingK : points.boilingK;
    return lowest ? std::min(kRoomTemperature, kStartShare * *lowest) : kRoomTemperature;
}

std::optional<HeatingSession> HeatingSession::Start(const PhasePoints& points, std::size_t copies, std::uint64_t seed,
                                                    int threads, RenderWorkers& workers) {
    const std::optional<TemperatureScale> scale = ScaleFor(points, copies);
    if (!scale) return std::nullopt;
    MatterSettings settings;
    settings.copies = copies;
    settings.range = PairRangeFor(points);
    settings.startTemperature = scale->Reduced(StartKelvin(points));
    settings.seed = seed;
    settings.threads = threads;
    return HeatingSession(points, *scale, settings, workers);
}

HeatingSession::HeatingSession(const PhasePoints& points, const TemperatureScale& scale, const MatterSettings& settings,
                               RenderWorkers& workers)
    : points_(points), scale_(scale), run_(settings, workers) {}

double HeatingSession::HighestKelvin() const {
    if (points_.note == PhaseNote::Decomposes && points_.meltingK) return *points_.meltingK;
    if (points_.boilingK) return 1.5 * *points_.boilingK;
    return points_.meltingK ? 2 * *points_.meltingK : kRoomTemperature;
}

void HeatingSession::Advance(int steps) {
    const bool decomposes = points_.note == PhaseNote::Decomposes && points_.meltingK;
    for (int s = 0; s < steps; ++s) {
        run_.Step();
        if (run_.Control() != HeatingControl::Heat) continue;
        if (decomposes && ThermometerKelvin() >= *points_.meltingK) {
            decomposed_ = true;
            HoldAt(*points_.meltingK);
        } else if (ThermometerKelvin() >= HighestKelvin()) {
            HoldAt(HighestKelvin());  // the top of the range, which the slider reaches too
        }
    }
}

// The curve starts where the class first heats or cools: until then the thermostat only settles
// the crystal, trading small amounts of heat that would draw it backwards from nothing added.
void HeatingSession::Heat() {
    if (decomposed_) return;
    if (!driven_) run_.RestartCurve();
    driven_ = true;
    run_.SetControl(HeatingControl::Heat);
}

void HeatingSession::Cool() {
    if (!driven_) run_.RestartCurve();
    driven_ = true;
    run_.SetControl(HeatingControl::Cool);
}

void HeatingSession::Hold() { HoldAt(ThermometerKelvin()); }

void HeatingSession::HoldAt(double kelvin) {
    run_.SetTarget(scale_.Reduced(std::clamp(kelvin, 0.0, HighestKelvin())));
    run_.SetControl(HeatingControl::Hold);
}

double HeatingSession::KilojoulesPerMole(double reducedHeat) const {
    return reducedHeat * scale_.KelvinPerReduced() * kGasConstant / 1000.0;
}

std::vector<HeatingCurvePoint> HeatingSession::Curve() const {
    std::vector<HeatingCurvePoint> curve;
    curve.reserve(run_.Curve().size());
    for (const CurvePoint& point : run_.Curve())
        curve.push_back({KilojoulesPerMole(point.heatAdded), scale_.Kelvin(point.temperature)});
    return curve;
}

}  // namespace kiva
