// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue's other languages: a source table found unfinished where its English has moved
// on, the compiled file read back, and damaged or foreign files left out for English.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "chem/catalogue_language.h"

namespace kiva {
namespace {

const std::string kHeader = "name\tenglish\ttranslated_name\tcommon_names\tdescription\n";

CatalogueLanguage Source(const std::string& rows) {
    const CatalogueLanguageParse parse = ParseCatalogueTranslation(kHeader + rows);
    EXPECT_EQ(parse.error, "");
    return parse.table;
}

TEST(CatalogueTranslation, ARowWhoseEnglishChangedOrThatIsMissingIsUnfinished) {
    const CatalogueLanguage source = Source(
        "NaCl\tSodium chloride, NaCl.\tNatriumchlorid\tKochsalz; Steinsalz\tNatriumchlorid, NaCl.\n"
        "KCl\tPotassium chloride, KCl.\tKaliumchlorid\t\tKaliumchlorid, KCl.\n");
    ASSERT_EQ(source.rows.size(), 2u);
    EXPECT_EQ(source.rows[0].commonNames, (std::vector<std::string>{"Kochsalz", "Steinsalz"}));
    const CatalogueLanguageCheck check = CheckCatalogueTranslation(
        source, {{"NaCl", "Sodium chloride, NaCl."}, {"KCl", "Potassium chloride, KCl: a fertiliser."}, {"LiF", "Lithium fluoride."}});
    EXPECT_EQ(check.unfinished, (std::vector<std::string>{"KCl", "LiF"}));
    EXPECT_TRUE(check.unknown.empty());
    ASSERT_EQ(check.finished.rows.size(), 1u);
    EXPECT_EQ(check.finished.rows[0].name, "NaCl");

    const CatalogueLanguageCheck foreign = CheckCatalogueTranslation(source, {{"NaCl", "Sodium chloride, NaCl."}});
    EXPECT_EQ(foreign.unknown, (std::vector<std::string>{"KCl"}));
}

TEST(CatalogueTranslation, RefusesBrokenTables) {
    const auto error = [](const std::string& text) { return ParseCatalogueTranslation(text).error; };
    EXPECT_NE(error("name\ttranslated_name\n"), "");
    EXPECT_NE(error(kHeader + "NaCl\tx\tNatriumchlorid\t\n"), "");                      // four fields
    EXPECT_NE(error(kHeader + "NaCl\tx\t\t\tNatriumchlorid.\n"), "");                    // no name
    EXPECT_NE(error(kHeader + "NaCl\tx\tNatriumchlorid\t\t\n"), "");                     // no description
    EXPECT_NE(error(kHeader + "NaCl\tx\ta\t\tb\nNaCl\tx\ta\t\tb\n"), "");                // twice
    EXPECT_EQ(ParseCatalogueTranslation(kHeader + "NaCl\tx\ta\t\tb\n" + std::string(3000, 'x')).line, 3);
    EXPECT_NE(error(std::string(kMaxCatalogueLanguageBytes + 1, '\n')), "");
}

TEST(CatalogueLanguageFile, ReadsBackWhatItWroteAndFindsAnyNameAsTyped) {
    CatalogueLanguage table = Source("NaCl\tSodium chloride.\tNatriumchlorid\tKochsalz\tNatriumchlorid, NaCl: Kochsalz.\n");
    table.rows[0].english.clear();
    const CatalogueLanguageParse back = ParseCatalogueLanguageFile(FormatCatalogueLanguageFile(table));
    ASSERT_EQ(back.error, "");
    ASSERT_EQ(back.table.rows.size(), 1u);
    EXPECT_EQ(back.table.rows[0].description, "Natriumchlorid, NaCl: Kochsalz.");
    EXPECT_EQ(back.table.FindByName("kochsalz"), &back.table.rows[0]);
    EXPECT_EQ(back.table.FindByName("NATRIUMCHLORID"), &back.table.rows[0]);
    EXPECT_EQ(back.table.FindByName("Koch"), nullptr);
    EXPECT_EQ(back.table.FindByName(""), nullptr);
    EXPECT_NE(ParseCatalogueLanguageFile(FormatCatalogueLanguageFile(table).substr(1)).error, "");
}

TEST(CatalogueLanguageFile, TheFirstSoundLanguageIsReadAndAnythingElseIsEnglish) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "kiva-catalogue-language-test";
    std::filesystem::create_directories(folder);
    CatalogueLanguage german;
    german.rows.push_back({"NaCl", "", "Natriumchlorid", {}, "Natriumchlorid."});
    std::ofstream(folder / "Catalogue_de.dat") << FormatCatalogueLanguageFile(german);
    std::ofstream(folder / "Catalogue_fr.dat") << "kiva-catalogue-language 1\ndamaged\n";

    EXPECT_EQ(LoadCatalogueLanguage(folder.string(), {"de_DE", "de"}).language, "de");
    const CatalogueLanguage fallback = LoadCatalogueLanguage(folder.string(), {"fr", "de"});
    EXPECT_EQ(fallback.language, "de");  // the damaged French file is passed over
    EXPECT_TRUE(LoadCatalogueLanguage(folder.string(), {"fr"}).rows.empty());
    EXPECT_TRUE(LoadCatalogueLanguage(folder.string(), {"../de", "de/../de"}).rows.empty());
    EXPECT_EQ(CatalogueLanguageFileName("pt_BR"), "Catalogue_pt_BR.dat");
    EXPECT_EQ(CatalogueLanguageFileName("../x"), "");
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kiva
