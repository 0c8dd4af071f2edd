// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/molecule_index.h"

#include <gtest/gtest.h>

#include <string>

#include "chem/fixed_text.h"
#include "tests/support/sample_index_entries.h"
#include "tests/support/temp_dir.h"

namespace kiva {
namespace {

using testing::Entry;
using testing::TempDir;
using testing::WriteFile;

MoleculeIndex LoadIndexText(const TempDir& dir, const std::string& text) {
    MoleculeIndex index;
    index.path = dir.File("Index.dat");
    WriteFile(index.path, text);
    EXPECT_TRUE(LoadMoleculeIndex(index));
    return index;
}

std::vector<std::string> Names(const IndexMatchList& matches) {
    std::vector<std::string> names;
    for (const IndexEntry& entry : matches.Items()) names.emplace_back(TextOf(entry.name));
    return names;
}

TEST(LoadMoleculeIndex, ReadsKeyLinesAndDescriptions) {
    TempDir dir;
    const MoleculeIndex index = LoadIndexText(dir,
        "3\r\n"
        "NaCl 1 0 368 Na Cl\r\n"
        "Sodium chloride, rock salt\r\n"
        "Diamond 0 7 1024 C\r\n"
        "Carbon as a covalent network\r\n"
        "Ethanol\t3 0 2048\r\n"
        "Drinking alcohol\n");
    ASSERT_EQ(index.count, 3);
    const IndexEntry& salt = index.entries[0];
    EXPECT_EQ(TextOf(salt.name), "NaCl");
    EXPECT_EQ(salt.kind, 1);
    EXPECT_EQ(salt.recordOffset, 368);
    EXPECT_EQ(TextOf(salt.primaryKey), "Na");
    EXPECT_EQ(TextOf(salt.secondaryKey), "Cl");
    EXPECT_EQ(TextOf(salt.description), "Sodium chloride, rock salt");  // no CR left over
    EXPECT_EQ(index.entries[1].reservedValue, 7);
    EXPECT_EQ(TextOf(index.entries[1].secondaryKey), "");
    EXPECT_EQ(TextOf(index.entries[2].primaryKey), "");
    EXPECT_EQ(TextOf(index.entries[2].description), "Drinking alcohol");
}

TEST(LoadMoleculeIndex, KeepsA127CharacterDescriptionAndCutsALongerOne) {
    TempDir dir;
    const std::string exact(127, 'a');
    const std::string longer = std::string(127, 'b') + "OVERFLOW 0 0 0 X";
    const MoleculeIndex index = LoadIndexText(dir,
        "3\r\nA 0 0 0 H\r\n" + exact + "\r\nB 0 0 0 H\r\n" + longer + "\r\nC 0 0 0 He\r\nthird\r\n");
    ASSERT_EQ(index.count, 3);
    EXPECT_EQ(TextOf(index.entries[0].description), exact);
    EXPECT_EQ(TextOf(index.entries[1].description), std::string(127, 'b'));
    EXPECT_EQ(TextOf(index.entries[2].name), "C");  // the excess was not read as an entry
}

TEST(LoadMoleculeIndex, CutsOverlongWordsToTheirFields) {
    TempDir dir;
    const MoleculeIndex index = LoadIndexText(dir,
        "1\n" + std::string(40, 'N') + " 1 0 0 PrimaryKeyOfTwentyChars ClO4\ndesc\n");
    const IndexEntry& entry = index.entries[0];
    EXPECT_EQ(TextOf(entry.name), std::string(31, 'N'));
    EXPECT_EQ(TextOf(entry.primaryKey), "PrimaryKeyOfTwe");
    EXPECT_EQ(TextOf(entry.secondaryKey), "ClO");
}

TEST(LoadMoleculeIndex, KeepsOnlyTheEntriesActuallyPresent) {
    TempDir dir;
    EXPECT_EQ(LoadIndexText(dir, "2000000000\r\nA 0 0 0 H\r\none\r\nB 0 0 0 He\r\n").count, 2);
    EXPECT_EQ(LoadIndexText(dir, "-4\r\nA 0 0 0 H\r\none\r\n").count, 0);
    EXPECT_EQ(LoadIndexText(dir, "").count, 0);
    EXPECT_EQ(LoadIndexText(dir, "lots\r\nA 0 0 0 H\r\n").count, 0);
}

TEST(LoadMoleculeIndex, LeavesFieldsAfterAMalformedNumberEmpty) {
    TempDir dir;
    const MoleculeIndex index = LoadIndexText(dir,
        "2\nOdd x 5 6 Na Cl\ndesc\nHuge 1 0 99999999999999999999 Na Cl\ndesc");
    EXPECT_EQ(TextOf(index.entries[0].name), "Odd");
    EXPECT_EQ(index.entries[0].kind, 0);
    EXPECT_EQ(index.entries[0].recordOffset, 0);
    EXPECT_EQ(TextOf(index.entries[0].primaryKey), "");
    EXPECT_EQ(index.entries[1].recordOffset, 2147483647);
    EXPECT_EQ(TextOf(index.entries[1].description), "desc");
}

TEST(LoadMoleculeIndex, SurvivesBinaryGarbageAndHugeLines) {
    TempDir dir;
    std::string garbage;
    for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 7919) % 256);
    const MoleculeIndex index = LoadIndexText(dir, "3\n" + std::string(10000, 'k') + "\n" + garbage);
    EXPECT_LE(index.count, 3);
    EXPECT_EQ(TextOf(index.entries[0].name), std::string(31, 'k'));
}

TEST(LoadMoleculeIndex, FailsEmptyWithoutAFile) {
    TempDir dir;
    MoleculeIndex index;
    index.path = dir.File("absent");
    EXPECT_FALSE(LoadMoleculeIndex(index));
    EXPECT_EQ(index.count, 0);
    EXPECT_TRUE(index.entries.empty());
}

class IndexSearch : public ::testing::Test {
protected:
    void SetUp() override {
        index.entries = {Entry("NaCl", 1, "Na", "Cl"),      Entry("Na2O", 1, "Na", "O"),
                         Entry("NiO", 1, "Other", "O"),      Entry("CoCl2", 1, "Other", "Cl"),
                         Entry("HCl", 2, "H", "Cl"),         Entry("HOCl", 2, "H", "ClO"),
                         Entry("Diamond", 0, "C", "x"),      Entry("Graphite", 0, "C"),
                         Entry("Ethanol", 3, "Alcohol"),     Entry("Methanol", 3, "Alcohol", "Cl"),
                         Entry("NaCl", 2, "Na", "Cl")};
        index.count = static_cast<int>(index.entries.size());
    }
    MoleculeIndex index;
    IndexMatchList matches;
};

TEST_F(IndexSearch, MetallicOtherListsEveryOtherEntryWhateverTheSecondaryKey) {
    FindIndexEntries(index, 1, "Other", "", matches);
    EXPECT_EQ(Names(matches), (std::vector<std::string>{"NiO", "CoCl2"}));
    FindIndexEntries(index, 1, "Other", "Br", matches);
    EXPECT_EQ(Names(matches), (std::vector<std::string>{"NiO", "CoCl2"}));
}

TEST_F(IndexSearch, MetallicAndNonMetallicNeedBothKeys) {
    FindIndexEntries(index, 1, "Na", "Cl", matches);
    EXPECT_EQ(Names(matches), std::vector<std::string>{"NaCl"});
    FindIndexEntries(index, 1, "Na", "", matches);
    EXPECT_EQ(matches.count, 0);
    FindIndexEntries(index, 2, "H", "Cl", matches);
    EXPECT_EQ(Names(matches), std::vector<std::string>{"HCl"});
    FindIndexEntries(index, 2, "Other", "Cl", matches);
    EXPECT_EQ(matches.count, 0);
}

TEST_F(IndexSearch, HomoatomicAndOrganicIgnoreTheSecondaryKey) {
    FindIndexEntries(index, 0, "C", "zzz", matches);
    EXPECT_EQ(Names(matches), (std::vector<std::string>{"Diamond", "Graphite"}));
    FindIndexEntries(index, 3, "Alcohol", "", matches);
    EXPECT_EQ(Names(matches), (std::vector<std::string>{"Ethanol", "Methanol"}));
}

TEST_F(IndexSearch, MatchesOnlyTheRequestedKind) {
    FindIndexEntries(index, 2, "Alcohol", "", matches);
    EXPECT_EQ(matches.count, 0);
    FindIndexEntries(index, 4, "C", "", matches);
    EXPECT_EQ(matches.count, 0);
    FindIndexEntries(index, -1, "C", "", matches);
    EXPECT_EQ(matches.count, 0);
    EXPECT_EQ(matches.storage.size(), 16u);
}

TEST_F(IndexSearch, ComparesKeysCaseSensitively) {
    FindIndexEntries(index, 1, "na", "Cl", matches);
    EXPECT_EQ(matches.count, 0);
    FindIndexEntries(index, 1, "other", "", matches);
    EXPECT_EQ(matches.count, 0);
}

TEST(IndexMatchList, GrowsBy16BeforeItWouldBeFull) {
    MoleculeIndex index;
    for (int i = 0; i < 40; ++i) index.entries.push_back(Entry(("E" + std::to_string(i)).c_str(), 3, "Sugar"));
    const auto roomFor = [&](int entries) {
        MoleculeIndex part;
        part.entries.assign(index.entries.begin(), index.entries.begin() + entries);
        IndexMatchList matches;
        FindIndexEntries(part, 3, "Sugar", "", matches);
        EXPECT_EQ(matches.count, entries);
        return matches.storage.size();
    };
    EXPECT_EQ(roomFor(0), 16u);
    EXPECT_EQ(roomFor(15), 16u);
    EXPECT_EQ(roomFor(16), 32u);  // the 16th match (n = 15) grows the storage
    EXPECT_EQ(roomFor(31), 32u);
    EXPECT_EQ(roomFor(32), 48u);
    EXPECT_EQ(roomFor(40), 48u);
}

TEST(IndexMatchList, ShrinksBackTo16OnEverySearch) {
    MoleculeIndex index;
    for (int i = 0; i < 20; ++i) index.entries.push_back(Entry("E", 3, "Sugar"));
    IndexMatchList matches;
    FindIndexEntries(index, 3, "Sugar", "", matches);
    EXPECT_EQ(matches.storage.size(), 32u);
    FindIndexEntries(index, 3, "Fat", "", matches);
    EXPECT_EQ(matches.storage.size(), 16u);
    EXPECT_TRUE(matches.Items().empty());
}

TEST_F(IndexSearch, FindsByNameTheFirstEntryOfAnyKind) {
    const IndexEntry* first = FindIndexEntryByName(index, "NaCl");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->kind, 1);
    EXPECT_EQ(FindIndexEntryByName(index, "nacl"), nullptr);
    EXPECT_EQ(FindIndexEntryByName(index, ""), nullptr);
    const IndexEntry* covalent = FindIndexEntry(index, "NaCl", 2);
    ASSERT_NE(covalent, nullptr);
    EXPECT_EQ(covalent, &index.entries.back());
    EXPECT_EQ(FindIndexEntry(index, "NaCl", 0), nullptr);
}

}  // namespace
}  // namespace kiva
