// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The multiples dialog's reading of its three edits: how many unit cells along x, y and z.
#include <array>
#include <optional>
#include <string>

namespace kiva {

struct MultiplesRefusal {
    int axis;             // 0 for x, 1 for y, 2 for z: the edit that takes the focus
    std::string message;  // "Please enter a positive integer." or the range message
    bool outOfRange = false;  // an integer, but not one from 1 to kMaxCellMultiple
};

// Reads x, y and z in that order into `multiples`, each an unsigned integer from 1 to 16, and
// stops at the first edit that is not; the values not yet read stay as they were.
std::optional<MultiplesRefusal> ReadCellMultiples(const std::array<std::string, 3>& texts,
                                                  std::array<int, 3>& multiples);

}  // namespace kiva
