// SPDX-License-Identifier: GPL-2.0-or-later
#include "setup/install_flow.h"

#include <sys/stat.h>

#include <filesystem>

#include "setup/copy_disks.h"
#include "setup/directory_paths.h"
#include "setup/setup_ini.h"
#include "setup/setup_messages.h"

namespace kiva::setup {

FreeSpaceQuery FileSystemFreeSpace() {
    return [](const std::string& directory) -> std::optional<std::uint64_t> {
        std::error_code error;
        const std::filesystem::space_info space = std::filesystem::space(directory, error);
        if (error) return std::nullopt;
        return space.available;
    };
}

InstallFlow::InstallFlow(InstallSession& session, PageRunner& pages, ProgramManager& programManager,
                         SetupPlaces places, FreeSpaceQuery freeSpace)
    : session_(session),
      pages_(pages),
      programManager_(programManager),
      places_(std::move(places)),
      freeSpace_(std::move(freeSpace)) {}

bool InstallFlow::Run() {
    session_.sourceDir = places_.programDirectory + "/";
    if (!ReadSetupFile(session_, places_.homeDirectory)) return Fail();
    if (!ShowUntil({PageId::Licence, {}, {}}, result::kAccept)) return Fail();
    if (!ShowUntil({PageId::Welcome, {}, {}}, result::kContinue)) return Fail();
    return ChooseDestinationAndCopy() ? Succeed() : Fail();
}

bool InstallFlow::ConfirmExit() {
    return pages_.RunPage({PageId::ConfirmExit, {}, {}}).result == result::kExitSetup;
}

std::optional<PageOutcome> InstallFlow::ShowUntil(const PageRequest& request, int wanted) {
    for (;;) {
        PageOutcome outcome = pages_.RunPage(request);
        if (outcome.result == wanted) return outcome;
        if (ConfirmExit()) return std::nullopt;
    }
}

bool InstallFlow::ChooseDestinationAndCopy() {
    const std::string home = places_.homeDirectory;
    const ContinueChecker checkDestination = [home](const std::string& typed) { return CheckDestination(typed, home); };
    for (;;) {
        const auto destination =
            ShowUntil({PageId::Destination, session_.installPath, checkDestination}, result::kContinue);
        if (!destination) return false;
        session_.installPath = destination->text;
        struct stat status {};
        const std::string viewer = session_.installPath + "/" + kViewerProgram;
        if (::lstat(viewer.c_str(), &status) == 0 &&
            pages_.RunPage({PageId::ExistingCopy, {}, {}}).result != result::kContinue)
            continue;
        if (!CheckDiskSpace()) return false;
        const std::string current = places_.currentDirectory;
        const CopyServices services{pages_, [this] { return ConfirmExit(); },
                                    [home, current](const std::string& typed) {
                                        return CheckSourceDirectory(typed, home, current);
                                    }};
        return CopyAllDisks(session_, services);
    }
}

bool InstallFlow::CheckDiskSpace() {
    const std::uint64_t needed = static_cast<std::uint64_t>(session_.originalSizeKB) * 1024;
    for (;;) {
        // Free space that cannot be told is no reason to stop: the copy reports any write failure.
        const auto available = freeSpace_(session_.installPath);
        if (!available || *available >= needed) return true;
        if (pages_.RunPage({PageId::DiskSpace, {}, {}}).result == result::kExitSetup && ConfirmExit()) return false;
    }
}

bool InstallFlow::Succeed() {
    ReleaseDescription(session_);
    pages_.ShowProgressPage(false);
    CreateProgramGroup(programManager_, session_.installPath, [this](int milliseconds) { pages_.Wait(milliseconds); });
    // The installation is not reported as complete while a menu entry would start nothing.
    const std::vector<std::string> missing = programManager_.ItemsNotCreated();
    if (missing.empty()) {
        pages_.RunPage({PageId::Success, {}, {}});
        return true;
    }
    std::string message = kMenuEntriesNotCreated;
    for (std::size_t i = 0; i < missing.size(); ++i) message += (i == 0 ? " " : ", ") + missing[i];
    pages_.RunPage({PageId::Error, message + ".", {}});
    return true;
}

bool InstallFlow::Fail() {
    ReleaseDescription(session_);
    pages_.RunPage({PageId::Error, kSetupIncomplete, {}});
    return false;
}

}  // namespace kiva::setup
