// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Kelvin for the model's reduced temperatures. The mapping is linear in pieces, so that the
// model melts at the substance's melting point and boils at its boiling point: epsilon follows
// the melting point, and the model's liquid range is stretched or shrunk to the real one.
#include <cstddef>
#include <optional>

#include "chem/phase_points.h"
#include "matter/particle_box.h"

namespace kiva {

// Where the model changes phase, in epsilon / k, for a number of copies. A small crystal on a
// floor melts from its surface, below the Lennard-Jones triple point of about 0.69, and the
// fewer its copies the lower; its liquid has gone into the gas that fills a box ten times its
// volume where half the copies fly free. Measured with this model by holding each number of
// copies at a row of temperatures (see tests/matter for the checks that keep them true).
struct ModelPoints {
    double melting;
    double boiling;
    double sublimation;  // of a crystal of the short-ranged pair potential, which has no liquid
};
ModelPoints ModelPointsFor(std::size_t copies);

struct TemperatureScale {
    // The knots (reduced, kelvin) the line runs through; below the first the line runs to 0 K,
    // with the slope epsilon / k.
    double firstReduced = 0.5, firstKelvin = 273.15;
    std::optional<double> secondReduced, secondKelvin;

    double Kelvin(double reduced) const;
    double Reduced(double kelvin) const;
    double KelvinPerReduced() const { return firstKelvin / firstReduced; }  // epsilon / k
    double GasKelvinPerReduced() const;
};

// The scale of a substance's points for a run of `copies`; none when the table gives neither
// point. A substance that decomposes does so a tenth below where the model would melt.
std::optional<TemperatureScale> ScaleFor(const PhasePoints& points, std::size_t copies);

// The pair potential of a substance's run: the short-ranged one for a substance that sublimes.
PairRange PairRangeFor(const PhasePoints& points);

}  // namespace kiva
