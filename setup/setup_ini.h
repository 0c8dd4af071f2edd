// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Setup.ini, the description of the distribution disks. It is not parsed as a general key-value
// file: every line passes a filter that keeps letters, digits and . : [ \ ] _ and turns any other
// byte into a space, and is then scanned for two words. So "Disks=2" and "Disks 2" read alike,
// and paths use backslashes, read here as '/'.
//
//   [General]
//   Disks=2
//   OriginalSize=1500        installed size in kilobytes
//   InstallPath=Kiva         under the home directory; \opt\kiva is absolute
//
//   [Disk1]
//   kiva_ kiva               name on the disk, name in the destination
//   help\index.htm_ help\index.html
//                            a line without two words ends the disk's list
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "setup/install_session.h"

namespace kiva::setup {

// A line holds at most this many characters before its LF; a longer one is outside the format.
inline constexpr std::size_t kMaxLineCharacters = 127;
// A word holds at most this many characters.
inline constexpr std::size_t kMaxWordCharacters = 63;
// Larger descriptions and more disks than this are refused rather than searched.
inline constexpr std::size_t kMaxDescriptionBytes = 4 << 20;
inline constexpr int kMaxDisks = 999;

// Letters, digits and the six characters . : [ \ ] _ survive the filter.
bool IsKeptCharacter(char c);

struct FilteredLine {
    std::string text;      // the line's first characters, filtered, without its LF or a final CR
    std::size_t next = 0;  // where the next line starts: just after the LF
    bool overlong = false; // the line had more characters than a line may hold
};

// The line starting at `position`, or nothing at the end of the text.
std::optional<FilteredLine> ReadFilteredLine(std::string_view text, std::size_t position);

struct TwoWords {
    enum class Kind { Fewer, Words, TooLong } kind = Kind::Fewer;
    std::string first, second;
};

// The first two blank-separated words of a filtered line. TooLong when either holds more than a
// word may.
TwoWords ScanTwoWords(std::string_view line);

// A name from a file line as a relative path with '/'; nothing when the name is absolute, has a
// drive, climbs out with "..", or does not end in a file name.
std::optional<std::string> ContainedRelativeName(std::string_view iniName);

// InstallPath as a directory: a leading drive such as c: is dropped, a path starting with a
// backslash is absolute, any other lies under the home directory. Empty stays empty.
std::string InstallPathFromIni(std::string_view value, const std::string& homeDirectory);

// Fills the session's disk count, size, install path, file lists and chunk size from the text.
// False for a description that is incomplete or unsafe; the session is then left unchanged.
bool ReadSetupDescription(std::string_view text, const std::string& homeDirectory, InstallSession& session);

// Reads session.sourceDir + "Setup.ini" into session.iniText and then the description.
bool ReadSetupFile(InstallSession& session, const std::string& homeDirectory);

}  // namespace kiva::setup
