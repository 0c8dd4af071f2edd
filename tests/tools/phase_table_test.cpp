// SPDX-License-Identifier: GPL-2.0-or-later
// The catalogue's phase table: one row for every substance the build compiled, and the compiled
// PhasePoints.dat gives what the source table says.
#include <gtest/gtest.h>

#include <filesystem>

#include "chem/fixed_text.h"
#include "chem/molecule_index.h"
#include "chem/phase_points.h"
#include "io/source_error.h"

namespace kiva::mkdb {
namespace {

const std::string kSourceTable = std::string(KIVA_SOURCE_DIR) + "/data/phase_points.tsv";
const std::string kBuilt = KIVA_CATALOGUE_DIR;

TEST(CataloguePhaseTable, HasExactlyOneRowForEverySubstanceOfTheBuiltIndex) {
    if (!std::filesystem::exists(kSourceTable)) GTEST_SKIP() << "data/phase_points.tsv is not there yet";
    const PhaseTableParse source = ParsePhaseTable(ReadSourceFile(kSourceTable));
    ASSERT_EQ(source.error, "");
    MoleculeIndex index;
    index.path = kBuilt + "/Index.dat";
    ASSERT_TRUE(LoadMoleculeIndex(index));
    std::vector<std::string> names;
    for (const IndexEntry& entry : index.entries) names.emplace_back(TextOf(entry.name));
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(CheckPhaseTableNames(source.table, names), "");
    EXPECT_EQ(source.table.rows.size(), names.size());

    const PhaseTableParse built = LoadPhasePointsFile(kBuilt + "/PhasePoints.dat");
    ASSERT_EQ(built.error, "");
    ASSERT_EQ(built.table.rows.size(), source.table.rows.size());
    for (const PhasePointsRow& row : source.table.rows) {
        const PhasePointsRow* compiled = built.table.Find(row.name);
        ASSERT_NE(compiled, nullptr) << row.name;
        EXPECT_EQ(compiled->points.meltingK, row.points.meltingK) << row.name;
        EXPECT_EQ(compiled->points.boilingK, row.points.boilingK) << row.name;
        EXPECT_EQ(compiled->points.note, row.points.note) << row.name;
    }
    // Water's points, as a reader of the handbook knows them, guard against shifted columns.
    const PhasePointsRow* water = built.table.Find("H2O");
    ASSERT_NE(water, nullptr);
    EXPECT_NEAR(water->points.meltingK.value_or(0), 273.15, 0.01);
    EXPECT_NEAR(water->points.boilingK.value_or(0), 373.15, 0.05);
    const PhasePointsRow* helium = built.table.Find("He");
    ASSERT_NE(helium, nullptr);
    EXPECT_TRUE(NeverFreezes(helium->points));
}

}  // namespace
}  // namespace kiva::mkdb
