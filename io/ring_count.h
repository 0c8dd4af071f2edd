// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// How many independent rings the bonds of a molecule close. Open Babel's ring search, which its
// stereo and bond-order perception run over the whole molecule, grows steeply with them.
#include <cstddef>
#include <utility>
#include <vector>

namespace kiva {

// Rings beyond which Open Babel's perception may take seconds: a fifth of a second for 100, in
// one ring system or in several, and about ten times as long for twice as many. The catalogue's
// most, C60's, are 31.
inline constexpr std::size_t kMaxPerceivedRings = 100;

// Bonds minus atoms plus connected parts, for atoms numbered 0 to atomCount - 1; a bond naming an
// atom outside them is left out.
std::size_t IndependentRings(std::size_t atomCount, const std::vector<std::pair<int, int>>& bonds);

}  // namespace kiva
