// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program manager on a freedesktop desktop: each group becomes a submenu of the user's
// application menu (a merged menu file and a directory entry), each item a desktop entry in
// that submenu. Everything goes under the user's own data and configuration directories.
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "setup/program_group.h"

namespace kiva::setup {

struct MenuPlaces {
    std::string dataHome;    // $XDG_DATA_HOME, ~/.local/share by default
    std::string configHome;  // $XDG_CONFIG_HOME, ~/.config by default
};

// One command string, "[Name(arguments)]".
struct ManagerCommand {
    std::string name;
    std::string arguments;
};
std::optional<ManagerCommand> ParseManagerCommand(const std::string& text);

// An unquoted command line split into its program and arguments. A program path may hold
// spaces, so the program is the longest prefix, ending before a space, that names an existing
// file; failing that, the first word.
struct SplitCommand {
    std::string program;
    std::vector<std::string> arguments;
};
SplitCommand SplitCommandLine(const std::string& commandLine);

class DesktopMenuManager : public ProgramManager {
public:
    explicit DesktopMenuManager(MenuPlaces places) : places_(std::move(places)) {}

    bool Connect() override { return !places_.dataHome.empty() && !places_.configHome.empty(); }
    // Commands the menu cannot carry out, and files that cannot be written, are passed over.
    void Execute(const std::string& command) override;
    void Disconnect() override {}
    std::vector<std::string> ItemsNotCreated() const override;

    // Where a group's items and an item's entry are written, for a check after the fact.
    std::string MenuFilePath(const std::string& group) const;
    std::string DirectoryEntryPath(const std::string& group) const;
    std::string ItemEntryPath(const std::string& group, const std::string& title) const;

private:
    void CreateGroup(const std::string& group);
    void ReplaceItem(const std::string& title);
    void AddItem(const std::string& commandLine, const std::string& title);

    MenuPlaces places_;
    std::string group_;  // the group that items go to: the one created or shown last
    std::set<std::string> notCreated_;  // titles whose last entry could not start its program
};

}  // namespace kiva::setup
