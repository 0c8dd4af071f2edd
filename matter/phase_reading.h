// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phase read from the copies themselves, not from the set temperature: how many of them have
// left their places over a while, and how many fly free of the rest.
#include <array>
#include <cstddef>
#include <vector>

#include "matter/particle_box.h"

namespace kiva {

enum class MatterPhase { Solid, Melting, Liquid, Boiling, Gas, Subliming };

// What each copy is doing over the last window of time.
enum class CopyState : unsigned char { InPlace, Moving, Free };

// A copy with fewer neighbours than this flies free: in the liquid a copy has eight to twelve,
// in the gas of this box about one.
inline constexpr int kFreeBelowNeighbours = 5;
// A copy that has lost more than this share of the neighbours it had at the window's start has
// left its place. Counting neighbours, not distances, keeps a crystal that slides or turns whole
// a crystal.
inline constexpr double kLeftPlaceShare = 0.3;
inline constexpr int kMaxListedNeighbours = 16;  // a close-packed copy has 12
// The first shell of neighbours a copy keeps while it stays in place: the crystal's nearest ones
// lie at 1.1 sigma, its next at 1.56.
inline constexpr double kShellDistance = 1.35;

// Each copy's neighbours at one moment, by index.
struct NeighbourLists {
    std::vector<std::array<int, kMaxListedNeighbours>> ids;
    std::vector<int> counts;
};

// The neighbours of every copy at its present place, from the last force pass's pair list.
void ListNeighbours(const ParticleBox& box, NeighbourLists& lists);

struct PhaseCounts {
    std::size_t inPlace = 0, moving = 0, free = 0;
};

// Each copy's state from its neighbours now and those it had at the window's start.
// `neighbours` are the counts within kNeighbourDistance of the last force pass.
void ReadCopyStates(const NeighbourLists& before, const NeighbourLists& now, const std::vector<int>& neighbours,
                    std::vector<CopyState>& states);

PhaseCounts CountStates(const std::vector<CopyState>& states);

// The phase of the whole box from the shares of the copies' states. Copies of a pair potential
// without a liquid that have left their places are clusters of the gas.
MatterPhase PhaseOf(const PhaseCounts& counts, bool liquidExists = true);

}  // namespace kiva
