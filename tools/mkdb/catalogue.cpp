// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/mkdb/catalogue.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "chem/fixed_text.h"
#include "chem/selection_keys.h"
#include "platform/binary_archive.h"
#include "tools/mkdb/compound_builder.h"
#include "io/source_error.h"

namespace kiva::mkdb {

namespace {

std::string Folded(const std::string& text) {
    std::string folded = text;
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

const char* KindName(int kind) {
    switch (kind) {
    case 0: return "Homoatomic";
    case 1: return "Metallic";
    case 2: return "Non-metallic";
    case 3: return "Organic";
    default: return "Unknown";
    }
}

}  // namespace

Catalogue CompileCatalogue(const std::vector<SubstanceSource>& substances, const std::string& dataDirectory,
                           const ElementTable& elements) {
    std::vector<const SubstanceSource*> ordered;
    for (const SubstanceSource& substance : substances) ordered.push_back(&substance);
    std::stable_sort(ordered.begin(), ordered.end(), [](const SubstanceSource* a, const SubstanceSource* b) {
        const std::string foldedA = Folded(a->name), foldedB = Folded(b->name);
        return foldedA != foldedB ? foldedA < foldedB : a->name < b->name;
    });
    Catalogue catalogue;
    for (const SubstanceSource* substance : ordered) {
        const CompoundRecord record = BuildCompound(*substance, dataDirectory, elements);
        ArchiveWriter writer;
        WriteCompound(record, writer);
        if (catalogue.moleculeData.size() + writer.Bytes().size() > 0x7FFFFFFF)
            throw SourceError(substance->file, substance->line, "the catalogue outgrows the index's 32-bit offsets");
        IndexEntry entry = MakeIndexEntry(*substance);
        entry.recordOffset = static_cast<std::int32_t>(catalogue.moleculeData.size());
        catalogue.moleculeData += writer.Bytes();
        catalogue.entries.push_back(entry);
    }
    return catalogue;
}

std::string FormatIndex(const std::vector<IndexEntry>& entries) {
    std::string text = std::to_string(entries.size()) + "\r\n";
    for (const IndexEntry& entry : entries) {
        text += std::string(TextOf(entry.name)) + " " + std::to_string(entry.kind) + " " +
                std::to_string(entry.reservedValue) + " " + std::to_string(entry.recordOffset);
        if (!TextOf(entry.primaryKey).empty()) text += " " + std::string(TextOf(entry.primaryKey));
        if (!TextOf(entry.secondaryKey).empty()) text += " " + std::string(TextOf(entry.secondaryKey));
        text += "\r\n" + std::string(TextOf(entry.description)) + "\r\n";
    }
    return text;
}

std::vector<DialogKeys> EmptyDialogKeys(const std::vector<IndexEntry>& entries) {
    const auto lists = [&](int kind, std::string_view key, bool secondary) {
        return std::any_of(entries.begin(), entries.end(), [&](const IndexEntry& entry) {
            return entry.kind == kind && (secondary ? TextOf(entry.secondaryKey) : TextOf(entry.primaryKey)) == key;
        });
    };
    const auto unlisted = [&](std::string title, int kind, const auto& keys, bool secondary) {
        DialogKeys result{std::move(title), {}};
        for (std::string_view key : keys)
            if (!lists(kind, key, secondary)) result.keys.emplace_back(key);
        return result;
    };
    std::vector<std::string_view> symbols, categories;
    for (const ElementInfo& row : DefaultElements()) symbols.push_back(TextOf(row.symbol));
    for (const OrganicCategory& category : kOrganicCategories) categories.push_back(category.keyWord);
    return {unlisted("Elements without a homoatomic entry", 0, symbols, false),
            unlisted("Positive ions without a metallic entry", 1, kPositiveIons, false),
            unlisted("Negative ions without a metallic entry", 1, kNegativeIons, true),
            unlisted("Positive covalences without a non-metallic entry", 2, kPositiveCovalences, false),
            unlisted("Negative covalences without a non-metallic entry", 2, kNegativeIons, true),
            unlisted("Organic categories without an entry", 3, categories, false)};
}

std::string CatalogueReport(const std::vector<IndexEntry>& entries) {
    std::map<int, std::map<std::string, int>> byKind;
    for (const IndexEntry& entry : entries) {
        std::string key(TextOf(entry.primaryKey));
        if (!TextOf(entry.secondaryKey).empty()) key += "/" + std::string(TextOf(entry.secondaryKey));
        ++byKind[entry.kind][key];
    }
    std::string report = std::to_string(entries.size()) + " substances\n";
    for (const auto& [kind, keys] : byKind) {
        int total = 0;
        for (const auto& [key, count] : keys) total += count;
        report += std::string(KindName(kind)) + ": " + std::to_string(total) + "\n";
        for (const auto& [key, count] : keys) report += "  " + key + " " + std::to_string(count) + "\n";
    }

    int emptyCount = 0;
    for (const DialogKeys& keys : EmptyDialogKeys(entries)) {
        std::string names;
        for (const std::string& key : keys.keys) names += " " + key;
        report += keys.title + ":" + (names.empty() ? std::string(" none") : names) + "\n";
        emptyCount += static_cast<int>(keys.keys.size());
    }
    report += emptyCount == 0 ? "Every key of the selection dialogs lists at least one substance.\n"
                              : std::to_string(emptyCount) + " keys of the selection dialogs list nothing.\n";
    return report;
}

}  // namespace kiva::mkdb
