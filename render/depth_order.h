// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The depth order of atoms and bonds: the order a diminishing-gap exchange sort leaves them in.
#include <cstdint>
#include <span>
#include <vector>

namespace kiva {

// Working memory of one depth order, kept by its owner from frame to frame: a large scene then
// reuses its pages instead of faulting in fresh ones for every frame.
struct DepthOrderScratch {
    std::vector<float> keys;
    std::vector<std::uint64_t> items, spare;
    std::vector<std::uint32_t> position, segment, nextSlot, holder, runOf, order;
};

// The order the exchange sort leaves the entries 0 to n - 1 in: gaps n div 2, n div 4, ..., 1;
// at each gap, passes over j = 0 to n - gap - 1 swap entries j and j + gap whenever the key at
// j + gap is strictly less, until a pass swaps nothing. Computed in about the time of one sort.
void ExchangeSortOrder(std::span<const float> keys, std::vector<int>& order, DepthOrderScratch& scratch);

}  // namespace kiva
