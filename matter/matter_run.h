// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A run of copies in the box: the solid it starts from, the steps, the heating and the
// thermostat, the thermometer, the phase read from the copies and the heating curve. All in the
// model's reduced units (see particle_box.h).
#include <cstdint>
#include <vector>

#include "matter/copy_turns.h"
#include "matter/particle_box.h"
#include "matter/phase_reading.h"

namespace kiva {

class RenderWorkers;

inline constexpr double kMatterTimeStep = 0.005;  // tau; the usual step for Lennard-Jones argon
// The heating power, epsilon per tau per copy: the solid warms by about 0.003 epsilon / k every
// tau, slowly enough that 1000 copies melt at a standing temperature.
inline constexpr double kDefaultHeatingPower = 0.01;
inline constexpr int kPhaseWindowSteps = 1000;  // 5 tau, over which a liquid's copies leave their places
inline constexpr std::size_t kMaxCurvePoints = 4096;

enum class HeatingControl {
    Hold,  // the thermostat holds the set temperature
    Heat,  // energy goes in at a constant power
    Cool,  // and out
    None,  // no heat goes in or out: the total energy is kept
};

struct MatterSettings {
    std::size_t copies = 216;
    double volumeFactor = 10;    // the box's volume over the solid's
    double startTemperature = 0.5;
    double gravity = 0.02;       // sigma / tau^2: the gas of the hottest run still fills the box
    std::uint64_t seed = 1;
    int threads = 1;
    PairRange range = PairRange::LennardJones;
};

struct CurvePoint {
    double heatAdded;    // epsilon per copy since the start
    double temperature;  // the thermometer's
};

class MatterRun {
public:
    MatterRun(const MatterSettings& settings, RenderWorkers& workers);

    void Step(int steps = 1);

    void SetControl(HeatingControl control) { control_ = control; }
    HeatingControl Control() const { return control_; }
    void SetTarget(double temperature) { target_ = temperature; }
    double Target() const { return target_; }
    void SetPower(double power) { power_ = power; }
    void SetThreads(int threads) { threads_ = threads; }

    double KineticTemperature() const;
    // The kinetic temperature smoothed over a tau, as a thermometer with a little heat capacity
    // of its own reads it.
    double Thermometer() const { return thermometer_; }
    double HeatAdded() const { return heatAdded_; }
    double TotalEnergy() const;
    long long Steps() const { return steps_; }
    MatterPhase Phase() const { return phase_; }
    PhaseCounts Counts() const { return counts_; }
    const ParticleBox& Box() const { return box_; }
    const CopyTurns& Turns() const { return turns_; }
    // Thinned to at most kMaxCurvePoints: when full, every other point is dropped.
    const std::vector<CurvePoint>& Curve() const { return curve_; }
    // Starts the curve and the heat added afresh from the present temperature.
    void RestartCurve();

private:
    void ExchangeHeat();
    void ReadPhase();

    RenderWorkers& workers_;
    int threads_;
    ParticleBox box_;
    CopyTurns turns_;
    HeatingControl control_ = HeatingControl::Hold;
    double target_, power_ = kDefaultHeatingPower;
    double thermometer_, heatAdded_ = 0;
    long long steps_ = 0;
    NeighbourLists before_, now_;  // at the window's start and at its end
    std::vector<CopyState> states_;
    PhaseCounts counts_;
    MatterPhase phase_ = MatterPhase::Solid;
    std::vector<CurvePoint> curve_;
    int curveStride_ = 10;  // steps between points
};

// The box of a run: `volumeFactor` times the volume of the solid, a cube.
Vec3 BoxSizeFor(std::size_t copies, double volumeFactor);

}  // namespace kiva
