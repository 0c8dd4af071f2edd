// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The growth rule of the program's growable arrays (match lists, scene atoms and bonds): room
// comes in blocks of 16 records, and grows one block before it would be full.
#include <cstddef>

namespace kiva {

inline constexpr std::size_t kGrowthBlock = 16;

// The room an array needs before appending to `count` records that have `room`.
constexpr std::size_t RoomBeforeAppend(std::size_t count, std::size_t room) {
    return count % kGrowthBlock == kGrowthBlock - 1 ? (count + kGrowthBlock + 1) / kGrowthBlock * kGrowthBlock : room;
}

}  // namespace kiva
