// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/desktop_entry.h"

#include <algorithm>
#include <string_view>

namespace kiva {

std::string QuoteDesktopExecArgument(const std::string& argument) {
    constexpr std::string_view reserved = " \t\n\"'\\><~|&;$*?#()`";
    if (std::none_of(argument.begin(), argument.end(), [&](char c) { return reserved.find(c) != std::string_view::npos; }))
        return argument;
    std::string quoted;
    for (char c : argument) {
        // Inside quotes, these four are escaped with a backslash ...
        if (c == '\\' || c == '"' || c == '`' || c == '$') quoted += '\\';
        quoted += c;
    }
    // ... and the entry's value is itself unescaped once more, so each backslash doubles again.
    std::string escaped;
    for (char c : quoted) {
        if (c == '\\') escaped += '\\';
        escaped += c;
    }
    return '"' + escaped + '"';
}

std::string DesktopExecProgram(const std::string& execValue) {
    // The entry's value is unescaped first: each doubled backslash stands for one.
    std::string value;
    for (std::size_t i = 0; i < execValue.size(); ++i) {
        if (execValue[i] == '\\' && i + 1 < execValue.size() && execValue[i + 1] == '\\') ++i;
        value += execValue[i];
    }
    if (value.empty() || value.front() != '"') return value.substr(0, value.find_first_of(" \t"));
    std::string program;
    for (std::size_t i = 1; i < value.size(); ++i) {
        if (value[i] == '"') return program;
        if (value[i] == '\\' && i + 1 < value.size()) ++i;
        program += value[i];
    }
    return {};  // the closing quote is missing
}

std::string DesktopEntryString(const std::string& text) {
    std::string value;
    for (char c : text) {
        if (c == '\\') value += "\\\\";
        else if (c == '\n') value += "\\n";
        else if (c == '\t') value += "\\t";
        else if (c == '\r') value += "\\r";
        else value += c;
    }
    return value;
}

}  // namespace kiva
