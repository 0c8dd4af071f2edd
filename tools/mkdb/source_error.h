#pragma once
// The one error of the catalogue compiler: what is wrong, and the file and line where it stands.
#include <stdexcept>
#include <string>

namespace kiva::mkdb {

class SourceError : public std::runtime_error {
public:
    SourceError(const std::string& file, int line, const std::string& what)
        : std::runtime_error(file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + what) {}
};

}  // namespace kiva::mkdb
