// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/shared_data.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "chem/fixed_text.h"
#include "tests/support/temp_dir.h"

namespace kiva {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

TEST(ChooseElementFile, KeepsTheTableBesideAWritableMoleculeDat) {
    TempDir dir;
    const ElementFileChoice choice = ChooseElementFile(dir.File("Molecule.dat"), dir.File("config"), true);
    EXPECT_EQ(choice.path, dir.File("Elements.dat"));
    EXPECT_EQ(choice.readFrom, dir.File("Elements.dat"));
}

TEST(ChooseElementFile, UsesTheConfigurationDirectoryWithoutMoleculeDat) {
    const ElementFileChoice choice = ChooseElementFile("", "/home/student/.config/kiva", true);
    EXPECT_EQ(choice.path, "/home/student/.config/kiva/Elements.dat");
    EXPECT_EQ(choice.readFrom, choice.path);
}

TEST(ChooseElementFile, ReadsTheShippedTableUntilTheUserHasOneOfTheirOwn) {
    TempDir data;
    TempDir config;
    ElementFileChoice choice = ChooseElementFile(data.File("Molecule.dat"), config.Path(), false);
    EXPECT_EQ(choice.path, config.File("Elements.dat"));
    EXPECT_EQ(choice.readFrom, data.File("Elements.dat"));
    WriteFile(config.File("Elements.dat"), "1\r\n");
    choice = ChooseElementFile(data.File("Molecule.dat"), config.Path(), false);
    EXPECT_EQ(choice.readFrom, config.File("Elements.dat"));
}

TEST(StartUpSharedData, LoadsTheDataFilesFoundOnTheSearchPath) {
    TempDir first;
    TempDir second;
    WriteFile(second.File("Molecule.dat"), "");
    WriteFile(second.File("Elements.dat"), "1\r\nH 1 2 3 0.10 0.20 0.30\r\n");
    WriteFile(first.File("Index.dat"), "1\r\nWater 3 0 0 Other\r\nH2O\r\n");
    SharedData data;
    StartUpSharedData(data, {{first.Path(), second.Path()}, first.File("config")});
    EXPECT_EQ(data.moleculeDataPath, second.File("Molecule.dat"));
    EXPECT_EQ(data.elementTable.path, second.File("Elements.dat"));
    EXPECT_EQ(data.elementTable.count, 1);
    EXPECT_EQ(data.elementTable.rows[0].color, MakeColor(1, 2, 3));
    EXPECT_EQ(data.moleculeIndex.path, first.File("Index.dat"));
    ASSERT_EQ(data.moleculeIndex.count, 1);
    EXPECT_EQ(TextOf(data.moleculeIndex.entries[0].name), "Water");
}

TEST(StartUpSharedData, StartsFromBuiltInRowsAndAnEmptyIndexWithoutDataFiles) {
    TempDir empty;
    SharedData data;
    StartUpSharedData(data, {{empty.Path()}, empty.File("config")});
    EXPECT_EQ(data.moleculeDataPath, "");
    EXPECT_EQ(data.elementTable.count, 43);
    EXPECT_EQ(data.moleculeIndex.count, 0);
    EXPECT_EQ(data.elementTable.path, empty.File("config/Elements.dat"));
}

// The table is the catalogue's own: one in another directory of the search path is not read, and
// a damaged one leaves the table empty.
TEST(StartUpSharedData, ReadsThePhasePointsBesideMoleculeDatAlone) {
    TempDir first;
    TempDir second;
    const std::string table = "kiva-phase-points 1\nname\tmelting_K\tboiling_K\tnote\nWater\t273.15\t373.12\t\n";
    WriteFile(first.File("PhasePoints.dat"), table);
    WriteFile(second.File("Molecule.dat"), "");
    SharedData data;
    StartUpSharedData(data, {{first.Path(), second.Path()}, first.File("config")});
    EXPECT_TRUE(data.phaseTable.rows.empty());

    WriteFile(second.File("PhasePoints.dat"), table);
    StartUpSharedData(data, {{first.Path(), second.Path()}, first.File("config")});
    ASSERT_NE(data.phaseTable.Find("Water"), nullptr);
    EXPECT_EQ(data.phaseTable.Find("Water")->points.meltingK, 273.15);

    WriteFile(second.File("PhasePoints.dat"), table + "Ice\t400\t300\t\n");
    StartUpSharedData(data, {{first.Path(), second.Path()}, first.File("config")});
    EXPECT_TRUE(data.phaseTable.rows.empty());
}

TEST(ShutDownSharedData, ReleasesTheIndexThenWritesTheElementTable) {
    TempDir dir;
    WriteFile(dir.File("Molecule.dat"), "");
    WriteFile(dir.File("Index.dat"), "1\r\nWater 3 0 0 Other\r\nH2O\r\n");
    SharedData data;
    StartUpSharedData(data, {{dir.Path()}, dir.File("config")});
    data.elementTable.rows[0].color = MakeColor(9, 9, 9);
    ShutDownSharedData(data);
    EXPECT_EQ(data.moleculeIndex.count, 0);
    const std::string written = ReadFile(dir.File("Elements.dat"));
    EXPECT_EQ(written.substr(0, 4), "43\r\n");
    EXPECT_NE(written.find("H      9   9   9 0.46 0.32 1.36\r\n"), std::string::npos);
}

TEST(ShutDownSharedData, CreatesTheConfigurationDirectoryForTheTable) {
    TempDir dir;
    SharedData data;
    StartUpSharedData(data, {{dir.Path()}, dir.File("config/kiva")});
    ShutDownSharedData(data);
    EXPECT_TRUE(std::filesystem::exists(dir.File("config/kiva/Elements.dat")));
}

TEST(SharedDataLifetime, APrintingRunLeavesTheElementFileAsItFoundIt) {
    TempDir dir;
    WriteFile(dir.File("Molecule.dat"), "");
    {
        const SharedDataLifetime run({{dir.Path()}, dir.File("config")}, SharedDataLifetime::AtExit::KeepElementFile);
        TheSharedData().elementTable.rows[0].color = MakeColor(9, 9, 9);
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("Elements.dat")));
    { const SharedDataLifetime run({{dir.Path()}, dir.File("config")}); }
    EXPECT_TRUE(std::filesystem::exists(dir.File("Elements.dat")));
}

}  // namespace
}  // namespace kiva
