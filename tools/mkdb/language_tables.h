// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The catalogue's other languages: every DATA/catalogue_LANG.tsv, checked against the index and
// compiled into Catalogue_LANG.dat. A row whose English description has changed since it was
// translated, or a substance without a row, is unfinished: it is left out, and the viewer shows
// that substance in English.
#include <string>
#include <vector>

#include "chem/molecule_index.h"

namespace kiva::mkdb {

struct CompiledLanguageTable {
    std::string language;  // "de", "pt_BR"
    std::string source;    // the table's path
    std::string fileName;  // "Catalogue_de.dat"
    std::string fileText;  // its bytes
    std::vector<std::string> unfinished;
};

// Every table of the folder, in the order of their languages. Throws SourceError naming the
// table (and the line, for a bad row) for a damaged table and for rows of names the index lacks.
std::vector<CompiledLanguageTable> CompileLanguageTables(const std::string& dataDirectory,
                                                         const std::vector<IndexEntry>& entries);

// "catalogue_de.tsv: 3 of 486 substances unfinished: NaCl, KCl, ..."; empty when all are finished.
std::string UnfinishedReport(const CompiledLanguageTable& table, std::size_t substanceCount);

}  // namespace kiva::mkdb
