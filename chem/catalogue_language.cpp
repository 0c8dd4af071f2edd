// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/catalogue_language.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "chem/text_lines.h"

namespace kiva {

namespace {

constexpr std::string_view kSourceHeader = "name\tenglish\ttranslated_name\tcommon_names\tdescription";
constexpr std::string_view kFileVersion = "kiva-catalogue-language 1";
constexpr std::string_view kFileHeader = "name\ttranslated_name\tcommon_names\tdescription";

enum class Layout { Source, Compiled };

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

std::vector<std::string> CommonNames(std::string_view field) {
    std::vector<std::string> names;
    for (std::size_t start = 0; start <= field.size();) {
        const std::size_t end = std::min(field.find(';', start), field.size());
        std::string_view name = field.substr(start, end - start);
        while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
        while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
        if (!name.empty()) names.emplace_back(name);
        start = end + 1;
    }
    return names;
}

std::string ParseRow(std::string_view line, Layout layout, TranslatedSubstance& row) {
    const std::size_t expected = layout == Layout::Source ? 5 : 4;
    const auto fields = SplitTabs(line);
    if (fields.size() != expected)
        return "the row has " + std::to_string(fields.size()) + " tab-separated fields, not " + std::to_string(expected);
    const std::size_t offset = layout == Layout::Source ? 1 : 0;  // the source's English column
    if (fields[0].empty()) return "the row has no name";
    row.name = std::string(fields[0]);
    if (layout == Layout::Source) row.english = std::string(fields[1]);
    row.translatedName = std::string(fields[1 + offset]);
    row.commonNames = CommonNames(fields[2 + offset]);
    row.description = std::string(fields[3 + offset]);
    if (row.translatedName.empty()) return Quoted(row.name) + " has no translated name";
    if (row.description.empty()) return Quoted(row.name) + " has no description";
    return {};
}

CatalogueLanguageParse Refusal(int line, const std::string& reason) {
    return {{}, reason, line};
}

CatalogueLanguageParse ParseLines(std::string_view text, Layout layout) {
    const std::vector<std::string_view> head =
        layout == Layout::Source ? std::vector{kSourceHeader} : std::vector{kFileVersion, kFileHeader};
    CatalogueLanguageParse parse;
    std::set<std::string, std::less<>> names;
    const TableRefusal refusal =
        ReadTableLines(text, head, kMaxCatalogueLanguageBytes, kMaxCatalogueLanguageLineBytes, [&](std::string_view line) {
            TranslatedSubstance row;
            if (std::string error = ParseRow(line, layout, row); !error.empty()) return error;
            if (!names.insert(row.name).second) return Quoted(row.name) + " has a row already";
            parse.table.rows.push_back(std::move(row));
            return std::string();
        });
    return refusal.reason.empty() ? parse : Refusal(refusal.line, refusal.reason);
}

bool IsLanguageCode(std::string_view language) {
    return !language.empty() && language.size() <= 16 && std::all_of(language.begin(), language.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    });
}

}  // namespace

bool StartsWithIgnoringCase(std::string_view name, std::string_view text) {
    if (text.size() > name.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (Lower(name[i]) != Lower(text[i])) return false;
    return true;
}

const TranslatedSubstance* CatalogueLanguage::Find(std::string_view name) const {
    for (const TranslatedSubstance& row : rows)
        if (row.name == name) return &row;
    return nullptr;
}

const TranslatedSubstance* CatalogueLanguage::FindByName(std::string_view text) const {
    if (text.empty()) return nullptr;
    for (const TranslatedSubstance& row : rows) {
        if (SameIgnoringCase(row.translatedName, text)) return &row;
        for (const std::string& common : row.commonNames)
            if (SameIgnoringCase(common, text)) return &row;
    }
    return nullptr;
}

CatalogueLanguageParse ParseCatalogueTranslation(std::string_view text) { return ParseLines(text, Layout::Source); }

CatalogueLanguageParse ParseCatalogueLanguageFile(std::string_view text) { return ParseLines(text, Layout::Compiled); }

CatalogueLanguageCheck CheckCatalogueTranslation(const CatalogueLanguage& source,
                                                 const std::vector<CatalogueDescription>& catalogue) {
    CatalogueLanguageCheck check;
    check.finished.language = source.language;
    std::set<std::string_view> indexed;
    for (const CatalogueDescription& entry : catalogue) {
        indexed.insert(entry.name);
        const TranslatedSubstance* row = source.Find(entry.name);
        if (!row || row->english != entry.description) check.unfinished.push_back(entry.name);
    }
    for (const TranslatedSubstance& row : source.rows) {
        if (!indexed.contains(row.name)) {
            check.unknown.push_back(row.name);
        } else if (std::find(check.unfinished.begin(), check.unfinished.end(), row.name) == check.unfinished.end()) {
            TranslatedSubstance finished = row;
            finished.english.clear();
            check.finished.rows.push_back(std::move(finished));
        }
    }
    return check;
}

std::string FormatCatalogueLanguageFile(const CatalogueLanguage& table) {
    std::string text = std::string(kFileVersion) + "\n" + std::string(kFileHeader) + "\n";
    for (const TranslatedSubstance& row : table.rows) {
        std::string common;
        for (const std::string& name : row.commonNames) common += (common.empty() ? "" : ";") + name;
        text += row.name + "\t" + row.translatedName + "\t" + common + "\t" + row.description + "\n";
    }
    return text;
}

std::string CatalogueLanguageFileName(std::string_view language) {
    return IsLanguageCode(language) ? "Catalogue_" + std::string(language) + ".dat" : std::string();
}

CatalogueLanguage LoadCatalogueLanguage(const std::string& directory, const std::vector<std::string>& languages) {
    for (const std::string& language : languages) {
        const std::string name = CatalogueLanguageFileName(language);
        if (name.empty()) continue;
        FilePointer input(std::fopen((std::filesystem::path(directory) / name).string().c_str(), "rb"));
        if (!input) continue;
        std::string text(kMaxCatalogueLanguageBytes + 1, '\0');  // one byte more tells a file that is too large
        text.resize(std::fread(text.data(), 1, text.size(), input.get()));
        if (std::ferror(input.get())) continue;
        CatalogueLanguageParse parse = ParseCatalogueLanguageFile(text);
        if (!parse.error.empty()) continue;
        parse.table.language = language;
        return std::move(parse.table);
    }
    return {};
}

}  // namespace kiva
