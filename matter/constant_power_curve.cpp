// SPDX-License-Identifier: GPL-2.0-or-later
#include "matter/constant_power_curve.h"

namespace kiva {

bool TakeConstantPowerCurve(HeatingSession& session, double fromKelvin, double toKelvin,
                            const std::function<void(const HeatingCurvePoint&)>& row) {
    session.HoldAt(fromKelvin);
    session.Advance(kSettleSteps);
    const bool heating = toKelvin >= fromKelvin;
    heating ? session.Heat() : session.Cool();
    const double startHeat = session.Run().HeatAdded();
    for (long long step = 0; step < kMaxCurveSteps; ++step) {
        session.Advance(1);
        const double kelvin = session.ThermometerKelvin();
        row({session.KilojoulesPerMole(session.Run().HeatAdded() - startHeat), kelvin});
        if (heating ? kelvin >= toKelvin : kelvin <= toKelvin) return true;
        if (session.Decomposed()) return false;
    }
    return false;
}

}  // namespace kiva
