// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// MDL molfiles (V2000): the atoms with their coordinates and charges, and the bonds with orders.
#include <string>
#include <vector>

namespace kiva::mkdb {

struct MolAtom {
    std::string element;
    double x = 0, y = 0, z = 0;  // angstrom
    int charge = 0;
};

struct MolBond {
    int first = 0;   // atom indices from 0
    int second = 0;
    int order = 1;   // 1, 2 or 3
    int line = 0;
};

struct Molfile {
    std::string title;
    std::vector<MolAtom> atoms;
    std::vector<MolBond> bonds;
};

// Throws SourceError naming the file and line of anything malformed, and of aromatic (order 4)
// bonds, which the catalogue wants in one Kekule form.
Molfile ReadMolfile(const std::string& path);
Molfile ParseMolfile(const std::string& text, const std::string& path);

}  // namespace kiva::mkdb
