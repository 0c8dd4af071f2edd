// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Copies of a chemical unit in a box with walls, a floor and gravity, as point masses with one
// Lennard-Jones pair potential between their centres. Reduced units throughout: lengths in sigma
// (the unit's size), energies in epsilon, masses in the copy's mass, times in
// tau = sigma * sqrt(mass / epsilon), temperatures in epsilon / k.
#include <array>
#include <cstddef>
#include <vector>

namespace kiva {

class RenderWorkers;

using Vec3 = std::array<double, 3>;  // x, y (up) and z

// The pair potential is cut at 2.5 sigma and shifted to zero there, the usual choice of
// simulations of the Lennard-Jones fluid (Allen and Tildesley, Computer Simulation of Liquids).
inline constexpr double kPairCutoff = 2.5;
// Copies nearer than this count as neighbours of one another: the first minimum of the
// Lennard-Jones liquid's pair distribution lies at about 1.5 sigma.
inline constexpr double kNeighbourDistance = 1.5;

// Each copy's partners within the cut-off and a skin, kept until some copy has moved half the
// skin since (Verlet's neighbour list): every pair within the cut-off is then still on it.
inline constexpr double kListSkin = 0.3;

// The copies sorted into cells at least a cut-off and a skin wide, remade with the pair list.
struct CellGrid {
    std::array<int, 3> cells{1, 1, 1};
    Vec3 cellSize{1, 1, 1};
    std::vector<int> start;    // start[c] .. start[c + 1] are cell c's copies in `order`
    std::vector<int> order;    // copy indices sorted by cell
    std::vector<Vec3> sorted;  // their positions in that order
    std::vector<int> cellOf;   // each copy's cell

    int CellOf(const Vec3& p, int axis) const;
    int Index(int x, int y, int z) const { return (x * cells[1] + y) * cells[2] + z; }
};

// The pair potential U = 4 epsilon ((sigma/r)^2n - (sigma/r)^n). With n = 6 it is Lennard-Jones's;
// with n = 18 its attraction reaches so little beyond the copies' contact that the liquid is no
// longer stable and the solid goes straight to the gas (Vliegenthart, Lodge and Lekkerkerker,
// Physica A 263, 378, 1999), as for a substance that sublimes.
enum class PairRange { LennardJones = 6, Short = 18 };

struct PairList {
    std::vector<std::vector<int>> partners;  // by copy, in the order of the cells
    std::vector<Vec3> builtAt;               // the positions the list was made from
};

struct ParticleBox {
    Vec3 size{};
    PairRange range = PairRange::LennardJones;            // the box from the origin to `size`; y is up, the floor at y = 0
    double gravity = 0.0;   // downward acceleration, sigma / tau^2
    std::vector<Vec3> position, velocity, force;
    std::vector<double> pairEnergy;     // each copy's half share of its pairs' energy
    std::vector<int> neighbours;        // copies within kNeighbourDistance, from the last force pass
    CellGrid grid;                      // scratch of the pair list
    PairList pairs;
};

// A box of `count` copies at rest at the origin, with room for their forces.
ParticleBox MakeParticleBox(std::size_t count, Vec3 size, double gravity);

// Forces of the pairs, the walls and gravity on every copy, and each copy's pair energy and
// neighbour count. The pair list is remade from cells when it is stale; each copy adds its
// pairs up in the list's order on any number of threads, so the results are the same to the bit.
void ComputeForces(ParticleBox& box, RenderWorkers& workers, int threads);

double KineticEnergy(const ParticleBox& box);
// The pairs', the walls' and gravity's energy together.
double PotentialEnergy(const ParticleBox& box);

// One velocity Verlet step of length dt; the forces must be those of the present positions.
void VerletStep(ParticleBox& box, double dt, RenderWorkers& workers, int threads);

}  // namespace kiva
