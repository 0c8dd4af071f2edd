// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/desktop_entry.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

namespace kiva {

namespace {

// The characters an Exec argument may hold only inside double quotes.
constexpr std::string_view kReservedInExec = " \t\n\"'\\><~|&;$*?#()`";
// Inside double quotes, these are written after a backslash.
constexpr std::string_view kEscapedInQuotes = "\"`$\\";
// The field codes an Exec value may hold where a launcher puts file names, URLs and the like.
constexpr std::string_view kFieldCodes = "fFuUdDnNickvm";
// Runs the program given after it with the arguments after that.
constexpr const char* kShell = "/bin/sh";
constexpr const char* kShellStart = "exec \"$0\" \"$@\"";

// One argument of an Exec value, already string-unescaped, from `at`; nothing when it breaks
// the quoting rules. Leaves `at` after the argument.
std::optional<std::string> ReadExecArgument(const std::string& value, std::size_t& at) {
    std::string argument;
    bool quoted = false;
    for (; at < value.size(); ++at) {
        const char c = value[at];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\') {
                if (at + 1 >= value.size() || kEscapedInQuotes.find(value[at + 1]) == std::string_view::npos)
                    return std::nullopt;
                argument += value[++at];
            } else {
                argument += c;
            }
        } else if (c == ' ') {
            break;
        } else if (c == '"') {
            quoted = true;
        } else if (kReservedInExec.find(c) != std::string_view::npos) {
            return std::nullopt;
        } else {
            argument += c;
        }
    }
    if (quoted) return std::nullopt;
    return argument;
}

// "%%" read as '%'; a lone field code as nothing; any other '%' breaks the rules.
std::optional<std::optional<std::string>> ReadFieldCodes(const std::string& argument) {
    if (argument.size() == 2 && argument[0] == '%' && kFieldCodes.find(argument[1]) != std::string_view::npos)
        return std::optional<std::string>{};
    std::string text;
    for (std::size_t i = 0; i < argument.size(); ++i) {
        if (argument[i] != '%') {
            text += argument[i];
            continue;
        }
        if (i + 1 >= argument.size() || argument[i + 1] != '%') return std::nullopt;
        text += '%';
        ++i;
    }
    return std::optional<std::string>{text};
}

}  // namespace

std::string QuoteDesktopExecArgument(const std::string& argument) {
    std::string percents;
    for (char c : argument) percents += c == '%' ? std::string("%%") : std::string(1, c);
    if (std::none_of(percents.begin(), percents.end(),
                     [](char c) { return kReservedInExec.find(c) != std::string_view::npos; }))
        return percents;
    std::string quoted;
    for (char c : percents) {
        if (kEscapedInQuotes.find(c) != std::string_view::npos) quoted += '\\';
        quoted += c;
    }
    // The entry's value is itself unescaped once more, so each backslash doubles again.
    return DesktopEntryString('"' + quoted + '"');
}

std::string DesktopExecLine(const std::vector<std::string>& command) {
    std::string line;
    if (!command.empty() && command.front().find('%') != std::string::npos)
        line = std::string(kShell) + " -c " + QuoteDesktopExecArgument(kShellStart);
    for (const std::string& argument : command) line += (line.empty() ? "" : " ") + QuoteDesktopExecArgument(argument);
    return line;
}

std::optional<std::vector<std::string>> DesktopExecCommand(const std::string& execValue) {
    const auto value = ReadDesktopEntryString(execValue);
    if (!value) return std::nullopt;
    std::vector<std::string> command;
    for (std::size_t at = 0; at < value->size();) {
        if ((*value)[at] == ' ') {
            ++at;
            continue;
        }
        const auto argument = ReadExecArgument(*value, at);
        if (!argument) return std::nullopt;
        const auto text = ReadFieldCodes(*argument);
        if (!text) return std::nullopt;
        if (*text) command.push_back(**text);
    }
    if (command.size() >= 4 && command[0] == kShell && command[1] == "-c" && command[2] == kShellStart)
        command.erase(command.begin(), command.begin() + 3);
    if (command.empty()) return std::nullopt;
    return command;
}

std::string DesktopExecProgram(const std::string& execValue) {
    const auto command = DesktopExecCommand(execValue);
    return command ? command->front() : std::string();
}

std::string DesktopEntryString(const std::string& text) {
    std::string value;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') value += "\\\\";
        else if (c == '\n') value += "\\n";
        else if (c == '\t') value += "\\t";
        else if (c == '\r') value += "\\r";
        // A reader trims the blanks around a value; escaped, they stay.
        else if (c == ' ' && (i == 0 || i + 1 == text.size())) value += "\\s";
        else value += c;
    }
    return value;
}

std::optional<std::string> ReadDesktopEntryString(const std::string& value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            text += value[i];
            continue;
        }
        if (++i >= value.size()) return std::nullopt;
        switch (value[i]) {
        case 's': text += ' '; break;
        case 'n': text += '\n'; break;
        case 't': text += '\t'; break;
        case 'r': text += '\r'; break;
        case '\\': text += '\\'; break;
        default: return std::nullopt;
        }
    }
    return text;
}

bool WriteDesktopFile(const std::string& path, const std::string& content) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
    const std::string temporary = path + ".new";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file << content;
        file.close();
        if (!file) {
            fs::remove(temporary, error);
            return false;
        }
    }
    fs::rename(temporary, path, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return ReadDesktopFile(path) == content;
}

std::string ReadDesktopFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace kiva
