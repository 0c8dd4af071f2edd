// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Turning one substance's sources into its compound record and index entry.
#include <string>

#include "chem/compound_record.h"
#include "chem/element_table.h"
#include "chem/molecule_index.h"
#include "tools/mkdb/manifest.h"

namespace kiva::mkdb {

// Reads the substance's molfile and CIF (paths relative to dataDirectory), applies its labels and
// bond rules, or derives the rules from the molfile's bonds. Throws SourceError naming the file
// and line at fault.
CompoundRecord BuildCompound(const SubstanceSource& substance, const std::string& dataDirectory,
                             const ElementTable& elements);

// The entry, without its record offset.
IndexEntry MakeIndexEntry(const SubstanceSource& substance);

}  // namespace kiva::mkdb
