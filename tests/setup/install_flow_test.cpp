// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "setup/install_flow.h"
#include "setup/setup_messages.h"
#include "tests/setup/scripted_pages.h"
#include "tests/support/byte_samples.h"
#include "tests/support/temp_dir.h"
#include "tools/disks/szdd_compress.h"

namespace kiva::setup {
namespace {

namespace fs = std::filesystem;
using kiva::testing::ReadFile;
using kiva::testing::WriteFile;
using testing::RecordingManager;
using testing::ScriptedPages;
using testing::Step;
using namespace result;

// Two small disks beside a home directory: the viewer and its data on the first, help on the second.
class InstallFlowTest : public ::testing::Test {
protected:
    InstallFlowTest() {
        fs::create_directories(dir_.File("disk1"));
        fs::create_directories(dir_.File("disk2/help"));
        fs::create_directories(dir_.File("home"));
        WriteFile(dir_.File("disk1/Setup.ini"),
                  "[General]\nDisks=2\nOriginalSize=3\nInstallPath=Kiva\n\n"
                  "[Disk1]\nkiva_ kiva\nMolecule.da_ Molecule.dat\n\n"
                  "[Disk2]\nhelp\\index.htm_ help\\index.html\n");
        WriteFile(dir_.File("disk1/kiva_"), disks::CompressSzdd(kViewer));
        WriteFile(dir_.File("disk1/Molecule.da_"), disks::CompressSzdd(std::string(2000, 'M'), 't'));
        WriteFile(dir_.File("disk2/help/index.htm_"), disks::CompressSzdd("<html>help</html>", 'l'));
    }

    bool Run(ScriptedPages& pages, std::uint64_t freeBytes = 1ull << 40) {
        free_ = freeBytes;
        InstallFlow flow(session_, pages, manager_, places_, [this](const std::string&) { return free_; });
        return flow.Run();
    }
    std::string Home(const std::string& name) const { return dir_.File("home/" + name); }
    std::string Disk2() const { return dir_.File("disk2"); }

    static inline const std::string kViewer = "#!/bin/sh\necho kiva\n";
    kiva::testing::TempDir dir_;
    InstallSession session_;
    RecordingManager manager_;
    SetupPlaces places_{dir_.File("home"), dir_.File("disk1"), dir_.Path()};
    std::optional<std::uint64_t> free_;
};

std::vector<PageId> Pages(const ScriptedPages& pages) {
    std::vector<PageId> ids;
    for (const PageRequest& request : pages.shown) ids.push_back(request.page);
    return ids;
}

TEST_F(InstallFlowTest, InstallsEveryDiskAndCreatesTheProgramGroup) {
    ScriptedPages pages({{PageId::Licence, kAccept},
                         {PageId::Welcome, kContinue},
                         {PageId::Destination, kContinue},
                         {PageId::InsertDisk, kContinue, Disk2()},
                         {PageId::Success, kDone}});
    EXPECT_TRUE(Run(pages));
    EXPECT_TRUE(pages.ScriptDone());
    EXPECT_EQ(pages.shown[2].text, Home("Kiva")) << "the destination page starts from InstallPath";
    EXPECT_EQ(pages.shown[3].text, dir_.File("disk1/")) << "the disk prompt starts from setup's directory";
    EXPECT_EQ(ReadFile(Home("Kiva/kiva")), kViewer);
    EXPECT_EQ(ReadFile(Home("Kiva/Molecule.dat")), std::string(2000, 'M'));
    EXPECT_EQ(ReadFile(Home("Kiva/help/index.html")), "<html>help</html>");
    EXPECT_EQ(pages.files, (std::vector<std::string>{"kiva", "Molecule.dat", "help/index.html"}));
    EXPECT_EQ(manager_.commands.size(), 8u);
    EXPECT_EQ(manager_.commands[3], "[AddItem(" + Home("Kiva") + "/kiva, KIVA 1.0)]");
    EXPECT_EQ(pages.events, (std::vector<std::string>{"progress created", "progress shown", "progress hidden",
                                                      "progress shown", "progress hidden", "wait 500", "wait 500",
                                                      "wait 500", "wait 500"}));
    EXPECT_TRUE(session_.iniText.empty()) << "the description is released";
}

TEST_F(InstallFlowTest, DoesNotCallItCompleteWhenAMenuEntryCouldNotBeCreated) {
    manager_.notCreated = {kViewerItemTitle, kHelpItemTitle};
    ScriptedPages pages({{PageId::Licence, kAccept},
                         {PageId::Welcome, kContinue},
                         {PageId::Destination, kContinue},
                         {PageId::InsertDisk, kContinue, Disk2()}});
    EXPECT_TRUE(Run(pages)) << "the program itself is installed";
    EXPECT_TRUE(pages.ScriptDone());
    EXPECT_EQ(pages.messages, std::vector<std::string>{std::string(kMenuEntriesNotCreated) + " KIVA 1.0, KIVA Help."});
    EXPECT_EQ(Pages(pages).back(), PageId::Error) << "no success page";
}

TEST_F(InstallFlowTest, ResumeReturnsToTheVeryPageThatWasLeft) {
    ScriptedPages pages({{PageId::Licence, kNo},
                         {PageId::ConfirmExit, kResume},
                         {PageId::Licence, kAccept},
                         {PageId::Welcome, kExitSetup},
                         {PageId::ConfirmExit, 0},  // dismissed: counts as resume
                         {PageId::Welcome, kContinue},
                         {PageId::Destination, kExitSetup, "typed but left"},
                         {PageId::ConfirmExit, kResume},
                         {PageId::Destination, kExitSetup},
                         {PageId::ConfirmExit, kExitSetup}});
    EXPECT_FALSE(Run(pages));
    EXPECT_TRUE(pages.ScriptDone());
    EXPECT_EQ(pages.shown[8].text, Home("Kiva")) << "the page shows its preset again";
    EXPECT_EQ(pages.messages, std::vector<std::string>{kSetupIncomplete});
    EXPECT_FALSE(fs::exists(Home("Kiva/kiva")));
}

TEST_F(InstallFlowTest, BackFromTheExistingCopyReturnsToTheDestinationWithTheLastPath) {
    fs::create_directories(Home("old"));
    WriteFile(Home("old/kiva"), "an older copy");
    ScriptedPages pages({{PageId::Licence, kAccept},
                         {PageId::Welcome, kContinue},
                         {PageId::Destination, kContinue, "old/"},
                         {PageId::ExistingCopy, kBack},
                         {PageId::Destination, kContinue},
                         {PageId::ExistingCopy, result::kOk},  // closed with its close box: also Back
                         {PageId::Destination, kContinue},
                         {PageId::ExistingCopy, kContinue},
                         {PageId::InsertDisk, kContinue, Disk2()},
                         {PageId::Success, kDone}});
    EXPECT_TRUE(Run(pages));
    EXPECT_EQ(pages.shown[4].text, Home("old"));
    EXPECT_EQ(pages.shown[6].text, Home("old"));
    EXPECT_EQ(ReadFile(Home("old/kiva")), kViewer);
}

TEST_F(InstallFlowTest, KeepsTheDestinationPageOpenUntilTheDirectoryCanBeMade) {
    WriteFile(Home("file"), "x");
    ScriptedPages pages({{PageId::Licence, kAccept},
                         {PageId::Welcome, kContinue},
                         {PageId::Destination, kContinue, ""},
                         {PageId::Destination, kContinue, "file/kiva"},
                         {PageId::Destination, kContinue, "~/apps/kiva/"},
                         {PageId::InsertDisk, kExitSetup},
                         {PageId::ConfirmExit, kExitSetup}});
    EXPECT_FALSE(Run(pages));
    EXPECT_EQ(pages.messages, (std::vector<std::string>{"(nothing happened)", kCannotCreateDestination, kSetupIncomplete}));
    EXPECT_EQ(session_.installPath, Home("apps/kiva"));
    EXPECT_EQ(ReadFile(Home("apps/kiva/kiva")), kViewer) << "the first disk stays installed";
}

TEST_F(InstallFlowTest, AsksForFreeSpaceUntilThereIsEnough) {
    ScriptedPages enough({{PageId::Licence, kAccept},
                          {PageId::Welcome, kContinue},
                          {PageId::Destination, kContinue},
                          {PageId::InsertDisk, kContinue, Disk2()},
                          {PageId::Success, kDone}});
    EXPECT_TRUE(Run(enough, 3 * 1024)) << "exactly the announced size is enough";

    ScriptedPages tooLittle({{PageId::Licence, kAccept},
                             {PageId::Welcome, kContinue},
                             {PageId::Destination, kContinue, "other"},
                             {PageId::DiskSpace, kContinue},
                             {PageId::DiskSpace, kExitSetup},
                             {PageId::ConfirmExit, kResume},
                             {PageId::DiskSpace, kExitSetup},
                             {PageId::ConfirmExit, kExitSetup}});
    EXPECT_FALSE(Run(tooLittle, 3 * 1024 - 1));
    EXPECT_TRUE(tooLittle.ScriptDone());
    EXPECT_EQ(tooLittle.messages, std::vector<std::string>{kSetupIncomplete});
}

TEST_F(InstallFlowTest, PromptsForTheNextDiskUntilItsDirectoryExists) {
    ScriptedPages pages({{PageId::Licence, kAccept},
                         {PageId::Welcome, kContinue},
                         {PageId::Destination, kContinue},
                         {PageId::InsertDisk, kContinue, ""},
                         {PageId::InsertDisk, kContinue, dir_.File("no-such-disk")},
                         {PageId::InsertDisk, kExitSetup},
                         {PageId::ConfirmExit, kResume},
                         {PageId::InsertDisk, 0}});  // closed another way: keeps the preset
    EXPECT_FALSE(Run(pages));
    EXPECT_EQ(pages.messages, (std::vector<std::string>{"(nothing happened)", kEnterCorrectSource,
                                                        kCannotReadSource, kSetupIncomplete}));
    EXPECT_EQ(session_.sourceDir, dir_.File("disk1/"));
}

TEST_F(InstallFlowTest, AbortSetupStopsTheCopyOnlyWhenTheUserExits) {
    WriteFile(dir_.File("disk1/Molecule.da_"), disks::CompressSzdd(std::string(50000, 'M'), 't'));
    ScriptedPages resumed({{PageId::Licence, kAccept},
                           {PageId::Welcome, kContinue},
                           {PageId::Destination, kContinue},
                           {PageId::ConfirmExit, kResume},
                           {PageId::InsertDisk, kContinue, Disk2()},
                           {PageId::Success, kDone}});
    resumed.abortAtEvent = 1;
    EXPECT_TRUE(Run(resumed));
    EXPECT_EQ(ReadFile(Home("Kiva/Molecule.dat")).size(), 50000u);

    ScriptedPages exited({{PageId::Licence, kAccept},
                          {PageId::Welcome, kContinue},
                          {PageId::Destination, kContinue, "second"},
                          {PageId::ConfirmExit, kExitSetup}});
    exited.abortAtEvent = 1;
    session_ = {};
    EXPECT_FALSE(Run(exited));
    EXPECT_EQ(exited.messages, std::vector<std::string>{kSetupIncomplete}) << "no copy message of its own";
    EXPECT_TRUE(fs::exists(Home("second/kiva")));
    EXPECT_FALSE(fs::exists(Home("second/help")));
    EXPECT_EQ(manager_.commands.size(), 8u) << "only the first run made the group";
}

TEST_F(InstallFlowTest, ASourceThatIsNotAWholeFileIsAReadErrorOfTheSourceDisk) {
    const std::string source = dir_.File("disk1/Molecule.da_");
    const std::string compressed = disks::CompressSzdd(kiva::testing::RandomBytes(20000, 8), 't');
    const struct {
        const char* what;
        std::function<void()> make;
        bool partWritten;  // the file was damaged part-way, after some of it was written
    } cases[] = {
        {"a link to /dev/zero", [&] { fs::create_symlink("/dev/zero", source); }, false},
        {"a FIFO", [&] { ASSERT_EQ(::mkfifo(source.c_str(), 0600), 0); }, false},
        {"a directory", [&] { fs::create_directory(source); }, false},
        {"compressed data damaged part-way", [&] { WriteFile(source, compressed.substr(0, compressed.size() * 3 / 4)); }, true},
    };
    for (const auto& hostile : cases) {
        fs::remove(source);
        hostile.make();
        fs::remove_all(Home("Kiva"));
        ScriptedPages pages({{PageId::Licence, kAccept}, {PageId::Welcome, kContinue}, {PageId::Destination, kContinue}});
        session_ = {};
        EXPECT_FALSE(Run(pages)) << hostile.what;
        EXPECT_EQ(pages.messages, (std::vector<std::string>{kCannotReadSource, kSetupIncomplete})) << hostile.what;
        EXPECT_EQ(fs::exists(Home("Kiva/Molecule.dat")), hostile.partWritten) << hostile.what;
        fs::remove(source);
    }
    EXPECT_TRUE(manager_.commands.empty());
}

TEST_F(InstallFlowTest, EndsAtOnceWhenTheDescriptionCannotBeRead) {
    fs::remove(dir_.File("disk1/Setup.ini"));
    ScriptedPages pages({});
    EXPECT_FALSE(Run(pages));
    EXPECT_EQ(Pages(pages), std::vector<PageId>{PageId::Error});
    EXPECT_EQ(pages.messages, std::vector<std::string>{kSetupIncomplete});
}

TEST_F(InstallFlowTest, AHostileDescriptionFailsCleanlyAndWritesNothingOutsideTheDestination) {
    fs::create_directories(dir_.File("outside"));
    const std::string general = "[General]\nDisks=1\nOriginalSize=3\nInstallPath=Kiva\n[Disk1]\nkiva_ kiva\n";
    std::string manyFiles = general;
    for (int i = 0; i < 10000; ++i) manyFiles += "missing" + std::to_string(i) + " f" + std::to_string(i) + "\n";
    const struct {
        const char* what;
        std::string text;
        bool readable;
    } cases[] = {
        {"climbing out", general + "kiva_ ..\\..\\outside\\evil\n", false},
        {"an absolute destination", general + "kiva_ \\tmp\\kiva_hostile_evil\n", false},
        {"an absolute source", general + "\\etc\\passwd passwd\n", false},
        {"a 1 MB line", general + "kiva_ " + std::string(1 << 20, 'x') + "\n", false},
        {"a missing section", "[General]\nDisks=2\nOriginalSize=3\nInstallPath=Kiva\n[Disk1]\nkiva_ kiva\n", false},
        {"10,000 files that are not there", manyFiles, true},
    };
    for (const auto& hostile : cases) {
        WriteFile(dir_.File("disk1/Setup.ini"), hostile.text);
        std::deque<Step> script;
        if (hostile.readable)
            script = {{PageId::Licence, kAccept}, {PageId::Welcome, kContinue}, {PageId::Destination, kContinue}};
        ScriptedPages pages(script);
        session_ = {};
        EXPECT_FALSE(Run(pages)) << hostile.what;
        EXPECT_TRUE(pages.ScriptDone()) << hostile.what;
        EXPECT_EQ(pages.messages.back(), kSetupIncomplete) << hostile.what;
        EXPECT_TRUE(fs::is_empty(dir_.File("outside"))) << hostile.what;
        EXPECT_EQ(fs::exists(Home("Kiva/f0")), false) << hostile.what;
    }
    EXPECT_FALSE(fs::exists("/tmp/kiva_hostile_evil"));
    EXPECT_TRUE(manager_.commands.empty());
}

}  // namespace
}  // namespace kiva::setup
