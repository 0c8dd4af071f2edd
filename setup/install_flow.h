// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The installer from start to end: the description, the agreement, welcome and destination
// pages, the existing-copy and free-space checks, the copy, the program group and the closing
// pages. Confirm exit is offered wherever the user may leave, and Resume returns to the very
// page that was left.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "setup/install_session.h"
#include "setup/page_runner.h"
#include "setup/program_group.h"
#include "setup/setup_places.h"

namespace kiva::setup {

// The bytes free for the user on the file system holding a directory; nothing when unknown.
using FreeSpaceQuery = std::function<std::optional<std::uint64_t>(const std::string& directory)>;
FreeSpaceQuery FileSystemFreeSpace();

// The name of the viewer's program, whose presence in a destination means a copy is installed.
inline constexpr const char* kViewerProgram = "kiva";

class InstallFlow {
public:
    InstallFlow(InstallSession& session, PageRunner& pages, ProgramManager& programManager, SetupPlaces places,
                FreeSpaceQuery freeSpace);

    // Runs every step; true when the program was installed.
    bool Run();
    // The confirm-exit page; true when the user exits rather than resumes.
    bool ConfirmExit();

private:
    // Shows a page until it ends with `wanted`, offering Confirm exit after any other ending;
    // nothing when the user exits.
    std::optional<PageOutcome> ShowUntil(const PageRequest& request, int wanted);
    bool ChooseDestinationAndCopy();
    bool CheckDiskSpace();
    bool Succeed();
    bool Fail();

    InstallSession& session_;
    PageRunner& pages_;
    ProgramManager& programManager_;
    SetupPlaces places_;
    FreeSpaceQuery freeSpace_;
};

}  // namespace kiva::setup
