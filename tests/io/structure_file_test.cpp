// SPDX-License-Identifier: GPL-2.0-or-later
// Opening structure files nobody here wrote: CIFs of the Crystallography Open Database as Debian
// ships them with Avogadro, checked against gemmi's own expansion, and the catalogue's own sources.
#include "io/structure_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "chem/document_file.h"
#include "chem/fixed_text.h"
#include "io/source_error.h"
#include "platform/binary_archive.h"
#include "tests/io/gemmi_cell_counts.h"
#include "tests/support/built_scene.h"
#include "tests/support/source_errors.h"
#include "tests/support/temp_dir.h"

namespace kiva {
namespace {

using testing::BuiltScene;
using testing::SourceErrorOf;

const std::string kCrystals = "/usr/share/avogadro2/crystals/";

using testing::Counts;
using testing::GemmiCellCounts;

// Atoms of the complete 1 x 1 x 1 cell by element, corners and faces included, as the viewer shows it.
Counts CellCounts(const CompoundRecord& record) {
    Counts counts;
    for (const SceneAtom& atom : BuiltScene(record, DisplayState::CrystalSolid).atoms.items) ++counts[std::string(ElementKey(TextOf(atom.symbol)))];
    return counts;
}

int Total(const Counts& counts) {
    int total = 0;
    for (const auto& [element, count] : counts) total += count;
    return total;
}

TEST(ReadStructureFile, BuildsCompleteCellsOfDatabaseCrystalsAsGemmiExpandsThem) {
    const Counts salt = CellCounts(ReadStructureFile(kCrystals + "halides/NaCl-Halite.cif").compound);
    EXPECT_EQ(Total(salt), 27);
    EXPECT_EQ(salt, GemmiCellCounts(kCrystals + "halides/NaCl-Halite.cif"));
    const Counts diamond = CellCounts(ReadStructureFile(kCrystals + "elements/C-Diamond.cif").compound);
    EXPECT_EQ(Total(diamond), 18);
    EXPECT_EQ(diamond, GemmiCellCounts(kCrystals + "elements/C-Diamond.cif"));
    for (const char* file : {"oxides/SiO2-Quartz-alpha.cif", "carbonates/CaCO3-Calcite.cif", "elements/C-Lonsdaleite.cif",
                             "sulfides/ZnS-Wurtzite-2H.cif", "halides/CaF2-Fluorite.cif"})
        EXPECT_EQ(CellCounts(ReadStructureFile(kCrystals + file).compound), GemmiCellCounts(kCrystals + file)) << file;
}

TEST(ReadStructureFile, GivesDatabaseCrystalsTheirChemicalUnitAndClass) {
    const StructureFile salt = ReadStructureFile(kCrystals + "halides/NaCl-Halite.cif");
    EXPECT_EQ(salt.format, StructureFormat::Cif);
    EXPECT_EQ(TextOf(salt.compound.name), "NaCl-Halite");
    EXPECT_EQ(salt.compound.bondingClass, static_cast<int>(BondingClass::Ionic));
    ASSERT_EQ(salt.compound.unitAtoms.size(), 2u);
    EXPECT_EQ(TextOf(salt.compound.unitAtoms[0].symbol), "Na+");
    EXPECT_EQ(TextOf(salt.compound.unitAtoms[1].symbol), "Cl-");

    const CompoundRecord quartz = ReadStructureFile(kCrystals + "oxides/SiO2-Quartz-alpha.cif").compound;
    EXPECT_EQ(quartz.bondingClass, static_cast<int>(BondingClass::CovalentNetwork));
    const ViewState quartzUnit = BuiltScene(quartz, DisplayState::ChemicalUnit);
    EXPECT_EQ(quartzUnit.atoms.size(), 3u);  // one Si bonded to two O
    EXPECT_EQ(quartzUnit.bonds.size(), 2u);

    const CompoundRecord calcite = ReadStructureFile(kCrystals + "carbonates/CaCO3-Calcite.cif").compound;
    Counts calciteUnit;
    for (const AtomSite& atom : calcite.unitAtoms) ++calciteUnit[std::string(TextOf(atom.symbol))];
    EXPECT_EQ(calciteUnit, (Counts{{"C", 1}, {"Ca2+", 1}, {"O", 3}}));

    const CompoundRecord ferrocene = ReadStructureFile(kCrystals + "other/C10H10Fe-Ferrocene.cif").compound;
    EXPECT_EQ(ferrocene.bondingClass, static_cast<int>(BondingClass::Molecule));
    EXPECT_EQ(ferrocene.unitAtoms.size(), 21u);
    EXPECT_EQ(ReadStructureFile(kCrystals + "elements/Cu-Copper.cif").compound.bondingClass, static_cast<int>(BondingClass::Metal));
    EXPECT_EQ(ReadStructureFile(kCrystals + "elements/Ar-Argon.cif").compound.bondingClass, static_cast<int>(BondingClass::Atom));
}

TEST(ReadStructureFile, OpenedCrystalSavedAsADocumentReopensAsTheSameRecord) {
    const testing::TempDir dir;
    const CompoundRecord opened = ReadStructureFile(kCrystals + "carbonates/CaCO3-Calcite.cif").compound;
    SaveDocumentFile(dir.File("calcite.mol"), opened);
    const StructureFile reopened = ReadStructureFile(dir.File("calcite.mol"));
    EXPECT_EQ(reopened.format, StructureFormat::Document);
    ArchiveWriter before, after;
    WriteCompound(opened, before);
    WriteCompound(reopened.compound, after);
    EXPECT_EQ(before.Bytes(), after.Bytes());
}

TEST(ReadStructure, TellsFormatsByNameAndADocumentByItsFirstBytes) {
    const std::string document = std::string("\x00\x01\x00\x00", 4) + std::string(kCompoundTag, sizeof kCompoundTag);
    EXPECT_EQ(DetectStructureFormat("any.cif", document), StructureFormat::Document);
    EXPECT_EQ(DetectStructureFormat("benzene.MOL", "benzene\n"), StructureFormat::Molfile);
    EXPECT_EQ(DetectStructureFormat("x.sdf", ""), StructureFormat::Molfile);
    EXPECT_EQ(DetectStructureFormat("x.xyz", ""), StructureFormat::Xyz);
    EXPECT_EQ(DetectStructureFormat("x.ent", ""), StructureFormat::Pdb);
    EXPECT_EQ(DetectStructureFormat("download", "# from the COD\n\ndata_1000041\n_cell_length_a 4\n"), StructureFormat::Cif);
    EXPECT_EQ(DetectStructureFormat("download", "3\nwater\nO 0 0 0\n"), StructureFormat::Xyz);
    EXPECT_EQ(DetectStructureFormat("download", "HEADER    PROTEIN\n"), StructureFormat::Pdb);
    EXPECT_EQ(DetectStructureFormat("download", "x\n\n\n  1  0  0  0  0  0  0  0  0  0999 V2000\n"), StructureFormat::Molfile);
    EXPECT_FALSE(DetectStructureFormat("notes.txt", "Dear students,\n"));
}

TEST(ReadStructure, RefusesDamagedFilesNamingFileFormatAndLine) {
    const std::string calcite = ReadSourceFile(kCrystals + "carbonates/CaCO3-Calcite.cif");
    EXPECT_NE(SourceErrorOf([&] { ReadStructure(calcite.substr(0, calcite.size() / 2), "half.cif"); }).find("half.cif"), std::string::npos);
    const std::string binary("\x7f" "ELF\x02\x01\x01\x00\x00\x00\xff\xfe", 12);
    for (const char* name : {"x.cif", "x.mol", "x.sdf", "x.xyz", "x.pdb", "x.bin"}) {
        const std::string error = SourceErrorOf([&] { ReadStructure(binary, name); });
        EXPECT_EQ(error.rfind(name, 0), 0u) << error;
    }
    EXPECT_NE(SourceErrorOf([] { ReadStructure(std::string(5000, '\0'), "zeros.mol"); }).find("zeros.mol:1: a molfile needs"), std::string::npos);
    EXPECT_NE(SourceErrorOf([] { ReadStructure("x", "x.mol"); }).find("[MDL molfile]"), std::string::npos);
    EXPECT_NE(SourceErrorOf([] { ReadStructure("data_x\n", "x.cif"); }).find("[CIF]"), std::string::npos);
}

// A gigabyte file is judged by its first 32 MB, and a crystal file that size is refused unread.
TEST(ReadStructureFile, RefusesAHugeFileWithoutReadingItAll) {
    const testing::TempDir dir;
    for (const char* name : {"huge.cif", "huge.xyz", "huge.mol"}) {
        const std::string path = dir.File(name);
        testing::WriteFile(path, "data_x\n");
        std::filesystem::resize_file(path, std::uintmax_t{1} << 30);  // sparse: no gigabyte written
        EXPECT_NE(SourceErrorOf([&] { ReadStructureFile(path); }).find(name), std::string::npos);
    }
}

// A crystal whose thousands of atoms sit on one point is refused before its contacts fill the
// memory, and one whose cell would hold more atoms than a picture can show, before it is built.
TEST(ReadStructure, RefusesCrystalsNoPictureCouldHold) {
    std::string stacked = "data_x\n_cell_length_a 10\n_cell_length_b 10\n_cell_length_c 10\n"
                          "loop_\n_atom_site_label\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n";
    for (int i = 0; i < 3000; ++i) stacked += "C" + std::to_string(i) + " 0.5 0.5 0.5\n";
    EXPECT_NE(SourceErrorOf([&] { ReadStructure(stacked, "stacked.cif"); }).find("closer together than in any crystal"),
              std::string::npos);
    std::string crowded = "data_x\n_cell_length_a 900\n_cell_length_b 900\n_cell_length_c 900\n"
                          "_symmetry_space_group_name_H-M 'F m -3 m'\n"
                          "loop_\n_atom_site_label\n_atom_site_fract_x\n_atom_site_fract_y\n_atom_site_fract_z\n";
    for (int i = 0; i < 200; ++i) crowded += "O" + std::to_string(i) + " 0.0" + std::to_string(i + 100) + " 0.11 0.13\n";
    EXPECT_NE(SourceErrorOf([&] { ReadStructure(crowded, "crowded.cif"); }).find("more than 20000 atoms"), std::string::npos);
}

// Ten thousand atoms on one point, or on a tight grid, are read in bounded time: Open Babel's
// bond-order search, steep in the rings of one system, is left out for such a tangle.
TEST(ReadStructure, ReadsPathologicalMoleculesInBoundedTime) {
    std::string stacked = "10000\nstacked\n";
    for (int i = 0; i < 10000; ++i) stacked += "C 0 0 0\n";
    EXPECT_EQ(ReadStructure(stacked, "stacked.xyz").compound.unitAtoms.size(), 10000u);
    std::string grid = "1000\ngrid\n";
    for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 10; ++j)
            for (int k = 0; k < 10; ++k) grid += "C " + std::to_string(i * 1.5) + " " + std::to_string(j * 1.5) + " " + std::to_string(k * 1.5) + "\n";
    EXPECT_EQ(ReadStructure(grid, "grid.xyz").compound.unitAtoms.size(), 1000u);
}

}  // namespace
}  // namespace kiva
