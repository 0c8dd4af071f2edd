// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Writing values into freedesktop desktop entries, and reading them back by the format's own
// quoting rules; writing the files of the desktop's menus and types whole or not at all.
#include <optional>
#include <string>
#include <vector>

namespace kiva {

// A path as one argument of a desktop entry's Exec line: unchanged when it holds no reserved
// character, otherwise quoted with the escapes freedesktop.org's desktop-entry format asks for;
// a '%' is always written "%%".
std::string QuoteDesktopExecArgument(const std::string& argument);

// A whole Exec value that starts `command` (program first), each argument quoted as above. GLib
// looks the program up before it turns "%%" into '%', so a program whose path holds a '%' is
// started through /bin/sh, whose own path holds none.
std::string DesktopExecLine(const std::vector<std::string>& command);

// The command an Exec value starts, read by the format's rules: string escapes undone, quoted
// arguments unquoted, "%%" read as '%', a field code such as %F standing alone left out, and
// the /bin/sh start above seen through. Nothing when the value breaks the rules: an unclosed
// quote, an unknown escape, a reserved character outside quotes, a field code inside an argument.
std::optional<std::vector<std::string>> DesktopExecCommand(const std::string& execValue);

// The program of a desktop entry's Exec value; empty when the value starts none.
std::string DesktopExecProgram(const std::string& execValue);

// A text as a desktop entry's string value: backslashes, line breaks, tabs and the spaces at
// either end escaped.
std::string DesktopEntryString(const std::string& text);

// A string value as the text it stands for; nothing for an unknown escape.
std::optional<std::string> ReadDesktopEntryString(const std::string& value);

// Writes the file beside its place and renames it over it, so a reader never sees half a file,
// an existing link at the name is replaced rather than followed and a failed write leaves the
// old file as it was; missing folders are made. True only when the file then reads back equal.
bool WriteDesktopFile(const std::string& path, const std::string& content);

// The file's bytes; empty when it cannot be read.
std::string ReadDesktopFile(const std::string& path);

}  // namespace kiva
