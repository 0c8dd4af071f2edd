// SPDX-License-Identifier: GPL-2.0-or-later
// kiva-mkdb's manifest (substances.txt): a damaged one throws SourceError naming the file and
// line; the index compiled from one that reads lists every substance, and the viewer reads that
// index back with each entry as the manifest gave it.
#include "chem/fixed_text.h"
#include "chem/molecule_index.h"
#include "fuzz/fuzz_support.h"
#include "io/source_error.h"
#include "tools/mkdb/catalogue.h"
#include "tools/mkdb/compound_builder.h"
#include "tools/mkdb/manifest.h"

using namespace kiva;
using namespace kiva::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<mkdb::SubstanceSource> substances;
    try {
        substances = mkdb::ParseManifest(std::string(BytesOf(data, size)), "substances.txt");
    } catch (const SourceError& error) {
        Require(error.File() == "substances.txt" && error.Line() > 0 && !error.Reason().empty(),
                "a damaged manifest's error names the file, the line and the reason");
        return 0;
    }
    std::vector<IndexEntry> entries;
    for (const mkdb::SubstanceSource& substance : substances) {
        entries.push_back(mkdb::MakeIndexEntry(substance));
        entries.back().recordOffset = static_cast<std::int32_t>(entries.size() * kCompoundFixedBytes);
    }
    MoleculeIndex index;
    index.path = WriteScratchFile("Index.dat", mkdb::FormatIndex(entries));
    Require(LoadMoleculeIndex(index), "the compiled index opens");
    Require(index.entries.size() == entries.size(), "the compiled index lists every substance");
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const IndexEntry& read = index.entries[i];
        const IndexEntry& written = entries[i];
        Require(TextOf(read.name) == TextOf(written.name) && TextOf(read.primaryKey) == TextOf(written.primaryKey) &&
                    TextOf(read.secondaryKey) == TextOf(written.secondaryKey) &&
                    TextOf(read.description) == TextOf(written.description) && read.kind == written.kind &&
                    read.recordOffset == written.recordOffset,
                "the viewer reads each index entry as the manifest gave it");
        Require(FindIndexEntryByName(index, TextOf(read.name)) == &read, "every substance is found by its own name");
    }
    return 0;
}
