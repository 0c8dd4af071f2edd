// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The catalogue in another language: each substance's name, the other names a school uses and
// its description. The source tables (data/catalogue_LANG.tsv) keep the English description each
// row translates, so that a row whose English has changed since is found unfinished; kiva-mkdb
// compiles the finished rows into Catalogue_LANG.dat beside the catalogue, which the viewer reads
// for the user's language. A substance without a finished row shows its English texts.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kiva {

struct TranslatedSubstance {
    std::string name;                      // the index name, which stays the key: "NaCl"
    std::string english;                   // the English description translated; empty in Catalogue_LANG.dat
    std::string translatedName;            // "Natriumchlorid"
    std::vector<std::string> commonNames;  // "Kochsalz"; may be empty
    std::string description;
};

struct CatalogueLanguage {
    std::string language;  // "de", "pt_BR"; empty for English, which has no rows
    std::vector<TranslatedSubstance> rows;
    // The row of an index name; null when the language has none.
    const TranslatedSubstance* Find(std::string_view name) const;
    // The row whose translated name or one of whose common names is `text`, letter case aside.
    const TranslatedSubstance* FindByName(std::string_view text) const;
};

struct CatalogueLanguageParse {
    CatalogueLanguage table;  // empty unless the whole text was sound
    std::string error;        // empty on success; otherwise what is wrong
    int line = 0;             // the line the error stands on; 0 for the file as a whole
};

// 486 rows take some 150 kB; a line holds a row's five fields.
inline constexpr std::size_t kMaxCatalogueLanguageBytes = std::size_t{2} << 20;
inline constexpr std::size_t kMaxCatalogueLanguageLineBytes = 2048;

// Reads a source table: the header "name english translated_name common_names description",
// then one tab-separated row per substance, its common names separated by ';'. Refused: another
// header, a row without five fields, an empty name, translated name or description, and a
// repeated name.
CatalogueLanguageParse ParseCatalogueTranslation(std::string_view text);

// What a source table gives for a catalogue: its finished rows, in the table's order, and the
// index names without one, because the table lacks them or because their English description has
// changed since the row was made.
struct CatalogueLanguageCheck {
    CatalogueLanguage finished;
    std::vector<std::string> unfinished;
    std::vector<std::string> unknown;  // rows for names the index lacks
};
struct CatalogueDescription {
    std::string name;
    std::string description;  // English
};
CatalogueLanguageCheck CheckCatalogueTranslation(const CatalogueLanguage& source,
                                                 const std::vector<CatalogueDescription>& catalogue);

// Catalogue_LANG.dat's text: the line "kiva-catalogue-language 1", the header
// "name translated_name common_names description", then the rows, tab-separated.
std::string FormatCatalogueLanguageFile(const CatalogueLanguage& table);
CatalogueLanguageParse ParseCatalogueLanguageFile(std::string_view text);

// The table of the first of `languages` ("de_DE", "de") for which `directory` holds a sound
// Catalogue_LANG.dat; an empty table (English) when none does.
CatalogueLanguage LoadCatalogueLanguage(const std::string& directory, const std::vector<std::string>& languages);

// "Catalogue_de.dat"; empty for a language code that is no plain code ("de", "pt_BR").
std::string CatalogueLanguageFileName(std::string_view language);

// True when `text` begins `name`, letter case aside for ASCII letters.
bool StartsWithIgnoringCase(std::string_view name, std::string_view text);

}  // namespace kiva
