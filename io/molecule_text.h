// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A first look at a molecule file's text, before Open Babel reads it: counts, coordinates and
// bonds checked line by line, so that damage is named where it stands and no count is believed
// beyond the lines that hold it.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "io/structure_format.h"

namespace kiva {

// The largest molecule read: ten thousand atoms, a small protein with its hydrogens.
inline constexpr std::size_t kMaxMoleculeAtoms = 10000;
// Coordinates beyond this (angstrom) are damage, not chemistry.
inline constexpr double kMaxCoordinate = 100000;

struct MoleculeText {
    std::string text;                    // the part to read: the first record, frame or model
    std::vector<int> atomLines;          // the line of every atom
    std::vector<std::string> atomTypes;  // every atom's element as written, for messages
};

// Throws SourceError naming the file and line of what is malformed, of coordinates that are no
// numbers or lie beyond any molecule, and of more atoms than Kiva shows.
MoleculeText ScanMoleculeText(std::string_view text, StructureFormat format, const std::string& path);

}  // namespace kiva
