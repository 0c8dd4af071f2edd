// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// gemmi's own expansion of a CIF, to check Kiva's against; its file sees no Kiva header.
#include <map>
#include <string>

namespace kiva::testing {

using Counts = std::map<std::string, int>;

// The atoms of the complete 1 x 1 x 1 cell by element, as gemmi expands the file's sites: a
// site on a face also stands on the opposite face, one on an edge on four, one on a corner on eight.
Counts GemmiCellCounts(const std::string& path);

}  // namespace kiva::testing
