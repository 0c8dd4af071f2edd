// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/ring_count.h"

#include <numeric>

namespace kiva {

std::size_t IndependentRings(std::size_t atomCount, const std::vector<std::pair<int, int>>& bonds) {
    std::vector<std::size_t> parent(atomCount);
    std::iota(parent.begin(), parent.end(), std::size_t{0});
    const auto root = [&](std::size_t i) {
        while (parent[i] != i) i = parent[i] = parent[parent[i]];
        return i;
    };
    // Each bond either joins two parts or closes a ring.
    std::size_t rings = 0;
    for (const auto& [first, second] : bonds) {
        if (first < 0 || second < 0 || static_cast<std::size_t>(first) >= atomCount || static_cast<std::size_t>(second) >= atomCount)
            continue;
        const std::size_t a = root(static_cast<std::size_t>(first)), b = root(static_cast<std::size_t>(second));
        if (a == b)
            ++rings;
        else
            parent[a] = b;
    }
    return rings;
}

}  // namespace kiva
