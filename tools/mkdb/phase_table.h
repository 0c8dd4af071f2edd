// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The catalogue's melting and boiling points: DATA/phase_points.tsv, checked against the index
// and compiled into PhasePoints.dat.
#include <string>
#include <vector>

#include "chem/molecule_index.h"

namespace kiva::mkdb {

struct CompiledPhaseTable {
    std::string fileText;   // PhasePoints.dat's bytes
    bool hasSource = false; // false: the folder holds no phase_points.tsv, and the table is empty
};

// Reads DATA/phase_points.tsv and checks that it has one row for each entry and no other.
// Throws SourceError naming the file (and the line, for a bad row). A folder without the table
// compiles to an empty one, which the viewer treats as a missing table.
CompiledPhaseTable CompilePhaseTable(const std::string& dataDirectory, const std::vector<IndexEntry>& entries);

}  // namespace kiva::mkdb
