// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The whole catalogue: every substance's record concatenated into Molecule.dat, and Index.dat
// naming each with its keys and the offset of its record.
#include <string>
#include <vector>

#include "chem/element_table.h"
#include "chem/molecule_index.h"
#include "tools/mkdb/manifest.h"

namespace kiva::mkdb {

struct Catalogue {
    std::string moleculeData;  // Molecule.dat's bytes
    std::vector<IndexEntry> entries;  // in alphabetical order, as the index lists them
};

// Builds every substance, ordered by name without regard to letter case.
Catalogue CompileCatalogue(const std::vector<SubstanceSource>& substances, const std::string& dataDirectory,
                           const ElementTable& elements);

// Index.dat's text, every line ending in CR LF.
std::string FormatIndex(const std::vector<IndexEntry>& entries);

// One list of a selection dialog's keys, and those of them under which no entry is filed.
struct DialogKeys {
    std::string title;
    std::vector<std::string> keys;
};

// For each key list of the five selection dialogs, the keys that would list nothing.
std::vector<DialogKeys> EmptyDialogKeys(const std::vector<IndexEntry>& entries);

// Counts by kind and key, and the keys of the selection dialogs that list nothing.
std::string CatalogueReport(const std::vector<IndexEntry>& entries);

}  // namespace kiva::mkdb
