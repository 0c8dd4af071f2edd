// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The check of a menu entry after it is written: read back by the desktop-entry format's own
// rules, does it start the program it was written for?
#include <string>
#include <vector>

namespace kiva::setup {

// True when the entry's text is UTF-8 without control characters, its [Desktop Entry] group has
// an Exec value that starts exactly `command` (program first), a TryExec naming the program and
// a Path naming its directory, and the program is a file that may be run.
bool EntryStartsCommand(const std::string& entryText, const std::vector<std::string>& command);

}  // namespace kiva::setup
