// SPDX-License-Identifier: GPL-2.0-or-later
#include "matter/matter_run.h"

#include <algorithm>
#include <cmath>

#include "matter/lattice_start.h"

namespace kiva {

namespace {

constexpr double kThermostatTime = 0.5;   // tau: the thermostat closes the gap to the set point this fast
constexpr double kThermometerTime = 1.0;  // tau: the thermometer's own lag
constexpr double kSolidDensity = 1.06;    // copies per sigma^3 on the start lattice

}  // namespace

Vec3 BoxSizeFor(std::size_t copies, double volumeFactor) {
    const double side = std::cbrt(volumeFactor * static_cast<double>(copies) / kSolidDensity);
    // The block must fit on the floor whatever the factor.
    const double least = (LatticeSide(copies) + 1) * kLatticeSpacing;
    return Vec3{std::max(side, least), std::max(side, least), std::max(side, least)};
}

MatterRun::MatterRun(const MatterSettings& settings, RenderWorkers& workers)
    : workers_(workers),
      threads_(settings.threads),
      box_(MakeParticleBox(settings.copies, BoxSizeFor(settings.copies, settings.volumeFactor), settings.gravity)),
      turns_(StartTurns(settings.copies, settings.seed)),
      target_(settings.startTemperature),
      thermometer_(settings.startTemperature) {
    box_.range = settings.range;
    PlaceOnLattice(box_);
    // A crystal started at rest in its lattice shares its kinetic energy with the potential
    // energy of its vibrations: it starts at twice the temperature, and settles for a window
    // under the thermostat before the curve begins.
    DrawThermalVelocities(box_, 2 * settings.startTemperature, settings.seed);
    ComputeForces(box_, workers_, threads_);
    ListNeighbours(box_, before_);
    states_.assign(settings.copies, CopyState::InPlace);
    counts_.inPlace = settings.copies;
    Step(kPhaseWindowSteps);
    thermometer_ = KineticTemperature();
    steps_ = 0;
    RestartCurve();
}

void MatterRun::RestartCurve() {
    heatAdded_ = 0;
    curveStride_ = 10;
    curve_.assign(1, {0, thermometer_});
}

double MatterRun::KineticTemperature() const {
    const std::size_t n = box_.velocity.size();
    return n == 0 ? 0 : 2 * KineticEnergy(box_) / (3.0 * static_cast<double>(n));
}

double MatterRun::TotalEnergy() const { return KineticEnergy(box_) + PotentialEnergy(box_); }

void MatterRun::ExchangeHeat() {
    const double n = static_cast<double>(box_.velocity.size());
    const double kinetic = KineticEnergy(box_);
    if (n == 0 || control_ == HeatingControl::None) return;
    double wanted = kinetic;
    switch (control_) {
    case HeatingControl::Heat: wanted = kinetic + power_ * kMatterTimeStep * n; break;
    case HeatingControl::Cool: wanted = std::max(0.0, kinetic - power_ * kMatterTimeStep * n); break;
    case HeatingControl::Hold: {
        // Berendsen's weak coupling: the kinetic temperature relaxes towards the set point.
        const double now = 2 * kinetic / (3 * n);
        wanted = kinetic + (kMatterTimeStep / kThermostatTime) * (1.5 * n * target_ - kinetic);
        if (now <= 0) wanted = 1.5 * n * target_;
        break;
    }
    case HeatingControl::None: break;
    }
    if (kinetic <= 0) {
        // A box at rest takes heat as new thermal motion.
        if (wanted > 0) DrawThermalVelocities(box_, 2 * wanted / (3 * n), static_cast<std::uint64_t>(steps_) + 1);
    } else {
        const double factor = std::sqrt(wanted / kinetic);
        for (Vec3& v : box_.velocity)
            for (double& component : v) component *= factor;
    }
    heatAdded_ += (KineticEnergy(box_) - kinetic) / n;
}

void MatterRun::ReadPhase() {
    ListNeighbours(box_, now_);
    ReadCopyStates(before_, now_, box_.neighbours, states_);
    counts_ = CountStates(states_);
    phase_ = PhaseOf(counts_, box_.range == PairRange::LennardJones);
    std::swap(before_, now_);
}

void MatterRun::Step(int steps) {
    for (int s = 0; s < steps; ++s) {
        VerletStep(box_, kMatterTimeStep, workers_, threads_);
        ExchangeHeat();
        ++steps_;
        const double blend = kMatterTimeStep / kThermometerTime;
        thermometer_ += blend * (KineticTemperature() - thermometer_);
        AdvanceTurns(turns_, states_, thermometer_, kMatterTimeStep);
        if (steps_ % kPhaseWindowSteps == 0) ReadPhase();
        if (steps_ % curveStride_ == 0) {
            curve_.push_back({heatAdded_, thermometer_});
            if (curve_.size() >= kMaxCurvePoints) {
                std::vector<CurvePoint> kept;
                for (std::size_t i = 0; i < curve_.size(); i += 2) kept.push_back(curve_[i]);
                curve_ = std::move(kept);
                curveStride_ *= 2;
            }
        }
    }
}

}  // namespace kiva
