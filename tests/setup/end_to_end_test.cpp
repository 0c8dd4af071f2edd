// SPDX-License-Identifier: GPL-2.0-or-later
// From a build to an installed viewer: two disks are built, the installer runs through its
// pages as a user would, and the result is compared with the build.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "setup/desktop_menu.h"
#include "setup/install_flow.h"
#include "setup/menu_entry_check.h"
#include "tests/setup/scripted_pages.h"
#include "tests/support/fake_build.h"
#include "tools/disks/disk_layout.h"

namespace kiva::setup {
namespace {

namespace fs = std::filesystem;
using kiva::testing::ReadFile;
using namespace result;

TEST(EndToEnd, InstallsTwoDisksByteForByteWithMenuEntriesForTheInstalledViewer) {
    kiva::testing::TempDir dir;
    const auto build = kiva::testing::WriteFakeBuild(dir.File("build"));
    const int disks = disks::MakeDisks({dir.File("build"), dir.File("disks"), 50 * 1024, "Kiva"});
    ASSERT_EQ(disks, 2);
    EXPECT_TRUE(fs::exists(dir.File("disks/disk1/setup")));
    EXPECT_TRUE(fs::exists(dir.File("disks/disk1/help/index.htm_")));
    EXPECT_TRUE(fs::exists(dir.File("disks/disk2/kiva_"))) << "the viewer comes last";

    const std::string destination = dir.File("home/Kiva 100% sure");
    testing::ScriptedPages pages({{PageId::Licence, kAccept},
                                  {PageId::Welcome, kContinue},
                                  {PageId::Destination, kContinue, destination},
                                  {PageId::InsertDisk, kContinue, dir.File("disks/disk2")},
                                  {PageId::Success, kDone}});
    DesktopMenuManager menu({dir.File("data"), dir.File("config")});
    InstallSession session;
    InstallFlow flow(session, pages, menu, {dir.File("home"), dir.File("disks/disk1"), dir.Path()},
                     FileSystemFreeSpace());
    ASSERT_TRUE(flow.Run());
    EXPECT_TRUE(pages.ScriptDone());
    EXPECT_EQ(pages.shown[2].text, dir.File("home/Kiva"));

    for (const auto& [name, bytes] : build) {
        if (name == "setup") continue;
        EXPECT_EQ(ReadFile(destination + "/" + name), bytes) << name;
    }
    EXPECT_FALSE(fs::exists(destination + "/setup"));
    EXPECT_EQ(::access((destination + "/kiva").c_str(), X_OK), 0);
    EXPECT_NEAR(static_cast<double>(pages.positions.back()), 100, 1) << "the announced size is what was copied";

    EXPECT_TRUE(menu.ItemsNotCreated().empty());
    EXPECT_TRUE(EntryStartsCommand(ReadFile(menu.ItemEntryPath(kGroupName, kViewerItemTitle)), {destination + "/kiva"}));
    EXPECT_TRUE(EntryStartsCommand(ReadFile(menu.ItemEntryPath(kGroupName, kHelpItemTitle)),
                                   {destination + "/kiva", "--help-topics"}));
}

}  // namespace
}  // namespace kiva::setup
