// SPDX-License-Identifier: GPL-2.0-or-later
#include "setup/program_group.h"

#include <initializer_list>

namespace kiva::setup {

namespace {

constexpr int kStepPauseMs = 500;

void Converse(ProgramManager& manager, std::initializer_list<std::string> commands) {
    if (!manager.Connect()) return;
    for (const std::string& command : commands) manager.Execute(command);
    manager.Disconnect();
}

}  // namespace

std::string ViewerCommandLine(const std::string& installPath) { return installPath + "/kiva"; }

std::string HelpCommandLine(const std::string& installPath) { return installPath + "/kiva --help-topics"; }

void CreateGroup(ProgramManager& manager, const std::string& name) {
    Converse(manager, {"[CreateGroup(" + name + ", 0)]", "[ShowGroup(" + name + ", 1, 0)]"});
}

void AddItem(ProgramManager& manager, const std::string& title, const std::string& commandLine) {
    Converse(manager, {"[ReplaceItem(" + title + ")]", "[AddItem(" + commandLine + ", " + title + ")]"});
}

void CreateProgramGroup(ProgramManager& manager, const std::string& installPath, const std::function<void(int)>& wait) {
    CreateGroup(manager, kGroupName);
    wait(kStepPauseMs);
    AddItem(manager, kViewerItemTitle, ViewerCommandLine(installPath));
    wait(kStepPauseMs);
    AddItem(manager, kHelpItemTitle, HelpCommandLine(installPath));
    wait(kStepPauseMs);
    // The viewer's item once more, exactly as the first time.
    AddItem(manager, kViewerItemTitle, ViewerCommandLine(installPath));
    wait(kStepPauseMs);
}

}  // namespace kiva::setup
