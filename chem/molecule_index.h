// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The molecule index: every substance of the catalogue with its keys and record offset.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kiva {

enum class SubstanceKind : std::int32_t { Homoatomic = 0, Metallic = 1, NonMetallic = 2, Organic = 3 };

// One substance; 192 bytes, copied whole into the dialogs' match lists.
struct IndexEntry {
    char name[32];          // at most 31 characters, no blanks; the key of every lookup
    char primaryKey[16];    // element, positive ion, positive covalence or organic category
    char secondaryKey[4];   // negative ion or negative covalence; empty for the other kinds
    char description[128];  // one line, at most 127 characters
    std::int32_t kind;      // a SubstanceKind
    std::int32_t reservedValue;
    std::int32_t recordOffset;  // byte offset of the record's first tag byte in Molecule.dat
};
static_assert(sizeof(IndexEntry) == 192);

struct MoleculeIndex {
    std::string path;  // Index.dat
    int count = 0;
    std::vector<IndexEntry> entries;  // count entries, in file order
};

// A dialog's list of matches. The storage grows in blocks of 16 entries, one block before it
// would be full, so it always has a free entry; storage.size() is that room.
struct IndexMatchList {
    int count = 0;
    std::vector<IndexEntry> storage;

    std::span<const IndexEntry> Items() const { return {storage.data(), static_cast<std::size_t>(count)}; }
};

// Reads Index.dat at index.path. False, with the index empty, when the file cannot be opened.
// Only the entries actually present are kept, whatever count the first line declares.
bool LoadMoleculeIndex(MoleculeIndex& index);

// Refills `matches` with every entry of `kind` whose keys match, in file order. Homoatomic and
// organic entries match on the primary key alone; non-metallic ones on both keys; metallic ones on
// both, except that an entry filed under "Other" matches a search for "Other" whatever its
// secondary key. A kind above 3 matches nothing.
void FindIndexEntries(const MoleculeIndex& index, int kind, std::string_view primaryKey,
                      std::string_view secondaryKey, IndexMatchList& matches);

// The first entry of that kind and name, or null.
const IndexEntry* FindIndexEntry(const MoleculeIndex& index, std::string_view name, int kind);

// The first entry of that name, of any kind, or null.
const IndexEntry* FindIndexEntryByName(const MoleculeIndex& index, std::string_view name);

}  // namespace kiva
