// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/element_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "chem/fixed_text.h"

namespace kiva {
namespace {

constexpr std::uint32_t kWhite = MakeColor(255, 255, 255);
constexpr std::uint32_t kGreen = MakeColor(0, 255, 0);
constexpr std::uint32_t kRed = MakeColor(255, 0, 0);
constexpr std::uint32_t kLeadGrey = MakeColor(128, 128, 128);

TEST(DefaultElements, HoldsFortyThreeDistinctSymbolsWithUsableRadii) {
    std::set<std::string> symbols;
    for (const ElementInfo& row : DefaultElements()) {
        const std::string symbol(TextOf(row.symbol));
        EXPECT_TRUE(symbols.insert(symbol).second) << symbol;
        EXPECT_GE(symbol.size(), 1u);
        EXPECT_LE(symbol.size(), 2u);
        EXPECT_GT(row.atomicRadius, 0.0f) << symbol;
        EXPECT_GE(row.cationRadius, 0.0f) << symbol;
        EXPECT_GE(row.anionRadius, 0.0f) << symbol;
        EXPECT_EQ(row.color >> 24, 0u) << symbol;
    }
    EXPECT_EQ(symbols.size(), 43u);
    EXPECT_EQ(TextOf(DefaultElements()[0].symbol), "H");
    EXPECT_EQ(TextOf(DefaultElements()[42].symbol), "Pb");
}

TEST(DefaultElements, KeepsTheTableValuesExactly) {
    const ElementInfo& sodium = DefaultElements()[10];
    EXPECT_EQ(TextOf(sodium.symbol), "Na");
    EXPECT_EQ(sodium.color, kWhite);
    EXPECT_EQ(sodium.atomicRadius, 1.89f);
    EXPECT_EQ(sodium.cationRadius, 0.98f);
    const ElementInfo& copper = DefaultElements()[28];
    EXPECT_EQ(TextOf(copper.symbol), "Cu");
    EXPECT_EQ(copper.color, MakeColor(255, 128, 0));
    const ElementInfo& iodine = DefaultElements()[37];
    EXPECT_EQ(TextOf(iodine.symbol), "I");
    EXPECT_EQ(iodine.color, MakeColor(128, 0, 128));
    EXPECT_EQ(iodine.anionRadius, 2.16f);
}

TEST(LookupElement, ChoosesTheRadiusByTheSignOfTheCharge) {
    const ElementTable table = MakeDefaultElementTable();
    const ElementLook sodium = LookupElement(table, "Na+", 1);
    EXPECT_EQ(sodium.color, kWhite);
    EXPECT_EQ(sodium.radius, 0.98f);
    const ElementLook chloride = LookupElement(table, "Cl-", -1);
    EXPECT_EQ(chloride.color, kGreen);
    EXPECT_EQ(chloride.radius, 1.81f);
    const ElementLook oxide = LookupElement(table, "O2-", -2);
    EXPECT_EQ(oxide.color, kRed);
    EXPECT_EQ(oxide.radius, 1.36f);
    EXPECT_EQ(LookupElement(table, "Na", 0).radius, 1.89f);
}

TEST(LookupElement, UsesTheAtomicRadiusWhereTheIonicOneIsMissing) {
    const ElementTable table = MakeDefaultElementTable();
    EXPECT_EQ(LookupElement(table, "He", 1).radius, 1.22f);
    EXPECT_EQ(LookupElement(table, "Na", -1).radius, 1.89f);
}

TEST(LookupElement, KeysOnTwoCharactersOnlyWhenTheSecondIsAboveNine) {
    const ElementTable table = MakeDefaultElementTable();
    EXPECT_EQ(LookupElement(table, "C2", 0).radius, 0.77f);       // key C
    EXPECT_EQ(LookupElement(table, "Fe3+", 3).radius, 0.67f);     // key Fe
    EXPECT_EQ(LookupElement(table, "C", 0).color, kGreen);
    EXPECT_EQ(LookupElement(table, "Cl12", 0).radius, 1.50f);     // key Cl
    EXPECT_EQ(LookupElement(table, "N\xC3\xA9", 0).radius, 0.71f); // a byte above 0x7F keys on N alone
}

TEST(LookupElement, FallsBackToLastRowForUnknownSymbol) {
    const ElementTable table = MakeDefaultElementTable();
    for (const char* symbol : {"na", "Xx", "", "?"}) {
        const ElementLook look = LookupElement(table, symbol, 0);
        EXPECT_EQ(look.color, kLeadGrey) << symbol;
        EXPECT_EQ(look.radius, 1.75f) << symbol;
    }
}

TEST(LookupElement, FallsBackToTheLastCountedRowOfAShorterTable) {
    ElementTable table = MakeDefaultElementTable();
    table.count = 11;  // H to Na
    EXPECT_EQ(LookupElement(table, "Pb", 0).radius, 1.89f);
    EXPECT_EQ(LookupElement(table, "Na+", 1).radius, 0.98f);
}

}  // namespace
}  // namespace kiva
