// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/crystal_cell.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <tuple>

namespace kiva {
namespace {

using Contact = std::tuple<int, int, int, int, int>;  // first, second and the shift, first <= second

// Each contact in one orientation, so a pair found either way round compares equal.
Contact Normalised(int first, int second, CellShift shift) {
    if (first > second || (first == second && shift < CellShift{0, 0, 0})) {
        std::swap(first, second);
        shift = {-shift[0], -shift[1], -shift[2]};
    }
    return {first, second, shift[0], shift[1], shift[2]};
}

CrystalCell Cell(const std::array<std::array<double, 3>, 3>& axes, const std::vector<Vector3D>& fractions) {
    CrystalCell cell;
    cell.axes = axes;
    for (const Vector3D& f : fractions) {
        CellAtom atom;
        atom.fraction = f;
        const double fraction[3] = {f.x, f.y, f.z};
        for (int axis = 0; axis < 3; ++axis)
            for (int k = 0; k < 3; ++k) atom.position[static_cast<std::size_t>(k)] += fraction[axis] * axes[axis][k];
        cell.atoms.push_back(atom);
    }
    return cell;
}

// Every pair within reach, its second atom moved by up to `span` cells along each axis.
std::set<Contact> BruteForce(const CrystalCell& cell, double reach, int span) {
    std::set<Contact> found;
    const int count = static_cast<int>(cell.atoms.size());
    for (int first = 0; first < count; ++first)
        for (int second = 0; second < count; ++second)
            for (int i = -span; i <= span; ++i)
                for (int j = -span; j <= span; ++j)
                    for (int k = -span; k <= span; ++k) {
                        const CellShift shift{i, j, k};
                        if (first == second && shift == CellShift{0, 0, 0}) continue;
                        const auto a = cell.PositionOf(first, {0, 0, 0}), b = cell.PositionOf(second, shift);
                        const double distance = std::hypot(a[0] - b[0], a[1] - b[1], a[2] - b[2]);
                        if (distance <= reach) found.insert(Normalised(first, second, shift));
                    }
    return found;
}

TEST(FindContacts, ReachesEveryPartnerInACellThinnerThanTheReach) {
    const double reach = 3.2;
    const std::vector<Vector3D> fractions = {{0, 0, 0}, {0.5f, 0.5f, 0.9999f}, {0.9999f, 0.25f, 0.5f}};
    const std::array<std::array<double, 3>, 3> thin{{{4.0, 0, 0}, {0, 4.5, 0}, {0, 0, 0.9}}};
    const std::array<std::array<double, 3>, 3> oblique{{{4.0, 0, 0}, {1.5, 3.9, 0}, {0.4, 0.3, 1.1}}};
    for (const auto& axes : {thin, oblique}) {
        const CrystalCell cell = Cell(axes, fractions);
        std::set<Contact> searched;
        for (const CellContact& contact : FindContacts(cell, reach)) {
            const bool fresh = searched.insert(Normalised(contact.first, contact.second, contact.shift)).second;
            EXPECT_TRUE(fresh) << "each contact is listed once";
        }
        EXPECT_EQ(searched, BruteForce(cell, reach, 6));
    }
}

}  // namespace
}  // namespace kiva
