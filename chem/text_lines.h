// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Line and field reading shared by the text data files (Elements.dat, Index.dat, PhasePoints.dat, the
// catalogue's languages).
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kiva {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePointer = std::unique_ptr<std::FILE, FileCloser>;

// Reads one line of at most maxKept characters; the rest of a longer line is discarded, never
// read as the next line. The line end (LF, or CR LF) is not part of the result. Returns nothing
// at the end of the file.
std::optional<std::string> ReadLine(std::FILE* file, std::size_t maxKept);

// Splits a line into words separated by blanks, tabs and other white space.
std::vector<std::string_view> SplitWords(std::string_view line);

// A decimal integer word ("-12", "+7"). Nothing for anything else; a value beyond the int32 range
// saturates, so enormous numbers in a damaged file stay harmless.
std::optional<int> ParseInt(std::string_view word);

// The low 8 bits of a decimal integer word of any length, as two's complement: 300 gives 44,
// -1 gives 255.
std::optional<unsigned> ParseLowByte(std::string_view word);

// A piece of a damaged file fit to quote in a message: at most 40 characters, printable ASCII.
std::string Quoted(std::string_view text);

// The tab-separated fields of a line; a line without a tab is one field.
std::vector<std::string_view> SplitTabs(std::string_view line);

// Reads a table's text line by line: first the fixed `head` lines, exactly, then one row a
// line, each handed to `row`, which returns what is wrong with it or nothing. Empty rows are
// skipped and a CR before the LF is dropped. Refused: a text beyond maxBytes, a line beyond
// maxLineBytes, another head, a missing head, and the first row `row` refuses.
struct TableRefusal {
    std::string reason;  // empty when the whole text was read
    int line = 0;        // the line it stands on; 0 for the text as a whole
};
TableRefusal ReadTableLines(std::string_view text, const std::vector<std::string_view>& head, std::size_t maxBytes,
                            std::size_t maxLineBytes, const std::function<std::string(std::string_view line)>& row);

// At most ten names, comma-separated, then how many more: for messages about a table's rows.
std::string NameList(const std::vector<std::string>& names);

// A finite decimal real word ("1.89", "-0.5e1"); nothing for anything else.
std::optional<float> ParseFloat(std::string_view word);

}  // namespace kiva
