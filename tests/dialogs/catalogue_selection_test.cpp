// SPDX-License-Identifier: GPL-2.0-or-later
// Every key of every selection dialog, chosen on the built catalogue: each lists only entries of
// its kind and keys, and every listed entry loads.
#include <gtest/gtest.h>

#include "chem/catalogue_language.h"
#include "chem/compound_record.h"
#include "chem/fixed_text.h"
#include "chem/selection_keys.h"
#include "dialogs/selection_model.h"

namespace kiva {
namespace {

class CatalogueSelection : public ::testing::Test {
protected:
    void SetUp() override {
        index.path = std::string(KIVA_CATALOGUE_DIR) + "/Index.dat";
        ASSERT_TRUE(LoadMoleculeIndex(index));
    }

    // Each listed line belongs to an entry that loads and that the check accepts.
    template <typename Check>
    void ExpectListedEntriesLoad(SelectionModel& dialog, Check check) {
        for (int row = 0; row < static_cast<int>(dialog.Lines().size()); ++row) {
            dialog.ChooseRow(row);
            const IndexEntry* entry = FindIndexEntryByName(index, dialog.SelectedName());
            ASSERT_NE(entry, nullptr) << dialog.SelectedName();
            EXPECT_TRUE(check(*entry)) << dialog.SelectedName();
            EXPECT_EQ(dialog.Confirm().outcome, Confirmation::Outcome::Close) << dialog.SelectedName();
            CompoundRecord record;
            EXPECT_TRUE(LoadCompoundByName(index, database, dialog.SelectedName(), record)) << dialog.SelectedName();
            ++listed;
        }
    }

    MoleculeIndex index;
    const std::string database = std::string(KIVA_CATALOGUE_DIR) + "/Molecule.dat";
    int listed = 0;
};

TEST_F(CatalogueSelection, EveryMetallicAndNonMetallicPairListsOnlyItsOwnEntries) {
    for (std::size_t p = 0; p < kPositiveIons.size(); ++p)
        for (std::size_t n = 0; n < kNegativeIons.size(); ++n) {
            MetallicSelection dialog(index);
            dialog.ChoosePositive(static_cast<int>(p));
            dialog.ChooseNegative(static_cast<int>(n));
            ExpectListedEntriesLoad(dialog, [&](const IndexEntry& entry) {
                return entry.kind == 1 && TextOf(entry.primaryKey) == kPositiveIons[p] &&
                       (kPositiveIons[p] == "Other" || TextOf(entry.secondaryKey) == kNegativeIons[n]);
            });
        }
    for (std::size_t p = 0; p < kPositiveCovalences.size(); ++p)
        for (std::size_t n = 0; n < kNegativeIons.size(); ++n) {
            NonMetallicSelection dialog(index);
            dialog.ChoosePositive(static_cast<int>(p));
            dialog.ChooseNegative(static_cast<int>(n));
            ExpectListedEntriesLoad(dialog, [&](const IndexEntry& entry) {
                return entry.kind == 2 && TextOf(entry.primaryKey) == kPositiveCovalences[p] &&
                       TextOf(entry.secondaryKey) == kNegativeIons[n];
            });
        }
    EXPECT_GT(listed, 0);
}

TEST_F(CatalogueSelection, EveryElementAndCategoryListsOnlyItsOwnEntries) {
    const ElementTable elements = MakeDefaultElementTable();
    for (int row = 0; row < kElementRows; ++row) {
        HomoatomicSelection dialog(index, elements);
        dialog.ChooseElement(row);
        ExpectListedEntriesLoad(dialog, [&](const IndexEntry& entry) {
            return entry.kind == 0 && TextOf(entry.primaryKey) == TextOf(elements.rows[row].symbol);
        });
    }
    for (std::size_t c = 0; c < kOrganicCategories.size(); ++c) {
        OrganicSelection dialog(index);
        dialog.ChooseCategory(static_cast<int>(c));
        ExpectListedEntriesLoad(dialog, [&](const IndexEntry& entry) {
            return entry.kind == 3 && TextOf(entry.primaryKey) == kOrganicCategories[c].keyWord;
        });
    }
    IndexSelection whole(index);
    EXPECT_EQ(whole.Lines().size(), index.entries.size());
    EXPECT_GT(listed, 0);
}

// Each of the five languages names and describes every substance of the catalogue, and no
// translation is stale.
TEST_F(CatalogueSelection, EveryLanguageNamesAndDescribesEverySubstance) {
    for (const char* language : {"de", "fr", "es", "pt_BR", "it"}) {
        const CatalogueLanguage table = LoadCatalogueLanguage(KIVA_CATALOGUE_DIR, {language});
        EXPECT_EQ(table.language, language);
        for (const IndexEntry& entry : index.entries) {
            const TranslatedSubstance* row = table.Find(TextOf(entry.name));
            ASSERT_NE(row, nullptr) << language << ": " << TextOf(entry.name);
            EXPECT_FALSE(row->translatedName.empty() || row->description.empty()) << language << ": " << TextOf(entry.name);
        }
    }
}

// A German student finds rock salt by its school name, its everyday name or its formula, and
// the dialog hands on the catalogue's name.
TEST_F(CatalogueSelection, TheGermanIndexFindsKochsalzNatriumchloridAndNaCl) {
    const CatalogueLanguage german = LoadCatalogueLanguage(KIVA_CATALOGUE_DIR, {"de"});
    IndexSelection dialog(index, &german);
    const std::size_t salt = static_cast<std::size_t>(FindIndexEntryByName(index, "NaCl") - index.entries.data());
    EXPECT_NE(dialog.Lines()[salt].find("Natriumchlorid"), std::string::npos) << dialog.Lines()[salt];
    for (const char* typed : {"Kochsalz", "natriumchlorid", "NaCl"}) {
        dialog.EditChanged(typed);
        EXPECT_EQ(dialog.SelectedRow(), static_cast<int>(salt)) << typed;
        EXPECT_EQ(dialog.Confirm().outcome, Confirmation::Outcome::Close) << typed;
        EXPECT_EQ(dialog.ResolvedName(), "NaCl") << typed;
    }
    dialog.EditChanged("Kochsal");  // a prefix highlights, but names nothing
    EXPECT_EQ(dialog.SelectedRow(), static_cast<int>(salt));
    EXPECT_EQ(dialog.Confirm().outcome, Confirmation::Outcome::NotFound);
    IndexSelection english(index);
    english.EditChanged("Kochsalz");
    EXPECT_EQ(english.Confirm().outcome, Confirmation::Outcome::NotFound);
}

}  // namespace
}  // namespace kiva
