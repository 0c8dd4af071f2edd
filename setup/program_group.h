// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program group: the installer sends the program manager's command strings, one
// conversation per step; afterwards it asks which items could not be created.
#include <functional>
#include <string>
#include <vector>

namespace kiva::setup {

inline constexpr const char* kGroupName = "Molecule ";
inline constexpr const char* kViewerItemTitle = "KIVA 1.0";
inline constexpr const char* kHelpItemTitle = "KIVA Help";

// A program manager reached through conversations of command strings.
class ProgramManager {
public:
    virtual ~ProgramManager() = default;
    // Opens a conversation; false when the program manager cannot be reached.
    virtual bool Connect() = 0;
    virtual void Execute(const std::string& command) = 0;
    virtual void Disconnect() = 0;
    // The titles of items that were asked for but could not be created so that they start their
    // program; a manager that cannot tell names none.
    virtual std::vector<std::string> ItemsNotCreated() const { return {}; }
};

// The installed viewer, and the viewer opening its help, as command lines. They are not quoted.
std::string ViewerCommandLine(const std::string& installPath);
std::string HelpCommandLine(const std::string& installPath);

// "[CreateGroup(name, 0)]" and "[ShowGroup(name, 1, 0)]" in one conversation.
void CreateGroup(ProgramManager& manager, const std::string& name);
// "[ReplaceItem(title)]" and "[AddItem(commandLine, title)]" in one conversation.
void AddItem(ProgramManager& manager, const std::string& title, const std::string& commandLine);

// The group "Molecule " with the viewer, its help and the viewer again, waiting 500 ms after
// each step so the program manager can keep up.
void CreateProgramGroup(ProgramManager& manager, const std::string& installPath, const std::function<void(int)>& wait);

}  // namespace kiva::setup
