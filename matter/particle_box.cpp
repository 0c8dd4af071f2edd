// SPDX-License-Identifier: GPL-2.0-or-later
#include "matter/particle_box.h"

#include <algorithm>
#include <cmath>

#include "render/render_workers.h"

namespace kiva {

namespace {

// The short-ranged potential is cut at 1.6 sigma, where it has fallen below a thousandth of its well.
constexpr double kShortCutoff = 1.6;
constexpr double kListReach = kPairCutoff + kListSkin;
constexpr double kNeighbourSquared = kNeighbourDistance * kNeighbourDistance;
// The potential's value at the cut-off, subtracted so that it reaches zero there.
struct PairLaw {
    int halfExponent;  // n / 2
    double cutoffSquared;
    double energyShift;  // the potential's value at the cut-off, subtracted so it ends at zero
};

PairLaw LawOf(PairRange range) {
    const int n = static_cast<int>(range);
    const double cutoff = range == PairRange::LennardJones ? kPairCutoff : kShortCutoff;
    return {n / 2, cutoff * cutoff, 4.0 * (std::pow(cutoff, -2 * n) - std::pow(cutoff, -n))};
}
// Two copies pressed nearer than 0.6 sigma would take 1,750 epsilon; a nearer pair is treated as
// at that distance, so no step can overflow.
constexpr double kClosestSquared = 0.36;

// The walls push a copy back once its centre is nearer than half a sigma, its own radius, with a
// spring stiff enough that the fastest copies of the hottest gas turn within a third of a sigma.
constexpr double kWallReach = 0.5;
constexpr double kWallStiffness = 200.0;  // epsilon / sigma^2

void SortIntoCells(ParticleBox& box) {
    CellGrid& grid = box.grid;
    for (int axis = 0; axis < 3; ++axis) {
        grid.cells[axis] = std::clamp(static_cast<int>(box.size[axis] / kListReach), 1, 64);
        grid.cellSize[axis] = box.size[axis] / grid.cells[axis];
    }
    const int cellCount = grid.cells[0] * grid.cells[1] * grid.cells[2];
    const std::size_t n = box.position.size();
    std::vector<int>& cellOf = grid.cellOf;
    cellOf.resize(n);
    grid.start.assign(static_cast<std::size_t>(cellCount) + 1, 0);
    for (std::size_t i = 0; i < n; ++i) {
        const Vec3& p = box.position[i];
        cellOf[i] = grid.Index(grid.CellOf(p, 0), grid.CellOf(p, 1), grid.CellOf(p, 2));
        ++grid.start[static_cast<std::size_t>(cellOf[i]) + 1];
    }
    for (int c = 0; c < cellCount; ++c) grid.start[c + 1] += grid.start[c];
    std::vector<int> next(grid.start.begin(), grid.start.end() - 1);
    grid.order.resize(n);
    grid.sorted.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const int slot = next[cellOf[i]]++;
        grid.order[slot] = static_cast<int>(i);
        grid.sorted[slot] = box.position[i];
    }
}

double DistanceSquared(const Vec3& a, const Vec3& b) {
    const double dx = a[0] - b[0], dy = a[1] - b[1], dz = a[2] - b[2];
    return dx * dx + dy * dy + dz * dz;
}

// The list lasts while no copy has moved half the skin; a position that is not a number, or
// copies added, remake it.
bool PairListIsStale(const ParticleBox& box) {
    const std::size_t n = box.position.size();
    if (box.pairs.builtAt.size() != n || box.pairs.partners.size() != n) return true;
    const double limit = 0.25 * kListSkin * kListSkin;
    for (std::size_t i = 0; i < n; ++i)
        if (!(DistanceSquared(box.position[i], box.pairs.builtAt[i]) <= limit)) return true;
    return false;
}

// The partners of the copies in cell (x, y, z) among every copy in it and its 26 neighbour cells.
void ListCellPartners(ParticleBox& box, int x, int y, int z) {
    const CellGrid& grid = box.grid;
    const double reach = kListReach * kListReach;
    const int cell = grid.Index(x, y, z);
    for (int slot = grid.start[cell]; slot < grid.start[cell + 1]; ++slot) {
        std::vector<int>& partners = box.pairs.partners[static_cast<std::size_t>(grid.order[slot])];
        partners.clear();
        for (int dx = std::max(x - 1, 0); dx <= std::min(x + 1, grid.cells[0] - 1); ++dx)
            for (int dy = std::max(y - 1, 0); dy <= std::min(y + 1, grid.cells[1] - 1); ++dy)
                for (int dz = std::max(z - 1, 0); dz <= std::min(z + 1, grid.cells[2] - 1); ++dz) {
                    const int other = grid.Index(dx, dy, dz);
                    for (int o = grid.start[other]; o < grid.start[other + 1]; ++o)
                        if (o != slot && DistanceSquared(grid.sorted[slot], grid.sorted[o]) < reach)
                            partners.push_back(grid.order[o]);
                }
    }
}

void BuildPairList(ParticleBox& box, RenderWorkers& workers, int threads) {
    SortIntoCells(box);
    box.pairs.partners.resize(box.position.size());
    const CellGrid& grid = box.grid;
    const int columns = grid.cells[0] * grid.cells[1];
    const int tasks = std::min(columns, std::max(threads, 1) * 4);
    workers.Run(tasks, std::max(threads, 1), [&](int task, int) {
        for (int column = columns * task / tasks; column < columns * (task + 1) / tasks; ++column)
            for (int z = 0; z < grid.cells[2]; ++z) ListCellPartners(box, column / grid.cells[1], column % grid.cells[1], z);
    });
    box.pairs.builtAt = box.position;
}

// Copy i's pairs: its force, its half share of their energy and its neighbours.
void PairForces(ParticleBox& box, const PairLaw& law, std::size_t i) {
    const auto n = static_cast<double>(2 * law.halfExponent);
    const Vec3 p = box.position[i];
    Vec3 f{0, 0, 0};
    double energy = 0;
    int neighbours = 0;
    for (const int j : box.pairs.partners[i]) {
        const Vec3& q = box.position[static_cast<std::size_t>(j)];
        const double rx = p[0] - q[0], ry = p[1] - q[1], rz = p[2] - q[2];
        double r2 = rx * rx + ry * ry + rz * rz;
        if (r2 >= law.cutoffSquared) continue;
        if (r2 < kNeighbourSquared) ++neighbours;
        r2 = std::max(r2, kClosestSquared);
        const double inv2 = 1.0 / r2;
        double invN = inv2 * inv2 * inv2;  // r^-n
        for (int k = 3; k < law.halfExponent; ++k) invN *= inv2;
        // -dU/dr / r for U = 4 (r^-2n - r^-n)
        const double scale = 4.0 * n * invN * (2.0 * invN - 1.0) * inv2;
        f[0] += scale * rx;
        f[1] += scale * ry;
        f[2] += scale * rz;
        energy += 2.0 * invN * (invN - 1.0) - 0.5 * law.energyShift;
    }
    box.force[i] = f;
    box.pairEnergy[i] = energy;
    box.neighbours[i] = neighbours;
}

// A wall's push on a copy at distance d from it, and the spring's energy.
double WallPush(double d) { return d < kWallReach ? kWallStiffness * (kWallReach - d) : 0.0; }
double WallEnergy(double d) {
    return d < kWallReach ? 0.5 * kWallStiffness * (kWallReach - d) * (kWallReach - d) : 0.0;
}

}  // namespace

int CellGrid::CellOf(const Vec3& p, int axis) const {
    const double cell = std::floor(p[axis] / cellSize[axis]);
    if (!(cell > 0)) return 0;  // also for a position that is not a number
    return static_cast<int>(std::min(cell, static_cast<double>(cells[axis] - 1)));
}

ParticleBox MakeParticleBox(std::size_t count, Vec3 size, double gravity) {
    ParticleBox box;
    box.size = size;
    box.gravity = gravity;
    box.position.assign(count, Vec3{0, 0, 0});
    box.velocity.assign(count, Vec3{0, 0, 0});
    box.force.assign(count, Vec3{0, 0, 0});
    box.pairEnergy.assign(count, 0.0);
    box.neighbours.assign(count, 0);
    return box;
}

void ComputeForces(ParticleBox& box, RenderWorkers& workers, int threads) {
    if (PairListIsStale(box)) BuildPairList(box, workers, threads);
    const PairLaw law = LawOf(box.range);
    const std::size_t n = box.position.size();
    const int tasks = static_cast<int>(std::min<std::size_t>(n, static_cast<std::size_t>(std::max(threads, 1)) * 4));
    if (tasks > 0)
        workers.Run(tasks, std::max(threads, 1), [&](int task, int) {
            const std::size_t tasksCount = static_cast<std::size_t>(tasks), t = static_cast<std::size_t>(task);
            for (std::size_t i = n * t / tasksCount; i < n * (t + 1) / tasksCount; ++i) PairForces(box, law, i);
        });
    for (std::size_t i = 0; i < box.position.size(); ++i) {
        const Vec3& p = box.position[i];
        for (int axis = 0; axis < 3; ++axis)
            box.force[i][axis] += WallPush(p[axis]) - WallPush(box.size[axis] - p[axis]);
        box.force[i][1] -= box.gravity;
    }
}

double KineticEnergy(const ParticleBox& box) {
    double sum = 0;
    for (const Vec3& v : box.velocity) sum += 0.5 * (v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    return sum;
}

double PotentialEnergy(const ParticleBox& box) {
    double sum = 0;
    for (std::size_t i = 0; i < box.position.size(); ++i) {
        const Vec3& p = box.position[i];
        sum += box.pairEnergy[i] + box.gravity * p[1];
        for (int axis = 0; axis < 3; ++axis) sum += WallEnergy(p[axis]) + WallEnergy(box.size[axis] - p[axis]);
    }
    return sum;
}

void VerletStep(ParticleBox& box, double dt, RenderWorkers& workers, int threads) {
    const std::size_t n = box.position.size();
    for (std::size_t i = 0; i < n; ++i)
        for (int axis = 0; axis < 3; ++axis) {
            box.velocity[i][axis] += 0.5 * dt * box.force[i][axis];
            box.position[i][axis] += dt * box.velocity[i][axis];
        }
    ComputeForces(box, workers, threads);
    for (std::size_t i = 0; i < n; ++i)
        for (int axis = 0; axis < 3; ++axis) box.velocity[i][axis] += 0.5 * dt * box.force[i][axis];
}

}  // namespace kiva
