// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/selection_model.h"

#include <gtest/gtest.h>

#include "chem/fixed_text.h"
#include "chem/selection_keys.h"

namespace kiva {
namespace {

IndexEntry Entry(const char* name, SubstanceKind kind, const char* primary, const char* secondary = "",
                 const char* description = "a substance") {
    IndexEntry entry{};
    SetText(entry.name, name);
    SetText(entry.primaryKey, primary);
    SetText(entry.secondaryKey, secondary);
    SetText(entry.description, description);
    entry.kind = static_cast<std::int32_t>(kind);
    return entry;
}

int Row(const std::vector<std::string>& keys, const std::string& key) {
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i] == key) return static_cast<int>(i);
    return -1;
}

class Selection : public ::testing::Test {
protected:
    Selection() {
        index.entries = {Entry("AgCl", SubstanceKind::Metallic, "Ag", "Cl", "Silver chloride"),
                         Entry("CoO", SubstanceKind::Metallic, "Other", "O"),
                         Entry("Ethanol", SubstanceKind::Organic, "Alcohol"),
                         Entry("Ethene", SubstanceKind::Organic, "Ethylenic"),
                         Entry("Graphite", SubstanceKind::Homoatomic, "C"),
                         Entry("Diamond", SubstanceKind::Homoatomic, "C"),
                         Entry("HCl", SubstanceKind::NonMetallic, "H", "Cl"),
                         Entry("Methanol", SubstanceKind::Organic, "Alcohol"),
                         Entry("NaCl", SubstanceKind::Metallic, "Na", "Cl"),
                         Entry("NaClO3", SubstanceKind::Metallic, "Na", "ClO"),
                         Entry("NiCl2", SubstanceKind::Metallic, "Other", "Cl")};
        index.count = static_cast<int>(index.entries.size());
    }
    MoleculeIndex index;
};

TEST_F(Selection, MetallicOtherListsEverythingFiledUnderItWithOrWithoutANegativeIon) {
    MetallicSelection dialog(index);
    dialog.ChoosePositive(Row(MetallicSelection(index).PositiveKeys(), "Other"));
    EXPECT_EQ(dialog.Lines(), (std::vector<std::string>{"CoO - a substance", "NiCl2 - a substance"}));
    EXPECT_EQ(dialog.SelectedRow(), 0);
    EXPECT_EQ(dialog.SelectedName(), "CoO");
    dialog.ChooseNegative(Row(MetallicSelection(index).NegativeKeys(), "Br"));
    EXPECT_EQ(dialog.Lines().size(), 2u);
}

TEST_F(Selection, MetallicNeedsBothIonsForARealIon) {
    MetallicSelection dialog(index);
    dialog.ChooseNegative(Row(MetallicSelection(index).NegativeKeys(), "Cl"));
    EXPECT_TRUE(dialog.Lines().empty());
    MetallicSelection fresh(index);
    fresh.ChoosePositive(Row(MetallicSelection(index).PositiveKeys(), "Na"));
    EXPECT_TRUE(fresh.Lines().empty());
    fresh.ChooseNegative(Row(MetallicSelection(index).NegativeKeys(), "Cl"));
    EXPECT_EQ(fresh.Lines(), std::vector<std::string>{"NaCl - a substance"});
    EXPECT_EQ(fresh.SelectedName(), "NaCl");
    // A pair without entries empties the list and the edit.
    fresh.ChooseNegative(Row(MetallicSelection(index).NegativeKeys(), "F"));
    EXPECT_TRUE(fresh.Lines().empty());
    EXPECT_EQ(fresh.SelectedRow(), -1);
    EXPECT_EQ(fresh.SelectedName(), "");
}

TEST_F(Selection, NonMetallicFillsOnlyOnceBothCovalencesAreChosen) {
    NonMetallicSelection dialog(index);
    dialog.ChooseNegative(Row(NonMetallicSelection(index).NegativeKeys(), "Cl"));
    EXPECT_TRUE(dialog.Lines().empty());
    dialog.ChoosePositive(Row(NonMetallicSelection(index).PositiveKeys(), "H"));
    EXPECT_EQ(dialog.Lines(), std::vector<std::string>{"HCl - a substance"});
    dialog.ChoosePositive(Row(NonMetallicSelection(index).PositiveKeys(), "NH4"));
    EXPECT_TRUE(dialog.Lines().empty());
}

TEST_F(Selection, HomoatomicListsEveryRowOfTheElementTable) {
    ElementTable elements = MakeDefaultElementTable();
    elements.count = 5;  // a short Elements.dat still shows all 43 symbols
    HomoatomicSelection dialog(index, elements);
    ASSERT_EQ(dialog.ElementKeys().size(), 43u);
    EXPECT_EQ(dialog.ElementKeys()[42], "Pb");
    dialog.ChooseElement(Row(dialog.ElementKeys(), "C"));
    EXPECT_EQ(dialog.Lines(), (std::vector<std::string>{"Graphite - a substance", "Diamond - a substance"}));
    EXPECT_EQ(dialog.SelectedName(), "Graphite");
    dialog.ChooseRow(1);
    EXPECT_EQ(dialog.SelectedName(), "Diamond");
    dialog.ChooseElement(Row(dialog.ElementKeys(), "He"));
    EXPECT_TRUE(dialog.Lines().empty());
}

TEST_F(Selection, DoubleClickConfirmsOnlyNamesOfTheDialogsKind) {
    MetallicSelection dialog(index);
    dialog.ChoosePositive(Row(MetallicSelection(index).PositiveKeys(), "Other"));
    EXPECT_EQ(dialog.Confirm().outcome, Confirmation::Outcome::Close);
    dialog.EditChanged("HCl");
    const Confirmation refused = dialog.Confirm();
    EXPECT_EQ(refused.outcome, Confirmation::Outcome::NotFound);
    EXPECT_EQ(refused.message, "Cannot find the metallic compound \"HCl\".");
    dialog.EditChanged("");
    EXPECT_EQ(dialog.Confirm().outcome, Confirmation::Outcome::Stay);
    NonMetallicSelection nonMetallic(index);
    nonMetallic.EditChanged("NaCl");
    EXPECT_EQ(nonMetallic.Confirm().message, "Cannot find the non-metallic compound \"NaCl\".");
    HomoatomicSelection homoatomic(index, MakeDefaultElementTable());
    homoatomic.EditChanged("graphite");
    EXPECT_EQ(homoatomic.Confirm().message, "Cannot find the substance \"graphite\".");
}

TEST_F(Selection, IndexListsEverythingAndSearchesByCaseSensitivePrefix) {
    IndexSelection dialog(index);
    ASSERT_EQ(dialog.Lines().size(), 11u);
    EXPECT_EQ(dialog.Lines()[0], "AgCl - Silver chloride");
    EXPECT_EQ(dialog.SelectedRow(), -1);
    dialog.EditChanged("NaC");
    EXPECT_EQ(dialog.SelectedRow(), 8);
    EXPECT_EQ(dialog.SelectedName(), "NaC");  // the edit keeps the typed text
    dialog.EditChanged("nac");
    EXPECT_EQ(dialog.SelectedRow(), 8);  // nothing matches: the highlight stays
    dialog.EditChanged("");
    EXPECT_EQ(dialog.SelectedRow(), 0);
    dialog.ChooseRow(9);
    EXPECT_EQ(dialog.SelectedName(), "NaClO3");
    EXPECT_EQ(dialog.Confirm().outcome, Confirmation::Outcome::Close);
    dialog.EditChanged("Water");
    EXPECT_EQ(dialog.Confirm().message, "Cannot find the compound \"Water\".");
}

TEST_F(Selection, OrganicCategoriesSelectNothingAndOkValidatesTheKind) {
    OrganicSelection dialog(index);
    EXPECT_EQ(dialog.Confirm().outcome, Confirmation::Outcome::Stay);  // a fresh dialog's OK does nothing
    dialog.EditChanged("Ethene");
    EXPECT_EQ(dialog.Confirm().outcome, Confirmation::Outcome::Close);  // typed, with no category
    int alcohol = -1;
    for (std::size_t i = 0; i < kOrganicCategories.size(); ++i)
        if (kOrganicCategories[i].keyWord == "Alcohol") alcohol = static_cast<int>(i);
    dialog.ChooseCategory(alcohol);
    EXPECT_EQ(dialog.Lines(), (std::vector<std::string>{"Ethanol - a substance", "Methanol - a substance"}));
    EXPECT_EQ(dialog.SelectedRow(), -1);
    EXPECT_EQ(dialog.SelectedName(), "");
    dialog.EditChanged("Me");
    EXPECT_EQ(dialog.SelectedRow(), 1);
    EXPECT_EQ(dialog.Confirm().message, "Cannot find the organic compound \"Me\".");
    dialog.EditChanged("NaCl");
    EXPECT_EQ(dialog.Confirm().message, "Cannot find the organic compound \"NaCl\".");
    dialog.EditChanged("");
    EXPECT_EQ(dialog.SelectedRow(), 0);
}

TEST(OrganicCategories, SearchTheKeyWordsTheIndexUses) {
    EXPECT_EQ(kOrganicCategories[8].label, "Oil & Fat/Ester");
    EXPECT_EQ(kOrganicCategories[8].keyWord, "Fat");
    EXPECT_EQ(kOrganicCategories[11].keyWord, "Carbonxylic");
    EXPECT_EQ(kOrganicCategories[13].keyWord, "Amino-acid");
}

}  // namespace
}  // namespace kiva
