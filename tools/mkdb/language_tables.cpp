// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/mkdb/language_tables.h"

#include <algorithm>
#include <filesystem>

#include "chem/catalogue_language.h"
#include "chem/fixed_text.h"
#include "io/source_error.h"
#include "tools/mkdb/manifest.h"

namespace fs = std::filesystem;

namespace kiva::mkdb {

namespace {

constexpr std::string_view kPrefix = "catalogue_";
constexpr std::string_view kSuffix = ".tsv";

// The language of a table's file name ("catalogue_pt_BR.tsv" gives "pt_BR"); empty for another file.
std::string LanguageOf(const std::string& fileName) {
    if (fileName.size() <= kPrefix.size() + kSuffix.size() || !fileName.starts_with(kPrefix) || !fileName.ends_with(kSuffix))
        return {};
    const std::string language = fileName.substr(kPrefix.size(), fileName.size() - kPrefix.size() - kSuffix.size());
    return CatalogueLanguageFileName(language).empty() ? std::string() : language;
}

}  // namespace

std::vector<CompiledLanguageTable> CompileLanguageTables(const std::string& dataDirectory,
                                                         const std::vector<IndexEntry>& entries) {
    std::vector<CompiledLanguageTable> tables;
    std::error_code error;
    for (const fs::directory_entry& file : fs::directory_iterator(dataDirectory, error)) {
        const std::string language = LanguageOf(file.path().filename().string());
        if (!language.empty() && file.is_regular_file(error)) tables.push_back({language, file.path().string(), {}, {}, {}});
    }
    std::sort(tables.begin(), tables.end(), [](const auto& a, const auto& b) { return a.language < b.language; });

    std::vector<CatalogueDescription> catalogue;
    for (const IndexEntry& entry : entries) catalogue.push_back({std::string(TextOf(entry.name)), std::string(TextOf(entry.description))});
    for (CompiledLanguageTable& table : tables) {
        // One byte beyond the bound reaches the parser, which refuses the table as too large.
        const CatalogueLanguageParse parse =
            ParseCatalogueTranslation(ReadSourcePrefix(table.source, kMaxCatalogueLanguageBytes + 1));
        if (!parse.error.empty()) throw SourceError(table.source, parse.line, parse.error);
        for (const TranslatedSubstance& row : parse.table.rows)
            if (const std::string unit = PlainUnitIn(row.description); !unit.empty())
                throw SourceError(table.source, 0, Quoted(row.name) + ": the description uses \"" + unit + "\" as a unit");
        CatalogueLanguage source = parse.table;
        source.language = table.language;
        const CatalogueLanguageCheck check = CheckCatalogueTranslation(source, catalogue);
        if (!check.unknown.empty()) throw SourceError(table.source, 0, "rows for names the index lacks: " + NameList(check.unknown));
        table.fileName = CatalogueLanguageFileName(table.language);
        table.fileText = FormatCatalogueLanguageFile(check.finished);
        table.unfinished = check.unfinished;
    }
    return tables;
}

std::string UnfinishedReport(const CompiledLanguageTable& table, std::size_t substanceCount) {
    if (table.unfinished.empty()) return {};
    return fs::path(table.source).filename().string() + ": " + std::to_string(table.unfinished.size()) + " of " +
           std::to_string(substanceCount) + " substances unfinished (shown in English): " + NameList(table.unfinished);
}

}  // namespace kiva::mkdb
