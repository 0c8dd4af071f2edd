// SPDX-License-Identifier: GPL-2.0-or-later
// Index.dat, as the viewer reads it at start-up and the selection dialogs search it: every entry
// read is found again by its name and by its keys, and every match list keeps a free entry.
#include "chem/fixed_text.h"
#include "chem/molecule_index.h"
#include "fuzz/fuzz_support.h"

using namespace kiva;
using namespace kiva::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MoleculeIndex index;
    index.path = WriteScratchFile("Index.dat", BytesOf(data, size));
    Require(LoadMoleculeIndex(index), "an index file that opens loads");
    Require(index.count == static_cast<int>(index.entries.size()), "the count is the number of entries read");

    IndexMatchList matches;
    for (const IndexEntry& entry : index.entries) {
        const IndexEntry* found = FindIndexEntryByName(index, TextOf(entry.name));
        Require(found && TextOf(found->name) == TextOf(entry.name), "every entry is found by its name");
        Require(FindIndexEntry(index, TextOf(entry.name), entry.kind) != nullptr, "every entry is found by its name and kind");
        FindIndexEntries(index, entry.kind, TextOf(entry.primaryKey), TextOf(entry.secondaryKey), matches);
        const bool listable = entry.kind >= 0 && entry.kind <= 3;
        Require(!listable || matches.count >= 1, "every entry is listed under its own keys");
        Require(matches.storage.size() > static_cast<std::size_t>(matches.count), "a match list keeps a free entry");
        Require(TextOf(entry.description).find('\n') == std::string_view::npos, "no description holds a line end");
    }
    return 0;
}
