// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <filesystem>

#include "setup/directory_paths.h"
#include "setup/setup_messages.h"
#include "tests/support/temp_dir.h"

namespace kiva::setup {
namespace {

namespace fs = std::filesystem;
using Outcome = ContinueCheck::Outcome;

TEST(AbsoluteTypedPath, PlacesRelativePathsUnderTheBaseAndTheTildeAtHome) {
    EXPECT_EQ(AbsoluteTypedPath("apps", "/home/s", "/home/s"), "/home/s/apps");
    EXPECT_EQ(AbsoluteTypedPath("/tools/apps", "/home/s", "/home/s"), "/tools/apps");
    EXPECT_EQ(AbsoluteTypedPath("~/apps/", "/home/s", "/cwd"), "/home/s/apps");
    EXPECT_EQ(AbsoluteTypedPath("~", "/home/s", "/cwd"), "/home/s");
    EXPECT_EQ(AbsoluteTypedPath("disk2//", "/home/s", "/cwd"), "/cwd/disk2");
    EXPECT_EQ(AbsoluteTypedPath("/", "/home/s", "/cwd"), "/");
}

TEST(DirectoriesAlong, ListsEachParentBeforeItsChild) {
    EXPECT_EQ(DirectoriesAlong("/a/b/c"), (std::vector<std::string>{"/a", "/a/b", "/a/b/c"}));
    EXPECT_EQ(DirectoriesAlong("/"), std::vector<std::string>{});
}

TEST(CheckDestination, CreatesEveryDirectoryAndAcceptsExistingOnes) {
    testing::TempDir home;
    fs::create_directory(home.File("a"));
    const ContinueCheck check = CheckDestination("a/b/c/", home.Path());
    EXPECT_EQ(check.outcome, Outcome::Accept);
    EXPECT_EQ(check.text, home.File("a/b/c"));
    EXPECT_TRUE(fs::is_directory(home.File("a/b/c")));
    EXPECT_EQ(CheckDestination(home.File("a/b"), home.Path()).outcome, Outcome::Accept);
}

TEST(CheckDestination, DoesNothingForAnEmptyPathAndRefusesOneThatCannotBeMade) {
    testing::TempDir home;
    EXPECT_EQ(CheckDestination("   ", home.Path()).outcome, Outcome::Stay);
    testing::WriteFile(home.File("file"), "x");
    for (const char* typed : {"file", "file/below"}) {
        const ContinueCheck check = CheckDestination(typed, home.Path());
        EXPECT_EQ(check.outcome, Outcome::Refuse) << typed;
        EXPECT_EQ(check.text, kCannotCreateDestination);
    }
}

TEST(CheckSourceDirectory, AcceptsOnlyADirectoryThatCanBeEntered) {
    testing::TempDir dir;
    fs::create_directory(dir.File("disk2"));
    EXPECT_EQ(CheckSourceDirectory("", "/home", dir.Path()).outcome, Outcome::Stay);
    const ContinueCheck missing = CheckSourceDirectory("disk3", "/home", dir.Path());
    EXPECT_EQ(missing.outcome, Outcome::Refuse);
    EXPECT_EQ(missing.text, kEnterCorrectSource);
    const ContinueCheck found = CheckSourceDirectory("disk2/", "/home", dir.Path());
    EXPECT_EQ(found.outcome, Outcome::Accept);
    EXPECT_EQ(found.text, dir.File("disk2"));
}

}  // namespace
}  // namespace kiva::setup
