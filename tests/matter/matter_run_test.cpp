// SPDX-License-Identifier: GPL-2.0-or-later
// The copies' physics: energy kept without a thermostat, the same result on any number of
// threads, and the thermostat and the heating doing what they say.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "matter/heating_curve_csv.h"
#include "matter/matter_run.h"
#include "render/render_workers.h"

namespace kiva {
namespace {

MatterSettings SettingsAt(double temperature, int threads = 1) {
    MatterSettings settings;
    settings.copies = 216;
    settings.startTemperature = temperature;
    settings.threads = threads;
    return settings;
}

TEST(MatterRun, WithoutThermostatKeepsItsTotalEnergyOverTenThousandSteps) {
    // A liquid: the copies move far and collide often, which tests the step hardest.
    MatterRun run(SettingsAt(0.6), SharedRenderWorkers());
    run.SetControl(HeatingControl::None);
    const double start = run.TotalEnergy();
    run.Step(10'000);
    EXPECT_LT(std::abs(run.TotalEnergy() - start), 0.01 * std::abs(start));
    EXPECT_NE(run.Phase(), MatterPhase::Solid);
}

TEST(MatterRun, GivesTheSameBytesOnOneTwoAndSevenThreads) {
    std::vector<std::vector<Vec3>> positions;
    std::vector<std::string> curves;
    for (const int threads : {1, 2, 7}) {
        MatterRun run(SettingsAt(0.5, threads), SharedRenderWorkers());
        run.SetControl(HeatingControl::Heat);
        run.Step(3000);
        positions.push_back(run.Box().position);
        std::vector<HeatingCurvePoint> curve;
        for (const CurvePoint& point : run.Curve()) curve.push_back({point.heatAdded, point.temperature});
        curves.push_back(HeatingCurveCsv(curve));
    }
    for (std::size_t k = 1; k < positions.size(); ++k) {
        ASSERT_EQ(positions[k].size(), positions[0].size());
        EXPECT_EQ(std::memcmp(positions[k].data(), positions[0].data(), positions[0].size() * sizeof(Vec3)), 0);
        EXPECT_EQ(curves[k], curves[0]);
    }
}

TEST(MatterRun, ThermostatHoldsTheSetTemperatureAndHeatAndCoolMoveIt) {
    MatterRun run(SettingsAt(0.3), SharedRenderWorkers());
    run.SetTarget(0.35);
    run.Step(3000);
    EXPECT_NEAR(run.Thermometer(), 0.35, 0.03);

    const double heat = run.HeatAdded();
    run.SetControl(HeatingControl::Heat);
    run.Step(2000);
    EXPECT_NEAR(run.HeatAdded() - heat, kDefaultHeatingPower * 2000 * kMatterTimeStep, 1e-9);
    EXPECT_GT(run.Thermometer(), 0.35);

    run.SetControl(HeatingControl::Cool);
    run.Step(20'000);
    EXPECT_LT(run.Thermometer(), 0.35);
    EXPECT_GE(run.KineticTemperature(), 0.0);
}

TEST(MatterRun, KeepsItsCurveWithinItsBound) {
    MatterSettings few = SettingsAt(0.3);
    few.copies = 64;
    MatterRun run(few, SharedRenderWorkers());
    run.Step(100'000);
    EXPECT_LT(run.Curve().size(), kMaxCurvePoints);
    EXPECT_GT(run.Curve().size(), kMaxCurvePoints / 4);
}

}  // namespace
}  // namespace kiva
