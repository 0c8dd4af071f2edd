// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/ring_systems.h"

#include <numeric>

namespace kiva {

std::vector<std::size_t> RingsPerPart(std::size_t atomCount, const std::vector<std::pair<int, int>>& bonds) {
    std::vector<std::size_t> parent(atomCount);
    std::iota(parent.begin(), parent.end(), std::size_t{0});
    const auto root = [&](std::size_t i) {
        while (parent[i] != i) i = parent[i] = parent[parent[i]];
        return i;
    };
    const auto inside = [atomCount](int atom) { return atom >= 0 && static_cast<std::size_t>(atom) < atomCount; };
    for (const auto& [first, second] : bonds)
        if (inside(first) && inside(second)) parent[root(static_cast<std::size_t>(first))] = root(static_cast<std::size_t>(second));
    std::vector<std::size_t> bondsOf(atomCount, 0), atomsOf(atomCount, 0);
    for (const auto& [first, second] : bonds)
        if (inside(first) && inside(second)) ++bondsOf[root(static_cast<std::size_t>(first))];
    for (std::size_t i = 0; i < atomCount; ++i) ++atomsOf[root(i)];
    std::vector<std::size_t> rings;
    for (std::size_t i = 0; i < atomCount; ++i)
        if (atomsOf[i] > 0) rings.push_back(bondsOf[i] + 1 > atomsOf[i] ? bondsOf[i] + 1 - atomsOf[i] : 0);
    return rings;
}

}  // namespace kiva
