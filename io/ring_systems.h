// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How many independent rings the bonds of a molecule close: bonds minus atoms plus connected
// parts. Open Babel's ring and stereo perception grows steeply with them.
#include <cstddef>
#include <utility>
#include <vector>

namespace kiva {

// Rings beyond which Open Babel's perception may take seconds: about a quarter of a second at
// 100 in one ring system, and steeply more after. The catalogue's most, C60's, are 31.
inline constexpr std::size_t kMaxPerceivedRings = 100;

// The rings of each connected part: atoms are numbered 0 to atomCount - 1, and a bond naming an
// atom outside them is left out.
std::vector<std::size_t> RingsPerPart(std::size_t atomCount, const std::vector<std::pair<int, int>>& bonds);

}  // namespace kiva
