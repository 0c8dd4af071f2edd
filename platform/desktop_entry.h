// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Writing values into freedesktop desktop entries.
#include <string>

namespace kiva {

// A path as one argument of a desktop entry's Exec line: unchanged when it holds no reserved
// character, otherwise quoted with the escapes freedesktop.org's desktop-entry format asks for.
std::string QuoteDesktopExecArgument(const std::string& argument);

// The program of a desktop entry's Exec value, its first argument with the quoting above undone;
// empty when the value holds none.
std::string DesktopExecProgram(const std::string& execValue);

// A text as a desktop entry's string value: backslashes, line breaks and tabs escaped.
std::string DesktopEntryString(const std::string& text);

}  // namespace kiva
