// SPDX-License-Identifier: GPL-2.0-or-later
#include "setup/menu_entry_check.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <optional>

#include "platform/desktop_entry.h"
#include "platform/text_fields.h"

namespace kiva::setup {

namespace {

// Whether the bytes are UTF-8, as every desktop entry must be, and hold no control character
// but the line ends.
bool IsEntryText(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            if ((lead < 0x20 && lead != '\n') || lead == 0x7F) return false;
            ++i;
            continue;
        }
        const std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
        if (length == 0 || i + length > text.size()) return false;
        std::uint32_t code = lead & (0xFFu >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
        const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < least[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return false;
        i += length;
    }
    return true;
}

// The keys of the [Desktop Entry] group with their values as written; nothing without the group.
std::optional<std::map<std::string, std::string>> EntryGroup(const std::string& text) {
    std::optional<std::map<std::string, std::string>> keys;
    bool inGroup = false;
    for (const std::string& line : SplitFields(text, '\n')) {
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            inGroup = line == "[Desktop Entry]";
            if (inGroup) keys.emplace();
            continue;
        }
        const std::size_t equals = line.find('=');
        if (inGroup && equals != std::string::npos)
            (*keys)[TrimBlanks(line.substr(0, equals))] = TrimBlanks(line.substr(equals + 1));
    }
    return keys;
}

bool MayRun(const std::string& program) {
    struct stat status {};
    return ::stat(program.c_str(), &status) == 0 && S_ISREG(status.st_mode) && ::access(program.c_str(), X_OK) == 0;
}

}  // namespace

bool EntryStartsCommand(const std::string& entryText, const std::vector<std::string>& command) {
    if (command.empty() || !IsEntryText(entryText)) return false;
    const auto group = EntryGroup(entryText);
    if (!group) return false;
    const auto value = [&](const char* key) -> std::optional<std::string> {
        const auto found = group->find(key);
        return found == group->end() ? std::nullopt : ReadDesktopEntryString(found->second);
    };
    const auto exec = group->find("Exec");
    return exec != group->end() && DesktopExecCommand(exec->second) == command &&
           value("TryExec") == command.front() &&
           value("Path") == std::filesystem::path(command.front()).parent_path().string() && MayRun(command.front());
}

}  // namespace kiva::setup
