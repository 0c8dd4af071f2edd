// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/desktop_entry.h"
#include "setup/desktop_menu.h"
#include "setup/program_group.h"
#include "tests/setup/scripted_pages.h"
#include "tests/support/byte_samples.h"
#include "tests/support/temp_dir.h"

namespace kiva::setup {
namespace {

namespace fs = std::filesystem;
using kiva::testing::ReadFile;
using kiva::testing::WriteFile;

// The value of `key` as the entry writes it, without the key.
std::string EntryValue(const std::string& entry, const std::string& key) {
    const std::size_t start = entry.find("\n" + key + "=");
    if (start == std::string::npos) return {};
    const std::size_t value = start + key.size() + 2;
    return entry.substr(value, entry.find('\n', value) - value);
}

bool ValidatorInstalled() { return kiva::testing::RunCommand("command -v desktop-file-validate >/dev/null"); }

TEST(CreateProgramGroup, SendsTheEightCommandsInOrderInFourConversations) {
    testing::RecordingManager manager;
    std::vector<int> waits;
    CreateProgramGroup(manager, "/apps", [&](int ms) { waits.push_back(ms); });
    EXPECT_EQ(manager.commands, (std::vector<std::string>{
                                    "[CreateGroup(Molecule , 0)]",
                                    "[ShowGroup(Molecule , 1, 0)]",
                                    "[ReplaceItem(KIVA 1.0)]",
                                    "[AddItem(/apps/kiva, KIVA 1.0)]",
                                    "[ReplaceItem(KIVA Help)]",
                                    "[AddItem(/apps/kiva --help-topics, KIVA Help)]",
                                    "[ReplaceItem(KIVA 1.0)]",
                                    "[AddItem(/apps/kiva, KIVA 1.0)]",
                                }));
    EXPECT_EQ(manager.conversations, 4);
    EXPECT_EQ(waits, (std::vector<int>{500, 500, 500, 500}));
}

TEST(CreateProgramGroup, PassesPathsUnquotedAndSendsNothingWithoutAProgramManager) {
    testing::RecordingManager manager;
    CreateProgramGroup(manager, "/my apps, new", [](int) {});
    EXPECT_EQ(manager.commands[3], "[AddItem(/my apps, new/kiva, KIVA 1.0)]");
    testing::RecordingManager unreachable;
    unreachable.reachable = false;
    CreateProgramGroup(unreachable, "/apps", [](int) {});
    EXPECT_TRUE(unreachable.commands.empty());
}

TEST(ParseManagerCommand, ReadsTheNameAndTheArguments) {
    const auto command = ParseManagerCommand("[AddItem(/a (b)/kiva, KIVA 1.0)]");
    ASSERT_TRUE(command);
    EXPECT_EQ(command->name, "AddItem");
    EXPECT_EQ(command->arguments, "/a (b)/kiva, KIVA 1.0");
    EXPECT_FALSE(ParseManagerCommand("AddItem(x)"));
    EXPECT_FALSE(ParseManagerCommand("[AddItem x]"));
    EXPECT_FALSE(ParseManagerCommand("[]"));
}

TEST(SplitCommandLine, FindsAProgramWhosePathHoldsSpaces) {
    kiva::testing::TempDir dir;
    fs::create_directories(dir.File("my kiva"));
    WriteFile(dir.File("my kiva/kiva"), "");
    const SplitCommand help = SplitCommandLine(dir.File("my kiva/kiva") + " --help-topics");
    EXPECT_EQ(help.program, dir.File("my kiva/kiva"));
    EXPECT_EQ(help.arguments, std::vector<std::string>{"--help-topics"});
    const SplitCommand missing = SplitCommandLine("/nowhere/kiva  --help-topics");
    EXPECT_EQ(missing.program, "/nowhere/kiva");
    EXPECT_EQ(missing.arguments, std::vector<std::string>{"--help-topics"});
}

class DesktopMenuTest : public ::testing::Test {
protected:
    DesktopMenuTest() {
        fs::create_directories(dir_.File("My Kiva, 2"));
        WriteFile(Program(), "#!/bin/sh\n");
        fs::permissions(Program(), fs::perms(0755));
    }
    std::string Program() const { return dir_.File("My Kiva, 2/kiva"); }
    std::string Install() const { return dir_.File("My Kiva, 2"); }

    kiva::testing::TempDir dir_;
    MenuPlaces places_{dir_.File("data"), dir_.File("config")};
    DesktopMenuManager manager_{places_};
};

TEST_F(DesktopMenuTest, MakesAMoleculeSubmenuWithOneEntryPerItem) {
    CreateProgramGroup(manager_, Install(), [](int) {});
    const std::string menu = ReadFile(manager_.MenuFilePath(kGroupName));
    EXPECT_NE(menu.find("<Name>Molecule</Name>"), std::string::npos);
    EXPECT_NE(menu.find("<Directory>kiva-molecule.directory</Directory>"), std::string::npos);
    EXPECT_NE(menu.find("<Category>X-Kiva-molecule</Category>"), std::string::npos);
    EXPECT_EQ(manager_.MenuFilePath(kGroupName), dir_.File("config/menus/applications-merged/kiva-molecule.menu"));
    EXPECT_NE(ReadFile(manager_.DirectoryEntryPath(kGroupName)).find("Name=Molecule\n"), std::string::npos);

    const std::string viewer = ReadFile(manager_.ItemEntryPath(kGroupName, kViewerItemTitle));
    EXPECT_NE(viewer.find("Name=KIVA 1.0\n"), std::string::npos);
    EXPECT_NE(viewer.find("Exec=\"" + Program() + "\"\n"), std::string::npos);
    EXPECT_NE(viewer.find("TryExec=" + Program() + "\n"), std::string::npos);
    EXPECT_NE(viewer.find("Categories=X-Kiva-molecule;\n"), std::string::npos);
    const std::string help = ReadFile(manager_.ItemEntryPath(kGroupName, kHelpItemTitle));
    EXPECT_NE(help.find("Name=KIVA Help\n"), std::string::npos);
    EXPECT_NE(help.find("Exec=\"" + Program() + "\" --help-topics\n"), std::string::npos);

    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(dir_.File("data/applications")))
        entries.push_back(entry.path().filename().string());
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::string>{"kiva-molecule-kiva-1-0.desktop", "kiva-molecule-kiva-help.desktop"}));
}

TEST_F(DesktopMenuTest, ReplaceItemRemovesTheItemOfThatTitleOnly) {
    CreateGroup(manager_, kGroupName);
    AddItem(manager_, kViewerItemTitle, Program());
    AddItem(manager_, kHelpItemTitle, Program() + " --help-topics");
    manager_.Execute("[ReplaceItem(KIVA Help)]");
    EXPECT_FALSE(fs::exists(manager_.ItemEntryPath(kGroupName, kHelpItemTitle)));
    EXPECT_TRUE(fs::exists(manager_.ItemEntryPath(kGroupName, kViewerItemTitle)));
}

TEST_F(DesktopMenuTest, IgnoresWhatItCannotCarryOut) {
    manager_.Execute("[AddItem(/bin/true, Before any group)]");
    manager_.Execute("[DeleteGroup(Molecule)]");
    manager_.Execute("not a command");
    EXPECT_FALSE(fs::exists(dir_.File("data")));
    WriteFile(dir_.File("config"), "a file where the directory should be");
    CreateProgramGroup(manager_, Install(), [](int) {});
    EXPECT_FALSE(fs::exists(manager_.MenuFilePath(kGroupName)));
    EXPECT_TRUE(fs::exists(manager_.ItemEntryPath(kGroupName, kViewerItemTitle)));
}

TEST_F(DesktopMenuTest, EntriesStartTheProgramWhateverItsDirectoryIsCalled) {
    const bool validate = ValidatorInstalled();
    for (const std::string name : {"Kiva 100% sure", "a \"quoted\" $HOME `x` back\\slash", "tab\there",
                                   " blanks at either end ", "it's ~ (a) <b> | & ; * ? # %F %%"}) {
        SCOPED_TRACE(name);
        const std::string install = dir_.File(name);
        fs::create_directories(install);
        WriteFile(install + "/kiva", "#!/bin/sh\n");
        fs::permissions(install + "/kiva", fs::perms(0755));
        DesktopMenuManager manager({dir_.File("data-" + std::to_string(name.size())), dir_.File("config")});
        CreateProgramGroup(manager, install, [](int) {});
        EXPECT_TRUE(manager.ItemsNotCreated().empty());
        const struct {
            const char* title;
            std::vector<std::string> command;
        } items[] = {{kViewerItemTitle, {install + "/kiva"}}, {kHelpItemTitle, {install + "/kiva", "--help-topics"}}};
        for (const auto& item : items) {
            const std::string path = manager.ItemEntryPath(kGroupName, item.title);
            const std::string entry = ReadFile(path);
            EXPECT_EQ(DesktopExecCommand(EntryValue(entry, "Exec")), item.command) << entry;
            EXPECT_EQ(ReadDesktopEntryString(EntryValue(entry, "Path")), install) << entry;
            EXPECT_EQ(ReadDesktopEntryString(EntryValue(entry, "TryExec")), install + "/kiva") << entry;
            if (validate) {
                EXPECT_TRUE(kiva::testing::RunCommand("desktop-file-validate --no-hints '" + path + "'")) << entry;
            }
        }
    }
}

TEST_F(DesktopMenuTest, AnEntryThatCannotStartItsProgramIsNotCreated) {
    // Desktop entries are UTF-8: a directory name that is not cannot be written into one.
    const std::string notUtf8 = dir_.File("Kiva \xff\xfe");
    fs::create_directories(notUtf8);
    WriteFile(notUtf8 + "/kiva", "#!/bin/sh\n");
    fs::permissions(notUtf8 + "/kiva", fs::perms(0755));
    CreateProgramGroup(manager_, notUtf8, [](int) {});
    EXPECT_EQ(manager_.ItemsNotCreated(), (std::vector<std::string>{kViewerItemTitle, kHelpItemTitle}));
    EXPECT_FALSE(fs::exists(manager_.ItemEntryPath(kGroupName, kViewerItemTitle)));
    EXPECT_FALSE(fs::exists(manager_.ItemEntryPath(kGroupName, kHelpItemTitle)));

    fs::permissions(Program(), fs::perms(0644));
    CreateProgramGroup(manager_, Install(), [](int) {});
    EXPECT_EQ(manager_.ItemsNotCreated().size(), 2u) << "a program that may not be run starts nothing";
    fs::permissions(Program(), fs::perms(0755));
    CreateProgramGroup(manager_, Install(), [](int) {});
    EXPECT_TRUE(manager_.ItemsNotCreated().empty()) << "entries written later count";
}

}  // namespace
}  // namespace kiva::setup
