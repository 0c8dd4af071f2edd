// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Well-formed records that no chemistry holds, each built to make one part of a frame as slow
// as it can: for the tests that keep the viewer responsive and for the benchmarks.
#include <cmath>

#include "tests/support/sample_records.h"

namespace kiva::testing {

// 10,000 carbon atoms on one point: every sphere fills the picture.
inline CompoundRecord StackedAtoms(int count = 10000) {
    CompoundRecord record;
    SetText(record.name, "Stacked");
    record.unitAtoms.assign(static_cast<std::size_t>(count), Site("C", 0, {0, 0, 0}));
    return record;
}

// 2,050 atoms spread over a sphere of 10 angstrom, every pair bonded: 2.1 million bonds, most of
// them across the whole picture.
inline CompoundRecord LongBonds(int count = 2050) {
    CompoundRecord record;
    SetText(record.name, "LongBonds");
    const double golden = 2.39996322972865332;  // radians between neighbours of a Fibonacci sphere
    for (int i = 0; i < count; ++i) {
        const double z = 1 - 2 * (i + 0.5) / count;
        const double r = std::sqrt(1 - z * z);
        record.unitAtoms.push_back(Site("C", 0, {static_cast<float>(10 * r * std::cos(golden * i)),
                                                 static_cast<float>(10 * r * std::sin(golden * i)),
                                                 static_cast<float>(10 * z)}));
    }
    record.bondRules = {Rule("C", "C", 0, 100, 1)};
    return record;
}

// 46,341 atoms on one point and a rule that bonds none of them: 2^30 pair tests that find nothing.
inline CompoundRecord FruitlessPairs(int count = 46341) {
    CompoundRecord record = StackedAtoms(count);
    SetText(record.name, "Fruitless");
    record.bondRules = {Rule("C", "C", 1, 2, 1)};
    return record;
}

}  // namespace kiva::testing
