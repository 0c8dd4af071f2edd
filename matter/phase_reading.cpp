// SPDX-License-Identifier: GPL-2.0-or-later
#include "matter/phase_reading.h"

#include <algorithm>

namespace kiva {

namespace {

// Shares of the copies that tell the phases apart, measured with this model. A small crystal
// near its melting point has a fifth to a third of its copies moving over its surface; a liquid
// drop in a box ten times its volume has up to a fifth of them in the vapour above it.
constexpr double kSolidInPlace = 0.6;
constexpr double kMeltingInPlace = 0.2;
constexpr double kGasFree = 0.8;
constexpr double kBoilingFree = 0.5;
constexpr double kSublimingFree = 0.25;
constexpr double kSublimingMoving = 0.25;

}  // namespace

void ListNeighbours(const ParticleBox& box, NeighbourLists& lists) {
    const CellGrid& grid = box.grid;
    const std::size_t n = box.position.size();
    lists.ids.resize(n);
    lists.counts.assign(n, 0);
    if (grid.sorted.size() != n) return;
    const double reach = kShellDistance * kShellDistance;
    for (int x = 0; x < grid.cells[0]; ++x)
        for (int y = 0; y < grid.cells[1]; ++y)
            for (int z = 0; z < grid.cells[2]; ++z) {
                const int cell = grid.Index(x, y, z);
                for (int slot = grid.start[cell]; slot < grid.start[cell + 1]; ++slot) {
                    const int i = grid.order[slot];
                    int& count = lists.counts[i];
                    for (int dx = std::max(x - 1, 0); dx <= std::min(x + 1, grid.cells[0] - 1); ++dx)
                        for (int dy = std::max(y - 1, 0); dy <= std::min(y + 1, grid.cells[1] - 1); ++dy)
                            for (int dz = std::max(z - 1, 0); dz <= std::min(z + 1, grid.cells[2] - 1); ++dz) {
                                const int other = grid.Index(dx, dy, dz);
                                for (int o = grid.start[other]; o < grid.start[other + 1]; ++o) {
                                    double r2 = 0;
                                    for (int axis = 0; axis < 3; ++axis) {
                                        const double d = grid.sorted[slot][axis] - grid.sorted[o][axis];
                                        r2 += d * d;
                                    }
                                    if (o != slot && r2 < reach && count < kMaxListedNeighbours)
                                        lists.ids[i][count++] = grid.order[o];
                                }
                            }
                }
            }
}

void ReadCopyStates(const NeighbourLists& before, const NeighbourLists& now, const std::vector<int>& neighbours,
                    std::vector<CopyState>& states) {
    const std::size_t n = now.counts.size();
    states.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (i >= neighbours.size() || neighbours[i] < kFreeBelowNeighbours) {
            states[i] = CopyState::Free;
            continue;
        }
        const int had = i < before.counts.size() ? before.counts[i] : 0;
        int kept = 0;
        for (int k = 0; k < had; ++k) {
            const int id = before.ids[i][k];
            for (int m = 0; m < now.counts[i]; ++m) kept += now.ids[i][m] == id ? 1 : 0;
        }
        const bool left = had == 0 || kept < (1.0 - kLeftPlaceShare) * had;
        states[i] = left ? CopyState::Moving : CopyState::InPlace;
    }
}

PhaseCounts CountStates(const std::vector<CopyState>& states) {
    PhaseCounts counts;
    for (const CopyState state : states) {
        if (state == CopyState::InPlace) ++counts.inPlace;
        else if (state == CopyState::Moving) ++counts.moving;
        else ++counts.free;
    }
    return counts;
}

MatterPhase PhaseOf(const PhaseCounts& counts, bool liquidExists) {
    const double total = static_cast<double>(counts.inPlace + counts.moving + counts.free);
    if (total == 0) return MatterPhase::Gas;
    const double inPlace = static_cast<double>(counts.inPlace) / total;
    const double moving = static_cast<double>(counts.moving) / total;
    const double free = static_cast<double>(counts.free) / total;
    if (free >= kGasFree) return MatterPhase::Gas;
    if (inPlace >= kSolidInPlace) return MatterPhase::Solid;
    if (!liquidExists) return MatterPhase::Subliming;
    if (inPlace >= kMeltingInPlace && free >= kSublimingFree && moving < kSublimingMoving) return MatterPhase::Subliming;
    if (inPlace >= kMeltingInPlace) return MatterPhase::Melting;
    if (free >= kBoilingFree) return MatterPhase::Boiling;
    return MatterPhase::Liquid;
}

}  // namespace kiva
