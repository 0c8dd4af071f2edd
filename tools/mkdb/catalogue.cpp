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

    const auto listed = [&](int kind, std::string_view primary, std::string_view secondary, bool bothKeys) {
        return std::any_of(entries.begin(), entries.end(), [&](const IndexEntry& entry) {
            return entry.kind == kind && TextOf(entry.primaryKey) == primary &&
                   (!bothKeys || TextOf(entry.secondaryKey) == secondary);
        });
    };
    std::string missing;
    for (const ElementInfo& row : DefaultElements())
        if (!listed(0, TextOf(row.symbol), "", false)) missing += " " + std::string(TextOf(row.symbol));
    report += "Elements without a homoatomic entry:" + (missing.empty() ? std::string(" none") : missing) + "\n";
    missing.clear();
    for (std::string_view ion : kPositiveIons)
        if (!listed(1, ion, "", false)) missing += " " + std::string(ion);
    report += "Positive ions without a metallic entry:" + (missing.empty() ? std::string(" none") : missing) + "\n";
    missing.clear();
    for (std::string_view covalence : kPositiveCovalences)
        if (!listed(2, covalence, "", false)) missing += " " + std::string(covalence);
    report += "Positive covalences without a non-metallic entry:" + (missing.empty() ? std::string(" none") : missing) + "\n";
    for (const auto& keyGroup : {std::pair{1, "metallic"}, std::pair{2, "non-metallic"}}) {
        const int kind = keyGroup.first;  // a structured binding cannot be captured before clang 16
        const char* dialog = keyGroup.second;
        missing.clear();
        for (std::string_view ion : kNegativeIons)
            if (!std::any_of(entries.begin(), entries.end(), [&](const IndexEntry& entry) {
                    return entry.kind == kind && TextOf(entry.secondaryKey) == ion;
                }))
                missing += " " + std::string(ion);
        report += std::string("Negative keys without a ") + dialog + " entry:" + (missing.empty() ? std::string(" none") : missing) + "\n";
    }
    missing.clear();
    for (const OrganicCategory& category : kOrganicCategories)
        if (!listed(3, category.keyWord, "", false)) missing += " " + std::string(category.keyWord);
    report += "Organic categories without an entry:" + (missing.empty() ? std::string(" none") : missing) + "\n";
    return report;
}

}  // namespace kiva::mkdb
