// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/bonded_groups.h"

#include <map>
#include <utility>

namespace kiva {

BondedGroups GroupBondedAtoms(std::size_t atomCount, const std::vector<CellContact>& bonds) {
    // Union-find over atom images: atom i moved by shiftToParent[i] joins its parent unmoved.
    std::vector<int> parent(atomCount);
    std::vector<CellShift> shiftToParent(atomCount, CellShift{});
    std::vector<bool> endless(atomCount, false);
    for (std::size_t i = 0; i < atomCount; ++i) parent[i] = static_cast<int>(i);
    const auto find = [&](int atom) {
        CellShift shift{};
        int root = atom;
        while (parent[static_cast<std::size_t>(root)] != root) {
            shift = Plus(shift, shiftToParent[static_cast<std::size_t>(root)]);
            root = parent[static_cast<std::size_t>(root)];
        }
        // Point the path straight at the root.
        CellShift remaining = shift;
        for (int node = atom; parent[static_cast<std::size_t>(node)] != root && node != root;) {
            const int next = parent[static_cast<std::size_t>(node)];
            const CellShift step = shiftToParent[static_cast<std::size_t>(node)];
            parent[static_cast<std::size_t>(node)] = root;
            shiftToParent[static_cast<std::size_t>(node)] = remaining;
            remaining = Minus(remaining, step);
            node = next;
        }
        return std::pair{root, shift};
    };
    for (const CellContact& bond : bonds) {
        const auto [rootA, shiftA] = find(bond.first);
        const auto [rootB, shiftB] = find(bond.second);
        // (first, shiftA) joins rootA; the bond puts (second, shiftA + shift) beside it.
        const CellShift rootBShift = Minus(Plus(shiftA, bond.shift), shiftB);
        if (rootA == rootB) {
            if (rootBShift != CellShift{}) endless[static_cast<std::size_t>(rootA)] = true;
            continue;
        }
        parent[static_cast<std::size_t>(rootB)] = rootA;
        shiftToParent[static_cast<std::size_t>(rootB)] = rootBShift;
        if (endless[static_cast<std::size_t>(rootB)]) endless[static_cast<std::size_t>(rootA)] = true;
    }

    BondedGroups groups;
    groups.groupOf.assign(atomCount, -1);
    groups.offset.assign(atomCount, CellShift{});
    std::map<int, int> groupOfRoot;
    for (std::size_t i = 0; i < atomCount; ++i) {
        const auto [root, shift] = find(static_cast<int>(i));
        const auto [entry, added] = groupOfRoot.try_emplace(root, static_cast<int>(groups.members.size()));
        if (added) {
            groups.members.emplace_back();
            groups.endless.push_back(endless[static_cast<std::size_t>(root)]);
        }
        groups.groupOf[i] = entry->second;
        groups.offset[i] = shift;
        groups.members[static_cast<std::size_t>(entry->second)].push_back(static_cast<int>(i));
    }
    return groups;
}

}  // namespace kiva
