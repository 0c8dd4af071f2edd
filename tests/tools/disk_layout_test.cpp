// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "setup/setup_ini.h"
#include "tests/support/fake_build.h"
#include "tools/disks/disk_layout.h"

namespace kiva::disks {
namespace {

namespace fs = std::filesystem;
using kiva::testing::TempDir;
using kiva::testing::WriteFile;

TEST(CompressedName, EndsInAnUnderscoreAndKeepsTheMissingCharacter) {
    char missing = 'x';
    EXPECT_EQ(CompressedName("Molecule.dat", missing), "Molecule.da_");
    EXPECT_EQ(missing, 't');
    EXPECT_EQ(CompressedName("help/index.html", missing), "help/index.htm_");
    EXPECT_EQ(missing, 'l');
    EXPECT_EQ(CompressedName("kiva", missing), "kiva_");
    EXPECT_EQ(missing, 0);
    EXPECT_EQ(CompressedName("a.b/c.h", missing), "a.b/c.h_");
}

TEST(CheckDescribableName, RefusesNamesSetupIniCannotCarry) {
    EXPECT_NO_THROW(CheckDescribableName("help/index_2.html"));
    for (const std::string& name : std::vector<std::string>{"help/my-page.html", "a b", "caf\xC3\xA9", std::string(64, 'n'), "c:x", "../x"})
        EXPECT_THROW(CheckDescribableName(name), DiskError) << name;
    try {
        CheckDescribableName("help/my-page.html");
    } catch (const DiskError& error) {
        EXPECT_NE(std::string(error.what()).find("\"help/my-page.html\""), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("rename it"), std::string::npos);
    }
}

TEST(AssignDisks, FillsDisksInFileOrderAndRefusesAFileThatFitsNowhere) {
    std::vector<DiskFile> files(4);
    const std::uint64_t sizes[] = {40, 50, 30, 100};
    for (std::size_t i = 0; i < files.size(); ++i) files[i].diskSize = sizes[i];
    EXPECT_EQ(AssignDisks(files, 100, 20), 3);
    EXPECT_EQ(files[0].disk, 1);
    EXPECT_EQ(files[1].disk, 2);  // 20 + 40 + 50 is more than a disk holds
    EXPECT_EQ(files[2].disk, 2);
    EXPECT_EQ(files[3].disk, 3);
    files[3].diskSize = 101;
    EXPECT_THROW(AssignDisks(files, 100, 20), DiskError);
    EXPECT_THROW(AssignDisks(files, 100, 101), DiskError);
}

TEST(SetupIniText, ReadsBackAsTheFilesOfEachDisk) {
    std::vector<DiskFile> files = {{"kiva", "", 3000, "kiva_", 0, 1}, {"help/index.html", "", 100, "help/index.htm_", 0, 2}};
    const std::string text = SetupIniText(files, 2, "Kiva");
    EXPECT_EQ(text.substr(0, 50), "[General]\nDisks=2\nOriginalSize=4\nInstallPath=Kiva\n");  // 3100 bytes, rounded up
    setup::InstallSession session;
    ASSERT_TRUE(setup::ReadSetupDescription(text, "/home/s", session));
    EXPECT_EQ(session.disks[1].sourceNames, std::vector<std::string>{"help/index.htm_"});
    EXPECT_EQ(session.disks[1].destNames, std::vector<std::string>{"help/index.html"});
}

TEST(MakeDisks, WorksWithOrWithoutHelp) {
    TempDir dir;
    kiva::testing::WriteFakeBuild(dir.File("build"), false);
    EXPECT_EQ(MakeDisks({dir.File("build"), dir.File("disks"), 1 << 20, "Kiva"}), 1);
    EXPECT_FALSE(fs::exists(dir.File("disks/disk1/help")));
    EXPECT_TRUE(fs::exists(dir.File("disks/disk1/PhasePoints.da_"))) << "the catalogue's three files travel together";
    EXPECT_EQ(fs::status(dir.File("disks/disk1/kiva_")).permissions() & fs::perms::owner_exec, fs::perms::owner_exec);

    kiva::testing::WriteFakeBuild(dir.File("build"), true);
    fs::create_directories(dir.File("disks/disk7"));
    EXPECT_EQ(MakeDisks({dir.File("build"), dir.File("disks"), 1 << 20, "Kiva"}), 1);
    EXPECT_TRUE(fs::exists(dir.File("disks/disk1/help/page_2.htm_")));
    EXPECT_FALSE(fs::exists(dir.File("disks/disk7"))) << "disks of an earlier run go";
}

// The viewer's translations are installed with it; the installer's travel uncompressed beside it.
TEST(MakeDisks, CarriesBothProgramsTranslations) {
    TempDir dir;
    kiva::testing::WriteFakeBuild(dir.File("build"), true);
    fs::create_directories(dir.File("build/translations"));
    WriteFile(dir.File("build/translations/kiva_de.qm"), "kiva in German");
    WriteFile(dir.File("build/translations/setup_de.qm"), "setup in German");
    EXPECT_EQ(MakeDisks({dir.File("build"), dir.File("disks"), 1 << 20, "Kiva"}), 1);
    EXPECT_TRUE(fs::exists(dir.File("disks/disk1/translations/kiva_de.qm_")));
    EXPECT_EQ(fs::file_size(dir.File("disks/disk1/translations/setup_de.qm")), std::string("setup in German").size());
    EXPECT_FALSE(fs::exists(dir.File("disks/disk1/translations/setup_de.qm_")));
}

TEST(MakeDisks, RefusesABuildItCannotDescribe) {
    TempDir dir;
    kiva::testing::WriteFakeBuild(dir.File("build"));
    WriteFile(dir.File("build/help/my-page.html"), "x");
    EXPECT_THROW(MakeDisks({dir.File("build"), dir.File("disks"), 1 << 20, "Kiva"}), DiskError);
    EXPECT_FALSE(fs::exists(dir.File("disks/disk1")));
    fs::remove(dir.File("build/help/my-page.html"));
    fs::remove(dir.File("build/kiva"));
    EXPECT_THROW(MakeDisks({dir.File("build"), dir.File("disks"), 1 << 20, "Kiva"}), DiskError);
    kiva::testing::WriteFakeBuild(dir.File("build"));
    EXPECT_THROW(MakeDisks({dir.File("build"), dir.File("disks"), 20000, "Kiva"}), DiskError) << "kiva fits no disk";
}

}  // namespace
}  // namespace kiva::disks
