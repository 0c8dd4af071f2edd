// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A crystal read from a CIF, made a compound: its basis labelled with the charges of its ions,
// the chemical unit cut from the crystal, the bonding class, and bond rules for the covalent
// bonds and the nearest neighbours of each ion or metal atom.
#include <string_view>

#include "chem/compound_record.h"
#include "io/cif_file.h"

namespace kiva {

// Throws SourceError (without a file) for a cell too full or too small to build.
CompoundRecord CrystalCompound(const CifCrystal& crystal, std::string_view name);

}  // namespace kiva
