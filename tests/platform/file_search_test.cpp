// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/file_search.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/support/temp_dir.h"

namespace kiva {
namespace {

EnvironmentReader FakeEnvironment(std::map<std::string, std::string> values) {
    return [values](const char* name) {
        const auto found = values.find(name);
        return found == values.end() ? std::string() : found->second;
    };
}

TEST(DataSearchDirectories, SearchesProgramCurrentXdgAndPathInOrder) {
    const auto directories = DataSearchDirectories(
        "/opt/kiva/bin", "/home/s/work",
        FakeEnvironment({{"HOME", "/home/s"}, {"XDG_DATA_DIRS", "/a:/b"}, {"PATH", "/usr/bin::/bin"}}));
    EXPECT_EQ(directories, (std::vector<std::string>{"/opt/kiva/bin", "/home/s/work", "/home/s/.local/share/kiva",
                                                     "/a/kiva", "/b/kiva", "/usr/bin", "/bin"}));
}

TEST(DataSearchDirectories, HonoursXdgDataHomeAndDefaultsTheSystemDirectories) {
    const auto directories =
        DataSearchDirectories("/p", "/c", FakeEnvironment({{"HOME", "/h"}, {"XDG_DATA_HOME", "/d"}}));
    EXPECT_EQ(directories, (std::vector<std::string>{"/p", "/c", "/d/kiva", "/usr/local/share/kiva", "/usr/share/kiva"}));
}

TEST(UserConfigDirectory, PrefersXdgConfigHome) {
    EXPECT_EQ(UserConfigDirectory(FakeEnvironment({{"HOME", "/h"}})), "/h/.config/kiva");
    EXPECT_EQ(UserConfigDirectory(FakeEnvironment({{"HOME", "/h"}, {"XDG_CONFIG_HOME", "/x"}})), "/x/kiva");
}

TEST(FindDataFile, ReturnsTheFirstRegularFileFound) {
    testing::TempDir first;
    testing::TempDir second;
    std::filesystem::create_directory(first.File("Index.dat"));  // a directory is no match
    testing::WriteFile(second.File("Index.dat"), "0");
    testing::WriteFile(second.File("Molecule.dat"), "");
    testing::WriteFile(first.File("Molecule.dat"), "");
    const std::vector<std::string> directories = {"", first.Path(), second.Path()};
    EXPECT_EQ(FindDataFile("Index.dat", directories), second.File("Index.dat"));
    EXPECT_EQ(FindDataFile("Molecule.dat", directories), first.File("Molecule.dat"));
    EXPECT_EQ(FindDataFile("Elements.dat", directories), std::nullopt);
}

TEST(IsInsideUsr, TellsThePackagesHierarchyFromTheUsersPlaces) {
    for (const char* directory : {"/usr", "/usr/share/kiva", "/usr/local/share/kiva/", "/home/../usr/share"})
        EXPECT_TRUE(IsInsideUsr(directory)) << directory;
    for (const char* directory : {"", "usr/share/kiva", "/usr2/kiva", "/home/ann/usr", "/opt/kiva", "/"})
        EXPECT_FALSE(IsInsideUsr(directory)) << directory;
}

}  // namespace
}  // namespace kiva
