// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/phase_points.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_dir.h"

namespace kiva {
namespace {

using testing::TempDir;
using testing::WriteFile;

const std::string kHeader = "name\tmelting_K\tboiling_K\tnote\tsource\n";

TEST(ParsePhaseTable, ReadsEachKindOfRow) {
    const PhaseTableParse parse = ParsePhaseTable(kHeader +
                                                  "H2O\t273.15\t373.124\t\tCRC\r\n"
                                                  "CaCO3\t1098\t\tdecomposes\tCRC\n"
                                                  "\n"
                                                  "CO2\t\t194.7\tsublimes\tCRC\n"
                                                  "H2CO3\t\t\t\tCRC (exists only in solution)\n"
                                                  "He\t\t4.22\t\tCRC");
    ASSERT_EQ(parse.error, "");
    ASSERT_EQ(parse.table.rows.size(), 5u);
    const PhasePointsRow& water = parse.table.rows[0];
    EXPECT_EQ(water.name, "H2O");
    EXPECT_EQ(water.points.meltingK, 273.15);
    EXPECT_EQ(water.points.boilingK, 373.124);
    EXPECT_EQ(water.points.note, PhaseNote::None);
    EXPECT_EQ(water.source, "CRC");  // the CR of a CR LF line end is no part of it
    EXPECT_EQ(parse.table.Find("CaCO3")->points.note, PhaseNote::Decomposes);
    EXPECT_FALSE(parse.table.Find("CaCO3")->points.boilingK);
    EXPECT_EQ(parse.table.Find("CO2")->points.note, PhaseNote::Sublimes);
    EXPECT_FALSE(parse.table.Find("He")->points.meltingK);
    EXPECT_FALSE(parse.table.Find("H2CO3")->points.meltingK || parse.table.Find("H2CO3")->points.boilingK);
    EXPECT_EQ(parse.table.Find("NaCl"), nullptr);
}

// Helium alone does not freeze; another substance without a melting point has one no source gives.
TEST(NeverFreezes, IsHeliumsRowAlone) {
    EXPECT_TRUE(NeverFreezes({std::nullopt, 4.22, PhaseNote::None}));
    EXPECT_FALSE(NeverFreezes({std::nullopt, 278.25, PhaseNote::None}));  // vinylacetylene
    EXPECT_FALSE(NeverFreezes({std::nullopt, 194.7, PhaseNote::Sublimes}));
    EXPECT_FALSE(NeverFreezes({0.95, 4.22, PhaseNote::None}));
}

// Every refusal names its line and leaves the table empty, so a half-read table is never used.
TEST(ParsePhaseTable, RefusesEachKindOfBadRowNamingItsLine) {
    struct Case {
        const char* what;
        std::string text;
        const char* says;
    };
    const std::string good = "H2O\t273.15\t373.12\t\tCRC\n";
    const std::vector<Case> cases = {
        {"no header", "", "line 1: "},
        {"another header", "name\tmp\tbp\tnote\tsource\n" + good, "line 1: the line is \"name?mp?bp?note?source\""},
        {"four fields", good + "NaCl\t1074\t1738\t\n", "line 3: the row has 4 tab-separated fields, not 5"},
        {"six fields", good + "NaCl\t1074\t1738\t\tCRC\textra\n", "line 3: the row has 6"},
        {"a word for a temperature", "NaCl\tabout 1074\t1738\t\tCRC\n", "line 2: melting_K \"about 1074\" is not a number"},
        {"a number and more", "NaCl\t1074\t1738K\t\tCRC\n", "line 2: boiling_K \"1738K\" is not a number"},
        {"not finite", "NaCl\tinf\t1738\t\tCRC\n", "not a number"},
        {"below 1 K", "He\t0.5\t4.22\t\tCRC\n", "line 2: melting_K \"0.5\" lies outside 1 to 6000 K"},
        {"above 6000 K", "W\t3695\t6001\t\tCRC\n", "lies outside 1 to 6000 K"},
        {"melting at boiling", "X\t300\t300\t\tCRC\n", "line 2: the melting point 300 K is not below the boiling point 300 K"},
        {"melting above boiling", "X\t400.5\t300\t\tCRC\n", "the melting point 400.5 K is not below"},
        {"unknown note", "X\t300\t400\tmelts\tCRC\n", "line 2: unknown note \"melts\""},
        {"decomposes with a boiling point", "X\t300\t400\tdecomposes\tCRC\n", "a substance that decomposes has no boiling point"},
        {"decomposes without its temperature", "X\t\t400\tdecomposes\tCRC\n", "needs its temperature in melting_K"},
        {"sublimes with a melting point", "X\t180\t195\tsublimes\tCRC\n", "a substance that sublimes has no melting point"},
        {"sublimes without its temperature", "X\t195\t\tsublimes\tCRC\n", "needs its sublimation point in boiling_K"},
        {"no temperature and no remark", "X\t\t\t\tCRC\n", "line 2: the row gives no temperature, and its source no remark"},
        {"no source", "X\t300\t400\t\t\n", "line 2: the row names no source"},
        {"no name", "\t300\t400\t\tCRC\n", "line 2: the row has no name"},
        {"a repeated name", good + "NaCl\t1074\t1738\t\tCRC\n" + good, "line 4: \"H2O\" has a row already"},
        {"a line too long", "X\t300\t400\t\t" + std::string(kMaxPhaseTableLineBytes, 's') + "\n",
         "line 2: the line is longer than 1024 bytes"},
    };
    for (const Case& c : cases) {
        const std::string text = c.what == std::string("no header") || c.what == std::string("another header")
                                     ? c.text
                                     : kHeader + c.text;
        const PhaseTableParse parse = ParsePhaseTable(text);
        EXPECT_NE(parse.error.find(c.says), std::string::npos) << c.what << ": " << parse.error;
        EXPECT_TRUE(parse.table.rows.empty()) << c.what;
    }
}

TEST(ParsePhaseTable, RefusesATextBeyondItsBoundBeforeReadingIt) {
    std::string text = kHeader;
    while (text.size() <= kMaxPhaseTableBytes) text += "X\t300\t400\t\tCRC\n";
    const PhaseTableParse parse = ParsePhaseTable(text);
    EXPECT_EQ(parse.error, "the table is larger than 1 MiB");
    EXPECT_EQ(parse.line, 0);
}

TEST(PhasePointsFile, ReadsBackWhatWasWrittenWithoutTheSources) {
    const PhaseTableParse source = ParsePhaseTable(kHeader +
                                                   "H2O\t273.15\t373.124\t\tCRC\n"
                                                   "CaCO3\t1098\t\tdecomposes\tCRC\n"
                                                   "CO2\t\t194.686\tsublimes\tCRC\n"
                                                   "He\t\t4.222\t\tCRC\n");
    ASSERT_EQ(source.error, "");
    const std::string text = FormatPhasePointsFile(source.table);
    EXPECT_EQ(text.substr(0, text.find('\n', text.find('\n') + 1) + 1), "kiva-phase-points 1\nname\tmelting_K\tboiling_K\tnote\n");
    EXPECT_NE(text.find("\nH2O\t273.15\t373.124\t\n"), std::string::npos);
    EXPECT_NE(text.find("\nCaCO3\t1098\t\tdecomposes\n"), std::string::npos);

    TempDir dir;
    WriteFile(dir.File("PhasePoints.dat"), text);
    const PhaseTableParse back = LoadPhasePointsFile(dir.File("PhasePoints.dat"));
    ASSERT_EQ(back.error, "");
    ASSERT_EQ(back.table.rows.size(), source.table.rows.size());
    for (std::size_t i = 0; i < back.table.rows.size(); ++i) {
        const PhasePointsRow& read = back.table.rows[i];
        const PhasePointsRow& written = source.table.rows[i];
        EXPECT_EQ(read.name, written.name);
        EXPECT_EQ(read.points.meltingK, written.points.meltingK) << read.name;
        EXPECT_EQ(read.points.boilingK, written.points.boilingK) << read.name;
        EXPECT_EQ(read.points.note, written.points.note) << read.name;
        EXPECT_EQ(read.source, "");
    }
}

// The viewer runs on without the table: each of these leaves it empty, with a reason.
TEST(PhasePointsFile, AMissingOrDamagedFileGivesAnEmptyTable) {
    TempDir dir;
    EXPECT_NE(LoadPhasePointsFile(dir.File("none.dat")).error, "");
    const std::string head = "kiva-phase-points 1\nname\tmelting_K\tboiling_K\tnote\n";
    const std::vector<std::string> damaged = {
        "",                                                    // empty
        "kiva-phase-points 2\nname\tmelting_K\tboiling_K\tnote\nH2O\t273.15\t373.12\t\n",  // a later format
        head + "H2O\t273.15\t373.12\t\tCRC\n",                 // a source row in the compiled file
        head + "H2O\t273.15\t37",                              // cut short
        std::string(kMaxPhaseTableBytes + 1, '\n'),            // too large
    };
    for (const std::string& text : damaged) {
        WriteFile(dir.File("PhasePoints.dat"), text);
        const PhaseTableParse parse = LoadPhasePointsFile(dir.File("PhasePoints.dat"));
        EXPECT_NE(parse.error, "") << text.substr(0, 60);
        EXPECT_TRUE(parse.table.rows.empty()) << text.substr(0, 60);
    }
}

TEST(CheckPhaseTableNames, NamesTheSubstancesWithoutARowAndTheRowsWithoutASubstance) {
    PhaseTable table;
    for (const char* name : {"H2O", "NaCl", "Unobtainium"}) table.rows.push_back({name, {300.0, 400.0}, "CRC"});
    EXPECT_EQ(CheckPhaseTableNames(table, {"H2O", "NaCl", "Unobtainium"}), "");
    EXPECT_EQ(CheckPhaseTableNames(table, {"H2O", "NaCl", "Unobtainium", "KCl", "CO2"}),
              "substances of the index without a row: KCl, CO2");
    EXPECT_EQ(CheckPhaseTableNames(table, {"H2O", "NaCl"}), "rows for names the index lacks: Unobtainium");
    table.rows.push_back({"H2O", {300.0, 400.0}, "CRC"});
    EXPECT_EQ(CheckPhaseTableNames(table, {"H2O", "NaCl", "Unobtainium"}), "names with more than one row: H2O");

    std::vector<std::string> many;
    for (int i = 0; i < 12; ++i) many.push_back("S" + std::to_string(i));
    EXPECT_EQ(CheckPhaseTableNames({}, many), "substances of the index without a row: S0, S1, S2, S3, S4, S5, S6, S7, S8, S9 and 2 more");
}

}  // namespace
}  // namespace kiva
