// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The solid a heating run starts from: close-packed layers on the floor of the box, and thermal
// velocities drawn from a fixed seed.
#include <cstdint>

#include "matter/particle_box.h"

namespace kiva {

// The nearest-neighbour distance of the Lennard-Jones solid near its melting point, in sigma;
// its density is then about 1.06 copies per sigma^3.
inline constexpr double kLatticeSpacing = 1.10;

// The number of layers, rows and copies per row of the block that holds `count` copies: a cube
// root, rounded up.
int LatticeSide(std::size_t count);

// The copies as n layers of n rows of n, each layer a triangular net and the layers stacked
// A, B, C as in a face-centred cubic crystal, centred on the floor of the box.
void PlaceOnLattice(ParticleBox& box);

// Velocities from a Maxwell-Boltzmann distribution at `temperature`, with the block at rest as a
// whole. The same seed gives the same velocities on every machine: the draws are made from the
// 64-bit Mersenne twister, whose sequence the C++ standard fixes.
void DrawThermalVelocities(ParticleBox& box, double temperature, std::uint64_t seed);

}  // namespace kiva
