// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A substance of the built catalogue, for tests that check what a user sees on real data.
// KIVA_CATALOGUE_DIR names the directory of Molecule.dat and Index.dat.
#include <stdexcept>
#include <string>

#include "chem/compound_record.h"
#include "chem/molecule_index.h"

namespace kiva::testing {

inline CompoundRecord CatalogueRecord(const char* name) {
    MoleculeIndex index;
    index.path = std::string(KIVA_CATALOGUE_DIR) + "/Index.dat";
    CompoundRecord record;
    if (!LoadMoleculeIndex(index) || !LoadCompoundByName(index, std::string(KIVA_CATALOGUE_DIR) + "/Molecule.dat", name, record))
        throw std::runtime_error(std::string("the built catalogue has no ") + name);
    return record;
}

}  // namespace kiva::testing
