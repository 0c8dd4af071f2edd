// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "chem/element_table.h"
#include "chem/fixed_text.h"
#include "tests/support/temp_dir.h"

namespace kiva {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

ElementTable LoadFrom(const std::string& path, bool* loaded = nullptr) {
    ElementTable table = MakeDefaultElementTable();
    const bool result = LoadElementTable(table, path);
    if (loaded) *loaded = result;
    return table;
}

TEST(SaveElementTable, WritesTheExactRowFormatWithCrLf) {
    const std::string text = FormatElementTable(MakeDefaultElementTable());
    EXPECT_EQ(text.substr(0, 4), "43\r\n");
    EXPECT_NE(text.find("\r\nNa   255 255 255 1.89 0.98 0.00\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nH    192 192 192 0.46 0.32 1.36\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nB      0   0 255 0.91 0.20 0.00\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 35), "\r\nPb   128 128 128 1.75 1.26 0.00\r\n");
}

TEST(SaveElementTable, RoundTripReproducesTheFileByteForByte) {
    TempDir dir;
    ElementTable table = MakeDefaultElementTable();
    table.rows[7].color = MakeColor(10, 200, 30);
    table.path = dir.File("Elements.dat");
    ASSERT_TRUE(SaveElementTable(table));
    const std::string first = ReadFile(table.path);

    ElementTable reread = LoadFrom(table.path);
    reread.path = dir.File("Again.dat");
    ASSERT_TRUE(SaveElementTable(reread));
    EXPECT_EQ(ReadFile(reread.path), first);
    EXPECT_EQ(reread.rows[7].color, MakeColor(10, 200, 30));
    EXPECT_FALSE(std::filesystem::exists(table.path + ".new"));
}

TEST(SaveElementTable, SkipsAnUnwritablePlaceQuietly) {
    TempDir dir;
    ElementTable table = MakeDefaultElementTable();
    table.path = dir.File("missing-directory/Elements.dat");
    EXPECT_FALSE(SaveElementTable(table));
    table.path.clear();
    EXPECT_FALSE(SaveElementTable(table));
}

TEST(SaveElementTable, NeverLeavesATruncatedTableWhenTheWriteFails) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories";
    TempDir dir;
    ElementTable table = MakeDefaultElementTable();
    table.path = dir.File("Elements.dat");
    WriteFile(table.path, "43\r\nH 1 2 3 0.1 0.2 0.3\r\n");
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_FALSE(SaveElementTable(table));
    EXPECT_EQ(ReadFile(table.path), "43\r\nH 1 2 3 0.1 0.2 0.3\r\n");
}

TEST(LoadElementTable, ReadsRowsOverTheBuiltInOnes) {
    TempDir dir;
    WriteFile(dir.File("e.dat"), "2\r\nQq 1 2 3 0.50 0.25 0.75\r\nHe 255 0 0 2.00 0.10 0.00\r\n");
    bool loaded = false;
    const ElementTable table = LoadFrom(dir.File("e.dat"), &loaded);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(table.count, 2);
    EXPECT_EQ(TextOf(table.rows[0].symbol), "Qq");
    EXPECT_EQ(table.rows[0].color, MakeColor(1, 2, 3));
    EXPECT_EQ(table.rows[0].cationRadius, 0.25f);
    EXPECT_EQ(table.rows[1].color, MakeColor(255, 0, 0));
    EXPECT_EQ(TextOf(table.rows[2].symbol), "Li");  // untouched beyond the count
    // The lookup now falls back to row 1, He.
    EXPECT_EQ(LookupElement(table, "Pb", 0).radius, 2.0f);
}

TEST(LoadElementTable, KeepsBuiltInValuesForFieldsMissingAtTheEndOfARow) {
    TempDir dir;
    WriteFile(dir.File("e.dat"), "11\nH\nHe 1\nLi 2 3 4\nBe 5 6 7 0.5\nB\nC\nN\nO\nF\nNe\nNa 255 255 255 1.89\n");
    const ElementTable table = LoadFrom(dir.File("e.dat"));
    EXPECT_EQ(table.rows[10].cationRadius, 0.98f);
    EXPECT_EQ(table.rows[0].color, MakeColor(192, 192, 192));
    EXPECT_EQ(table.rows[1].color, MakeColor(1, 192, 192));
    EXPECT_EQ(table.rows[2].color, MakeColor(2, 3, 4));
    EXPECT_EQ(table.rows[2].atomicRadius, 1.55f);
    EXPECT_EQ(table.rows[3].atomicRadius, 0.5f);
    EXPECT_EQ(table.rows[3].cationRadius, 0.34f);
}

TEST(LoadElementTable, UsesTheLowByteOfEachColourComponent) {
    TempDir dir;
    WriteFile(dir.File("e.dat"), "1\r\nH 256 300 -1 0.46 0.32 1.36\r\n");
    EXPECT_EQ(LoadFrom(dir.File("e.dat")).rows[0].color, MakeColor(0, 44, 255));
    WriteFile(dir.File("e.dat"), "1\r\nH 99999999999999999999999 1 1 0.46 0.32 1.36\r\n");
    EXPECT_EQ(LoadFrom(dir.File("e.dat")).rows[0].color, MakeColor(255, 1, 1));  // (10^23 - 1) mod 256
}

TEST(LoadElementTable, StopsARowAtTheFirstMalformedField) {
    TempDir dir;
    WriteFile(dir.File("e.dat"), "1\r\nH 10 x 30 9.9 9.9 9.9\r\n");
    const ElementTable table = LoadFrom(dir.File("e.dat"));
    EXPECT_EQ(table.rows[0].color, MakeColor(10, 192, 192));
    EXPECT_EQ(table.rows[0].atomicRadius, 0.46f);
}

// A word that begins with a NUL byte holds no symbol: kept, it would be saved as a row without
// one, whose colours the next start reads as its symbol.
TEST(LoadElementTable, LeavesARowWhoseSymbolIsEmptyAsItWas) {
    TempDir dir;
    const char text[] = "2\r\nH 1 2 3 0.1 0.2 0.3\r\n\0x 4 5 6 0.4 0.5 0.6\r\n";
    WriteFile(dir.File("e.dat"), std::string(text, sizeof text - 1));
    ElementTable table = LoadFrom(dir.File("e.dat"));
    EXPECT_EQ(TextOf(table.rows[1].symbol), "He");
    EXPECT_EQ(table.rows[1].color, DefaultElements()[1].color);

    table.path = dir.File("Saved.dat");
    ASSERT_TRUE(SaveElementTable(table));
    EXPECT_EQ(FormatElementTable(LoadFrom(table.path)), FormatElementTable(table));
}

TEST(LoadElementTable, ReadsNoMoreThanFortyThreeRows) {
    TempDir dir;
    std::string text = "1000000\n";
    for (int i = 0; i < 50; ++i) text += "Zz 1 1 1 1.00 1.00 1.00\n";
    WriteFile(dir.File("e.dat"), text);
    const ElementTable table = LoadFrom(dir.File("e.dat"));
    EXPECT_EQ(table.count, 43);
    EXPECT_EQ(TextOf(table.rows[42].symbol), "Zz");
}

TEST(LoadElementTable, IgnoresAFileWithoutAPositiveCount) {
    TempDir dir;
    const ElementTable builtIn = MakeDefaultElementTable();
    for (const char* text : {"0\r\nH 1 1 1 1 1 1\r\n", "-5\r\nH 1 1 1 1 1 1\r\n", "many\r\nH 1 1 1 1 1 1\r\n", "", "\r\n",
                             "\x7f\x45\x4c\x46\x02\x01\x01\x00garbage"}) {
        WriteFile(dir.File("e.dat"), text);
        bool loaded = true;
        const ElementTable table = LoadFrom(dir.File("e.dat"), &loaded);
        EXPECT_FALSE(loaded) << text;
        EXPECT_EQ(table.count, 43);
        EXPECT_EQ(table.rows[0].color, builtIn.rows[0].color);
    }
}

TEST(LoadElementTable, SurvivesDamagedText) {
    TempDir dir;
    // A 10,000-character line, a symbol too long, binary bytes, a short file and no final line end.
    std::string text = "5\r\n" + std::string(10000, 'x') + " 1 2 3\r\nVeryLong 9 9 9 3.0 3.0 3.0\r\n";
    text += std::string("\0\xff\x01 4 5 6\r\n", 11);
    text += "Cl 7 8 9 1e39 nan 0.5";
    WriteFile(dir.File("e.dat"), text);
    bool loaded = false;
    const ElementTable table = LoadFrom(dir.File("e.dat"), &loaded);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(table.count, 5);
    EXPECT_EQ(TextOf(table.rows[0].symbol), "xxx");
    EXPECT_EQ(table.rows[0].color, DefaultElements()[0].color);  // the colour words were cut off with the line
    EXPECT_EQ(TextOf(table.rows[1].symbol), "Ver");
    EXPECT_EQ(table.rows[3].color, MakeColor(7, 8, 9));
    EXPECT_EQ(table.rows[3].atomicRadius, DefaultElements()[3].atomicRadius);  // 1e39 is no float
    EXPECT_EQ(TextOf(table.rows[4].symbol), "B");                              // never reached
}

TEST(LoadElementTable, ReportsAMissingFile) {
    TempDir dir;
    bool loaded = true;
    const ElementTable table = LoadFrom(dir.File("absent.dat"), &loaded);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(table.count, 43);
}

}  // namespace
}  // namespace kiva
