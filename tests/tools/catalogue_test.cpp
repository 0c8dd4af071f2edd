// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/mkdb/catalogue.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "chem/fixed_text.h"
#include "io/bond_derivation.h"
#include "io/molecule_file.h"
#include "io/source_error.h"
#include "platform/binary_archive.h"
#include "tests/support/sample_index_entries.h"
#include "tests/support/source_errors.h"
#include "tests/support/temp_dir.h"
#include "tools/mkdb/compound_builder.h"

namespace kiva::mkdb {
namespace {

const std::string kFixtures = std::string(KIVA_SOURCE_DIR) + "/tests/data/catalogue";
const std::string kCatalogueSources = std::string(KIVA_SOURCE_DIR) + "/data";
const std::string kBuiltCatalogue = KIVA_CATALOGUE_DIR;

// Writes a compiled catalogue and reads its index back as the viewer does.
MoleculeIndex WriteAndLoad(const Catalogue& catalogue, const testing::TempDir& dir) {
    testing::WriteFile(dir.File("Molecule.dat"), catalogue.moleculeData);
    testing::WriteFile(dir.File("Index.dat"), FormatIndex(catalogue.entries));
    MoleculeIndex index;
    index.path = dir.File("Index.dat");
    EXPECT_TRUE(LoadMoleculeIndex(index));
    return index;
}

TEST(CompileCatalogue, OrdersByNameAndPointsEveryOffsetAtItsRecord) {
    const Catalogue catalogue =
        CompileCatalogue(ReadManifest(kFixtures + "/substances.txt"), kFixtures, MakeDefaultElementTable());
    testing::TempDir dir;
    const MoleculeIndex index = WriteAndLoad(catalogue, dir);
    ASSERT_EQ(index.count, 2);
    EXPECT_EQ(TextOf(index.entries[0].name), "Salt");  // before "water", whatever the letter case
    EXPECT_EQ(index.entries[0].recordOffset, 0);
    EXPECT_EQ(TextOf(index.entries[0].secondaryKey), "Cl");
    EXPECT_EQ(TextOf(index.entries[1].description), "Water, H2O");
    CompoundRecord salt;
    ASSERT_TRUE(LoadCompoundByName(index, dir.File("Molecule.dat"), "Salt", salt));
    EXPECT_EQ(salt.bondingClass, 2);
    EXPECT_EQ(TextOf(salt.symmetry.groupText), "F m -3 m");
    EXPECT_EQ(salt.symmetry.translationCount, 4);
    EXPECT_EQ(salt.symmetry.operations.size(), 2u);
    ASSERT_EQ(salt.basisAtoms.size(), 2u);
    EXPECT_EQ(TextOf(salt.basisAtoms[0].symbol), "Na+");
    EXPECT_EQ(salt.unitAtoms[1].charge, -1.0f);
    CompoundRecord water;
    ASSERT_TRUE(LoadCompoundByName(index, dir.File("Molecule.dat"), "water", water));
    ASSERT_EQ(water.bondRules.size(), 1u);
    EXPECT_EQ(TextOf(water.bondRules[0].symbolA), "H");
    EXPECT_EQ(water.bondRules[0].bondKind, 1);
}

TEST(CompileCatalogue, RefusesALabelOfNoElement) {
    auto substances = ReadManifest(kFixtures + "/substances.txt");
    substances[1].labels.push_back({"Na", "Xx+", 1});
    try {
        CompileCatalogue(substances, kFixtures, MakeDefaultElementTable());
        ADD_FAILURE() << "compiled an unknown element";
    } catch (const SourceError& error) {
        EXPECT_NE(std::string(error.what()).find("salt.mol: atom label \"Xx+\" names no element"), std::string::npos);
    }
}

// Fuzzing from outside found kiva-mkdb overflowing its stack on an operation of 200 KB of
// slashes, and writing nan, inf and 1e300 from its sources into the catalogue.
TEST(CompileCatalogue, RefusesDamagedSourcesNamingFileAndLine) {
    const auto compile = [](const std::string& cif, const std::string& molfile) {
        testing::TempDir dir;
        testing::WriteFile(dir.File("substances.txt"), testing::ReadFile(kFixtures + "/substances.txt"));
        testing::WriteFile(dir.File("water.mol"), testing::ReadFile(kFixtures + "/water.mol"));
        testing::WriteFile(dir.File("salt.cif"), cif);
        testing::WriteFile(dir.File("salt.mol"), molfile);
        try {
            CompileCatalogue(ReadManifest(dir.File("substances.txt")), dir.Path(), MakeDefaultElementTable());
        } catch (const SourceError& error) {
            const std::string message = error.what();
            return message.substr(message.find(dir.Path()) == 0 ? dir.Path().size() + 1 : 0);
        }
        return std::string("compiled");
    };
    const std::string cif = testing::ReadFile(kFixtures + "/salt.cif");
    const std::string molfile = testing::ReadFile(kFixtures + "/salt.mol");
    std::string slashes = "x+1";
    while (slashes.size() < 200000) slashes += "/1";
    EXPECT_EQ(compile(testing::Replaced(cif, "-x,-y,-z", slashes + ",y,z"), molfile).rfind("salt.cif:12: a symmetry operation of 2000", 0), 0u);
    EXPECT_EQ(compile(testing::Replaced(cif, "Cl1 Cl 0.5", "Cl1 Cl nan"), molfile).rfind("salt.cif:20: _atom_site_fract_x is not a number", 0), 0u);
    EXPECT_EQ(compile(testing::Replaced(cif, "_cell_length_b 5.64", "_cell_length_b 1e300"), molfile).rfind("salt.cif:3: _cell_length_b", 0), 0u);
    EXPECT_EQ(compile(cif, testing::Replaced(molfile, "    2.8200", "       nan")).rfind("salt.mol:6: x is not a number", 0), 0u);
    EXPECT_EQ(compile(cif, testing::Replaced(molfile, "    2.8200", "       inf")).rfind("salt.mol:6: x is not a number", 0), 0u);
}

TEST(FormatIndex, WritesCrLfLinesWithoutEmptyKeys) {
    IndexEntry entry{};
    SetText(entry.name, "Ethanol");
    SetText(entry.primaryKey, "Alcohol");
    SetText(entry.description, "Drinking alcohol");
    entry.kind = 3;
    entry.recordOffset = 1234;
    EXPECT_EQ(FormatIndex({entry}), "1\r\nEthanol 3 0 1234 Alcohol\r\nDrinking alcohol\r\n");
}

TEST(CatalogueReport, NamesEachDialogsEmptyKeysAndCountsThem) {
    // A negative key filed only under the other dialog's kind still lists nothing here.
    using testing::Entry;
    const std::vector<IndexEntry> entries = {Entry("KBrO3", 1, "K", "BrO"), Entry("HIO3", 2, "H", "IO"),
                                             Entry("Ethanol", 3, "Alcohol")};
    const std::string report = CatalogueReport(entries);
    EXPECT_NE(report.find("\nNegative ions without a metallic entry: C N O F Si P S Cl Br I BO CO NO OH SiO PO SO "
                          "ClO IO\n"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("\nNegative covalences without a non-metallic entry: C N O F Si P S Cl Br I BO CO NO OH "
                          "SiO PO SO ClO BrO\n"),
              std::string::npos);
    EXPECT_NE(report.find("\nPositive covalences without a non-metallic entry: C N Si P S NH4\n"), std::string::npos);
    EXPECT_NE(report.find("\nOrganic categories without an entry: Alkyl Ethylenic Acetylenic Aromatic Ether Phenol "
                          "Aldehyde Fat Sugar Halide Carbonxylic Nitro Amino-acid Ketone\n"),
              std::string::npos);
    EXPECT_NE(report.find("\n118 keys of the selection dialogs list nothing.\n"), std::string::npos);
}

// The catalogue the build compiled: every entry's offset reaches a record of its own name.
TEST(BuiltCatalogue, EveryIndexOffsetPointsAtARecordOfTheSameName) {
    MoleculeIndex index;
    index.path = kBuiltCatalogue + "/Index.dat";
    ASSERT_TRUE(LoadMoleculeIndex(index));
    ASSERT_GT(index.count, 0);
    const std::string database = kBuiltCatalogue + "/Molecule.dat";
    for (const IndexEntry& entry : index.entries) {
        ArchiveReader reader(database);
        reader.Seek(entry.recordOffset);
        CompoundRecord record;
        ASSERT_TRUE(ReadCompound(record, reader, TextOf(entry.name))) << TextOf(entry.name);
        EXPECT_FALSE(record.unitAtoms.empty()) << TextOf(entry.name);
    }
}

TEST(BuiltCatalogue, DerivedBondRulesReproduceEachMolfilesBonds) {
    const auto substances = ReadManifest(kCatalogueSources + "/substances.txt");
    int derived = 0;
    for (const SubstanceSource& substance : substances) {
        if (!substance.bonds.empty()) continue;
        const CompoundRecord record = BuildCompound(substance, kCatalogueSources, MakeDefaultElementTable());
        const std::string unitPath = kCatalogueSources + "/" + substance.unitPath;
        const Molecule unit = ParseMolecule(ReadSourceFile(unitPath), StructureFormat::Molfile, unitPath);
        std::vector<ReferenceBond> bonds;
        for (const MoleculeBond& bond : unit.bonds) bonds.push_back({bond.first, bond.second, bond.order});
        EXPECT_TRUE(RulesReproduce(record.unitAtoms, record.bondRules, bonds)) << substance.name;
        ++derived;
    }
    EXPECT_GT(derived, 0);
}

}  // namespace
}  // namespace kiva::mkdb
