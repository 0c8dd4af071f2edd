// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A substance heated and cooled in kelvin: the run of its copies, the temperature scale of its
// melting and boiling points, the set point within the range a class may choose, and a
// decomposition that stops the heating.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chem/phase_points.h"
#include "matter/matter_run.h"
#include "matter/temperature_scale.h"

namespace kiva {

inline constexpr double kRoomTemperature = 293.15;  // K
inline constexpr double kGasConstant = 8.314462618;  // J / (mol K), CODATA 2018
inline constexpr std::size_t kDefaultCopies = 216;
inline constexpr std::uint64_t kDefaultSeed = 1;
// Steps of a run between two frames of its picture: 0.2 tau, so the copies' motion reads
// smoothly and ice heated from 200 K boils in about two minutes.
inline constexpr int kHeatingStepsPerFrame = 40;

struct HeatingCurvePoint {
    double heatKilojoulesPerMole;  // heat added since the start, per mole of copies
    double kelvin;
};

class HeatingSession {
public:
    // Null when the points give no temperature to scale by.
    static std::optional<HeatingSession> Start(const PhasePoints& points, std::size_t copies, std::uint64_t seed,
                                               int threads, RenderWorkers& workers);

    // Moves the run on; a substance that decomposes is held once it reaches that temperature.
    void Advance(int steps);

    void Heat();
    void Cool();
    // Holds the present temperature, or the one given, kept within the range.
    void Hold();
    void HoldAt(double kelvin);
    void SetThreads(int threads) { run_.SetThreads(threads); }

    double ThermometerKelvin() const { return scale_.Kelvin(run_.Thermometer()); }
    double TargetKelvin() const { return scale_.Kelvin(run_.Target()); }
    double HighestKelvin() const;  // the top of the set point's range
    HeatingControl Control() const { return run_.Control(); }
    MatterPhase Phase() const { return run_.Phase(); }
    bool Decomposed() const { return decomposed_; }
    const PhasePoints& Points() const { return points_; }
    const TemperatureScale& Scale() const { return scale_; }
    const MatterRun& Run() const { return run_; }
    MatterRun& Run() { return run_; }
    std::vector<HeatingCurvePoint> Curve() const;
    double KilojoulesPerMole(double reducedHeat) const;

private:
    HeatingSession(const PhasePoints& points, const TemperatureScale& scale, const MatterSettings& settings,
                   RenderWorkers& workers);

    PhasePoints points_;
    TemperatureScale scale_;
    MatterRun run_;
    bool decomposed_ = false;
    bool driven_ = false;  // heated or cooled since the start
};

// Where a run starts: room temperature or 0.8 of the melting point, whichever is lower.
double StartKelvin(const PhasePoints& points);

}  // namespace kiva
