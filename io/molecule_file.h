// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Molecules from MDL molfiles (the first record of an SD file), XYZ and PDB files, read with
// Open Babel: the atoms with their charges, and the bonds with their orders.
#include <string>
#include <string_view>
#include <vector>

#include "io/structure_format.h"
#include "math/vector_math.h"

namespace kiva {

struct MoleculeAtom {
    std::string element;  // Na, C
    int charge = 0;
    Vector3D position;    // angstrom
};

struct MoleculeBond {
    int first = 0;   // atom indices from 0
    int second = 0;
    int order = 1;   // 1, 2 or 3; 0 for a coordination bond
};

struct Molecule {
    std::string title;
    std::vector<MoleculeAtom> atoms;
    std::vector<MoleculeBond> bonds;
};

// Reads the first molecule of the text, which is in the format given (Molfile, Xyz or Pdb).
// Molfiles keep their bonds and orders; XYZ and PDB files get theirs from the distances (and a
// PDB file's CONECT records). Throws SourceError naming the file and, where it can, the line of
// anything malformed, of any atom no element has, and of coordinates that are no numbers.
Molecule ParseMolecule(std::string_view text, StructureFormat format, const std::string& path);

}  // namespace kiva
