// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/molecule_index.h"

#include <cstdio>

#include "chem/block_growth.h"
#include "chem/fixed_text.h"
#include "chem/text_lines.h"

namespace kiva {

namespace {

constexpr std::size_t kMaxKeyLineLength = 255;
constexpr std::size_t kMaxDescriptionLength = 127;

// The six words of a key line, in order; parsing stops at the first malformed number, and every
// field not reached stays empty or zero.
IndexEntry ParseKeyLine(std::string_view line) {
    IndexEntry entry{};
    const auto words = SplitWords(line);
    if (!words.empty()) SetText(entry.name, words[0]);
    std::int32_t* numbers[3] = {&entry.kind, &entry.reservedValue, &entry.recordOffset};
    for (std::size_t i = 0; i < 3; ++i) {
        if (words.size() <= i + 1) return entry;
        const auto value = ParseInt(words[i + 1]);
        if (!value) return entry;
        *numbers[i] = *value;
    }
    if (words.size() > 4) SetText(entry.primaryKey, words[4]);
    if (words.size() > 5) SetText(entry.secondaryKey, words[5]);
    return entry;
}

bool KeysMatch(const IndexEntry& entry, int kind, std::string_view primaryKey, std::string_view secondaryKey) {
    const bool primaryEqual = TextOf(entry.primaryKey) == primaryKey;
    switch (kind) {
    case 0:
    case 3:
        return primaryEqual;
    case 1:
        if (TextOf(entry.primaryKey) == "Other" && primaryKey == "Other") return true;
        [[fallthrough]];
    case 2:
        return primaryEqual && TextOf(entry.secondaryKey) == secondaryKey;
    default:
        return false;
    }
}

}  // namespace

bool LoadMoleculeIndex(MoleculeIndex& index) {
    index.count = 0;
    index.entries.clear();
    FilePointer input(std::fopen(index.path.c_str(), "rb"));
    if (!input) return false;
    const auto first = ReadLine(input.get(), kMaxKeyLineLength);
    const auto words = first ? SplitWords(*first) : std::vector<std::string_view>{};
    const int declared = words.empty() ? 0 : ParseInt(words[0]).value_or(0);
    // Entries are appended as they are read: a damaged count allocates nothing by itself.
    for (int i = 0; i < declared; ++i) {
        const auto keyLine = ReadLine(input.get(), kMaxKeyLineLength);
        if (!keyLine) break;
        IndexEntry entry = ParseKeyLine(*keyLine);
        if (const auto description = ReadLine(input.get(), kMaxDescriptionLength))
            SetText(entry.description, *description);
        index.entries.push_back(entry);
    }
    index.count = static_cast<int>(index.entries.size());
    return true;
}

void FindIndexEntries(const MoleculeIndex& index, int kind, std::string_view primaryKey,
                      std::string_view secondaryKey, IndexMatchList& matches) {
    matches.count = 0;
    matches.storage.assign(kGrowthBlock, IndexEntry{});
    for (const IndexEntry& entry : index.entries) {
        if (entry.kind != kind || !KeysMatch(entry, kind, primaryKey, secondaryKey)) continue;
        const auto n = static_cast<std::size_t>(matches.count);
        matches.storage.resize(RoomBeforeAppend(n, matches.storage.size()));
        matches.storage[n] = entry;
        ++matches.count;
    }
}

const IndexEntry* FindIndexEntry(const MoleculeIndex& index, std::string_view name, int kind) {
    for (const IndexEntry& entry : index.entries)
        if (entry.kind == kind && TextOf(entry.name) == name) return &entry;
    return nullptr;
}

const IndexEntry* FindIndexEntryByName(const MoleculeIndex& index, std::string_view name) {
    for (const IndexEntry& entry : index.entries)
        if (TextOf(entry.name) == name) return &entry;
    return nullptr;
}

}  // namespace kiva
