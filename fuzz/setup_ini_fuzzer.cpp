// SPDX-License-Identifier: GPL-2.0-or-later
// The installer's Setup.ini: a description that does not read leaves the session as it was; one
// that reads gives as many disks as it announces, a usable chunk size, and only names that stay
// inside the source and destination directories.
#include <algorithm>

#include "fuzz/fuzz_support.h"
#include "setup/install_session.h"
#include "setup/setup_ini.h"

using namespace kiva;
using namespace kiva::fuzz;
using namespace kiva::setup;

namespace {

// A name from a file line: relative, inside its directory, and made only of kept characters.
void RequireContainedName(const std::string& name) {
    Require(!name.empty() && name.front() != '/' && name.back() != '/', "a file name is relative and names a file");
    Require(ContainedRelativeName(name) == name, "a file name stays inside its directory");
    Require(std::all_of(name.begin(), name.end(), [](char c) { return c == '/' || IsKeptCharacter(c); }),
            "a file name holds only characters the line filter keeps");
    Require(name.size() <= kMaxWordCharacters, "a file name is one word long at most");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string home = "/home/student";
    InstallSession session;
    session.installPath = "/untouched";
    session.sourceDir = "/disk/";
    session.chunkSize = 7;
    if (!ReadSetupDescription(BytesOf(data, size), home, session)) {
        Require(session.diskCount == 0 && session.originalSizeKB == 0 && session.installPath == "/untouched" &&
                    session.disks.empty() && session.chunkSize == 7,
                "a description that does not read leaves the session unchanged");
        return 0;
    }
    Require(session.sourceDir == "/disk/", "reading the description leaves the source directory alone");
    Require(session.diskCount >= 1 && session.diskCount <= kMaxDisks, "the disk count is within its bounds");
    Require(session.disks.size() == static_cast<std::size_t>(session.diskCount), "every announced disk has its list");
    Require(session.originalSizeKB > 0 && session.chunkSize >= 1, "the announced size gives a usable chunk size");
    const std::size_t buffer = ExpansionBufferSize(session.chunkSize);
    Require(buffer >= 1 && buffer <= (1u << 20), "the expansion buffer stays within its limits");
    Require(session.installPath.empty() || session.installPath.front() == '/', "the install path is absolute");
    for (const DiskFiles& disk : session.disks) {
        Require(disk.sourceNames.size() == disk.destNames.size(), "every source name has its destination name");
        for (const std::string& name : disk.sourceNames) RequireContainedName(name);
        for (const std::string& name : disk.destNames) RequireContainedName(name);
    }
    return 0;
}
