// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The one error of the catalogue compiler: what is wrong, and the file and line where it stands.
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace kiva::mkdb {

class SourceError : public std::runtime_error {
public:
    SourceError(const std::string& file, int line, const std::string& what)
        : std::runtime_error(file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + what) {}
};

// The whole text of a source file; SourceError when it cannot be opened.
inline std::string ReadSourceFile(const std::string& path) {
    std::ifstream input(path, std::ios::binary);
    if (!input) throw SourceError(path, 0, "cannot open the file");
    std::stringstream text;
    text << input.rdbuf();
    return text.str();
}

}  // namespace kiva::mkdb
