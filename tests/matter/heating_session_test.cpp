// SPDX-License-Identifier: GPL-2.0-or-later
// A substance heated in kelvin: the phase read at its real temperatures, the standing
// temperature while ice melts, a decomposition that stops the heating, and the scale between
// the model's temperatures and kelvin.
#include <gtest/gtest.h>

#include <string>

#include "matter/constant_power_curve.h"
#include "matter/heating_session.h"
#include "render/render_workers.h"

namespace kiva {
namespace {

struct Substance {
    std::string name;
    PhasePoints points;
};

// The catalogue's points (data/phase_points.tsv).
const Substance kWater{"H2O", {273.15, 373.15, PhaseNote::None}};
const Substance kSubstances[] = {
    kWater,
    {"Benzene", {278.68, 353.24, PhaseNote::None}},
    {"NaCl", {1073.85, 1738.15, PhaseNote::None}},
    {"Ar", {83.81, 87.30, PhaseNote::None}},
    {"Hg", {234.32, 629.88, PhaseNote::None}},
};

HeatingSession Started(const PhasePoints& points, std::size_t copies = kDefaultCopies, int threads = 2) {
    std::optional<HeatingSession> session = HeatingSession::Start(points, copies, kDefaultSeed, threads, SharedRenderWorkers());
    EXPECT_TRUE(session);
    return std::move(*session);
}

MatterPhase PhaseHeldAt(const PhasePoints& points, double kelvin) {
    HeatingSession session = Started(points);
    session.HoldAt(kelvin);
    session.Advance(10'000);
    return session.Phase();
}

TEST(HeatingSession, ReadsSolidLiquidAndGasAtTheSubstancesOwnTemperatures) {
    for (const Substance& substance : kSubstances) {
        SCOPED_TRACE(substance.name);
        const double melting = *substance.points.meltingK, boiling = *substance.points.boilingK;
        EXPECT_EQ(PhaseHeldAt(substance.points, 0.9 * melting), MatterPhase::Solid);
        EXPECT_EQ(PhaseHeldAt(substance.points, (melting + boiling) / 2), MatterPhase::Liquid);
        EXPECT_EQ(PhaseHeldAt(substance.points, 1.2 * boiling), MatterPhase::Gas);
    }
}

TEST(HeatingSession, TemperatureStandsStillWhileIceMelts) {
    // 1000 copies melt at a standing temperature; fewer melt from their surface over a range.
    HeatingSession session = Started(kWater.points, 1000);
    session.Heat();
    std::vector<HeatingCurvePoint> curve;
    while (session.ThermometerKelvin() < 290 && session.Run().Steps() < 200'000) session.Advance(100);
    curve = session.Curve();
    ASSERT_GE(session.ThermometerKelvin(), 290);
    // The heat at which the thermometer first reaches a temperature, and last stays below it.
    const auto firstAt = [&](double kelvin) {
        for (const HeatingCurvePoint& point : curve)
            if (point.kelvin >= kelvin) return point.heatKilojoulesPerMole;
        return curve.back().heatKilojoulesPerMole;
    };
    const auto lastBelow = [&](double kelvin) {
        double heat = curve.front().heatKilojoulesPerMole;
        for (const HeatingCurvePoint& point : curve)
            if (point.kelvin <= kelvin) heat = point.heatKilojoulesPerMole;
        return heat;
    };
    const double solidRate = (240.0 - 225.0) / (firstAt(240) - firstAt(225));
    const double meltingRate = (275.0 - 271.0) / (lastBelow(275) - firstAt(271));
    EXPECT_GT(solidRate, 0);
    EXPECT_LE(meltingRate, solidRate / 3) << "solid " << solidRate << " K per kJ/mol, melting " << meltingRate;
}

TEST(HeatingSession, StopsAtTheDecompositionTemperature) {
    HeatingSession session = Started({1098, std::nullopt, PhaseNote::Decomposes});
    EXPECT_DOUBLE_EQ(session.HighestKelvin(), 1098);
    session.Heat();
    for (int frame = 0; frame < 400 && !session.Decomposed(); ++frame) session.Advance(100);
    ASSERT_TRUE(session.Decomposed());
    EXPECT_EQ(session.Control(), HeatingControl::Hold);
    session.Heat();  // refused once it has decomposed
    EXPECT_EQ(session.Control(), HeatingControl::Hold);
    session.Advance(4000);
    EXPECT_NEAR(session.ThermometerKelvin(), 1098, 40);
    EXPECT_EQ(session.Phase(), MatterPhase::Solid);
}

// The thermostat settling the fresh crystal trades heat both ways; the curve a class watches
// starts from nothing added when it first presses Heat, and only rises from there.
TEST(HeatingSession, TheCurveStartsWhenTheClassFirstHeats) {
    HeatingSession session = Started(kWater.points, 64);
    session.Advance(3000);
    session.Heat();
    session.Advance(2000);
    const std::vector<HeatingCurvePoint> curve = session.Curve();
    ASSERT_GT(curve.size(), 100u);
    EXPECT_EQ(curve.front().heatKilojoulesPerMole, 0);
    for (const HeatingCurvePoint& point : curve) ASSERT_GE(point.heatKilojoulesPerMole, 0);
    EXPECT_GT(curve.back().kelvin, curve.front().kelvin);
}

// A class that leaves Heat on finds the gas held at the top of the slider's range, not heating on
// without end; a curve taken to that top ends there too.
TEST(HeatingSession, HeatingStopsAtTheTopOfItsRange) {
    const PhasePoints argon = kSubstances[3].points;
    HeatingSession session = Started(argon, 64);
    session.Heat();
    while (session.Control() == HeatingControl::Heat && session.Run().Steps() < 400'000) session.Advance(1000);
    EXPECT_EQ(session.Control(), HeatingControl::Hold);
    session.Advance(4000);
    EXPECT_NEAR(session.ThermometerKelvin(), session.HighestKelvin(), 0.1 * session.HighestKelvin());

    HeatingSession curved = Started(argon, 64);
    std::vector<HeatingCurvePoint> rows;
    EXPECT_TRUE(TakeConstantPowerCurve(curved, 70, 120, [&rows](const HeatingCurvePoint& row) { rows.push_back(row); }));
    ASSERT_FALSE(rows.empty());
    EXPECT_GE(rows.back().kelvin, 120);
    EXPECT_LT(rows.front().heatKilojoulesPerMole, 0.01);
    EXPECT_GT(rows.back().heatKilojoulesPerMole, rows.front().heatKilojoulesPerMole);
}

TEST(HeatingSession, ASublimingSolidGoesStraightToGas) {
    HeatingSession session = Started({std::nullopt, 194.7, PhaseNote::Sublimes});
    session.Heat();
    bool sawLiquid = false;
    while (session.Phase() != MatterPhase::Gas && session.Run().Steps() < 120'000) {
        session.Advance(1000);
        sawLiquid = sawLiquid || session.Phase() == MatterPhase::Liquid || session.Phase() == MatterPhase::Melting;
    }
    EXPECT_EQ(session.Phase(), MatterPhase::Gas);
    EXPECT_FALSE(sawLiquid);
}

TEST(TemperatureScale, PutsTheModelsPointsAtTheRealOnesAndMapsBack) {
    const ModelPoints model = ModelPointsFor(kDefaultCopies);
    const TemperatureScale water = *ScaleFor(kWater.points, kDefaultCopies);
    EXPECT_DOUBLE_EQ(water.Kelvin(model.melting), 273.15);
    EXPECT_DOUBLE_EQ(water.Kelvin(model.boiling), 373.15);
    EXPECT_DOUBLE_EQ(water.Kelvin(0), 0);
    for (const double kelvin : {10.0, 273.15, 300.0, 373.15, 500.0})
        EXPECT_NEAR(water.Kelvin(water.Reduced(kelvin)), kelvin, 1e-9);
    const TemperatureScale dryIce = *ScaleFor({std::nullopt, 194.7, PhaseNote::Sublimes}, kDefaultCopies);
    EXPECT_DOUBLE_EQ(dryIce.Kelvin(model.sublimation), 194.7);
    EXPECT_FALSE(ScaleFor({}, kDefaultCopies));
}

TEST(HeatingSession, StartsAtRoomTemperatureOrBelowTheMeltingPoint) {
    EXPECT_DOUBLE_EQ(StartKelvin(kWater.points), 0.8 * 273.15);
    EXPECT_DOUBLE_EQ(StartKelvin({1073.85, 1738.15, PhaseNote::None}), kRoomTemperature);
    HeatingSession session = Started(kWater.points);
    EXPECT_NEAR(session.ThermometerKelvin(), 0.8 * 273.15, 10);
    EXPECT_EQ(session.Phase(), MatterPhase::Solid);
}

}  // namespace
}  // namespace kiva
