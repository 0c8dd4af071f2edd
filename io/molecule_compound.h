// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A molecule read from a molfile, XYZ or PDB file, made a compound with no crystal: its atoms
// labelled by element (a lone ion with its charge, Na+), bond rules that find exactly its bonds.
#include <string_view>

#include "chem/compound_record.h"
#include "io/molecule_file.h"

namespace kiva {

CompoundRecord MoleculeCompound(const Molecule& molecule, std::string_view name);

// The bonding class of a molecule file's content: metal atoms alone are a metal, noble-gas
// atoms alone atoms, charged atoms beside metals an ionic unit; anything else a molecule.
BondingClass ClassifyMolecule(const Molecule& molecule);

}  // namespace kiva
