// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The one error of the readers of structure files and of the catalogue's sources: what is wrong,
// the file and line where it stands, and the format the file was read as.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "chem/text_lines.h"  // Quoted, for the readers' messages

namespace kiva {

class SourceError : public std::runtime_error {
public:
    // line 0: the reader does not know the line. what() reads "file:line: reason".
    SourceError(const std::string& file, int line, const std::string& reason, std::string format = {});

    const std::string& File() const { return file_; }
    int Line() const { return line_; }
    const std::string& Reason() const { return reason_; }
    // "CIF", "MDL molfile", ...; empty where the reader did not say.
    const std::string& Format() const { return format_; }
    SourceError WithFormat(std::string format) const { return {file_, line_, reason_, std::move(format)}; }

private:
    std::string file_;
    int line_;
    std::string reason_;
    std::string format_;
};

// The largest file a reader takes in whole: far beyond any structure a picture can show.
inline constexpr std::size_t kMaxSourceBytes = std::size_t{32} << 20;

// The whole content of a file; SourceError when it cannot be opened or read, or holds more than
// maxBytes (which is never read in).
std::string ReadSourceFile(const std::string& path, std::size_t maxBytes = kMaxSourceBytes);

// At most maxBytes from the start of a file, for formats whose first record is all that counts.
std::string ReadSourcePrefix(const std::string& path, std::size_t maxBytes);

}  // namespace kiva
