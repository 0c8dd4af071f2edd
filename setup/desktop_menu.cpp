// SPDX-License-Identifier: GPL-2.0-or-later
#include "setup/desktop_menu.h"

#include <sys/stat.h>

#include <filesystem>

#include "platform/desktop_entry.h"
#include "platform/text_fields.h"
#include "setup/menu_entry_check.h"

namespace kiva::setup {

namespace fs = std::filesystem;

namespace {

// A name as part of a file name: lower-case letters and digits joined by dashes.
std::string FileNamePart(const std::string& text, const char* fallback) {
    std::string part;
    for (char c : text) {
        const bool letterOrDigit = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (letterOrDigit)
            part += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        else if (!part.empty() && part.back() != '-')
            part += '-';
    }
    while (!part.empty() && part.back() == '-') part.pop_back();
    return part.empty() ? fallback : part;
}

std::string Category(const std::string& group) { return "X-Kiva-" + FileNamePart(group, "group"); }

std::string XmlText(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '&') escaped += "&amp;";
        else if (c == '<') escaped += "&lt;";
        else if (c == '>') escaped += "&gt;";
        else escaped += c;
    }
    return escaped;
}

bool IsRegularFile(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace

std::optional<ManagerCommand> ParseManagerCommand(const std::string& text) {
    const std::string command = TrimBlanks(text);
    if (command.size() < 4 || command.front() != '[' || command.back() != ']') return std::nullopt;
    const std::size_t open = command.find('(');
    const std::size_t close = command.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open || close != command.size() - 2)
        return std::nullopt;
    return ManagerCommand{TrimBlanks(command.substr(1, open - 1)), command.substr(open + 1, close - open - 1)};
}

SplitCommand SplitCommandLine(const std::string& commandLine) {
    const std::string line = TrimBlanks(commandLine);
    std::vector<std::size_t> ends{line.size()};
    for (std::size_t i = line.size(); i-- > 0;)
        if (line[i] == ' ') ends.push_back(i);
    for (std::size_t end : ends) {
        const std::string program = line.substr(0, end);
        if (!program.empty() && IsRegularFile(program)) return {program, SplitFields(line.substr(end), ' ')};
    }
    std::vector<std::string> words = SplitFields(line, ' ');
    if (words.empty()) return {};
    SplitCommand split{words.front(), {}};
    split.arguments.assign(words.begin() + 1, words.end());
    return split;
}

std::string DesktopMenuManager::MenuFilePath(const std::string& group) const {
    return places_.configHome + "/menus/applications-merged/kiva-" + FileNamePart(group, "group") + ".menu";
}

std::string DesktopMenuManager::DirectoryEntryPath(const std::string& group) const {
    return places_.dataHome + "/desktop-directories/kiva-" + FileNamePart(group, "group") + ".directory";
}

std::string DesktopMenuManager::ItemEntryPath(const std::string& group, const std::string& title) const {
    return places_.dataHome + "/applications/kiva-" + FileNamePart(group, "group") + "-" +
           FileNamePart(title, "item") + ".desktop";
}

void DesktopMenuManager::Execute(const std::string& text) {
    const auto command = ParseManagerCommand(text);
    if (!command) return;
    const std::string& arguments = command->arguments;
    if (command->name == "CreateGroup" || command->name == "ShowGroup") {
        const std::string group = TrimBlanks(arguments.substr(0, arguments.find(',')));
        if (command->name == "CreateGroup") CreateGroup(group);
        else group_ = group;
    } else if (command->name == "ReplaceItem") {
        ReplaceItem(TrimBlanks(arguments));
    } else if (command->name == "AddItem") {
        // The command line comes unquoted and may hold commas; the title holds none.
        const std::size_t comma = arguments.rfind(',');
        if (comma != std::string::npos)
            AddItem(TrimBlanks(arguments.substr(0, comma)), TrimBlanks(arguments.substr(comma + 1)));
    }
}

void DesktopMenuManager::CreateGroup(const std::string& group) {
    if (group.empty()) return;
    group_ = group;
    const std::string directoryFile = fs::path(DirectoryEntryPath(group)).filename().string();
    WriteDesktopFile(MenuFilePath(group),
                     "<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
                     " \"http://www.freedesktop.org/standards/menu-spec/1.0/menu.dtd\">\n"
                     "<Menu>\n"
                     "  <Name>Applications</Name>\n"
                     "  <Menu>\n"
                     "    <Name>" + XmlText(group) + "</Name>\n"
                     "    <Directory>" + directoryFile + "</Directory>\n"
                     "    <Include>\n"
                     "      <Category>" + Category(group) + "</Category>\n"
                     "    </Include>\n"
                     "  </Menu>\n"
                     "</Menu>\n");
    WriteDesktopFile(DirectoryEntryPath(group),
                     "[Desktop Entry]\n"
                     "Type=Directory\n"
                     "Name=" + DesktopEntryString(group) + "\n"
                     "Icon=applications-science\n");
}

void DesktopMenuManager::ReplaceItem(const std::string& title) {
    if (group_.empty() || title.empty()) return;
    std::error_code error;
    fs::remove(ItemEntryPath(group_, title), error);
}

void DesktopMenuManager::AddItem(const std::string& commandLine, const std::string& title) {
    if (group_.empty() || title.empty()) return;
    const SplitCommand split = SplitCommandLine(commandLine);
    if (split.program.empty()) return;
    std::vector<std::string> command{split.program};
    command.insert(command.end(), split.arguments.begin(), split.arguments.end());
    const fs::path program(split.program);
    const std::string path = ItemEntryPath(group_, title);
    const bool written = WriteDesktopFile(path,
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=" + DesktopEntryString(title) + "\n"
               "Exec=" + DesktopExecLine(command) + "\n"
               "TryExec=" + DesktopEntryString(split.program) + "\n"
               "Path=" + DesktopEntryString(program.parent_path().string()) + "\n"
               "Icon=" + DesktopEntryString(program.filename().string()) + "\n"
               "Terminal=false\n"
               "Categories=" + Category(group_) + ";\n");
    // An entry that would not start the program, read back as a desktop reads it, is no entry.
    if (written && EntryStartsCommand(ReadDesktopFile(path), command)) {
        notCreated_.erase(title);
        return;
    }
    std::error_code error;
    fs::remove(path, error);
    notCreated_.insert(title);
}

std::vector<std::string> DesktopMenuManager::ItemsNotCreated() const {
    return {notCreated_.begin(), notCreated_.end()};
}

}  // namespace kiva::setup
