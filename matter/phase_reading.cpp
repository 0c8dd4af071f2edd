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

// The shell lies well within the force pass's pair list, which holds every copy within the
// cut-off of the present positions.
void ListNeighbours(const ParticleBox& box, NeighbourLists& lists) {
    const std::size_t n = box.position.size();
    lists.ids.resize(n);
    lists.counts.assign(n, 0);
    if (box.pairs.partners.size() != n) return;
    const double reach = kShellDistance * kShellDistance;
    for (std::size_t i = 0; i < n; ++i) {
        int& count = lists.counts[i];
        for (const int j : box.pairs.partners[i]) {
            double r2 = 0;
            for (int axis = 0; axis < 3; ++axis) {
                const double d = box.position[i][axis] - box.position[static_cast<std::size_t>(j)][axis];
                r2 += d * d;
            }
            if (r2 < reach && count < kMaxListedNeighbours) lists.ids[i][count++] = j;
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
