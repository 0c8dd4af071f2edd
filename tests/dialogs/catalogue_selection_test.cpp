// SPDX-License-Identifier: GPL-2.0-or-later
// Every key of every selection dialog, chosen on the built catalogue: each lists only entries of
// its kind and keys, and every listed entry loads.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kiva
