// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/source_error.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace kiva {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string ReadAtMost(const std::string& path, std::size_t maxBytes, bool& more) {
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) throw SourceError(path, 0, std::strerror(errno));
    std::string bytes;
    char block[65536];
    more = false;
    while (true) {
        const std::size_t got = std::fread(block, 1, sizeof block, file.get());
        if (got == 0) break;
        if (bytes.size() + got > maxBytes) {
            bytes.append(block, maxBytes - bytes.size());
            more = true;
            break;
        }
        bytes.append(block, got);
    }
    if (std::ferror(file.get())) throw SourceError(path, 0, "cannot read the file");
    return bytes;
}

}  // namespace

SourceError::SourceError(const std::string& file, int line, const std::string& reason, std::string format)
    : std::runtime_error(file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + reason),
      file_(file),
      line_(line),
      reason_(reason),
      format_(std::move(format)) {}

std::string ReadSourceFile(const std::string& path, std::size_t maxBytes) {
    bool more = false;
    std::string bytes = ReadAtMost(path, maxBytes, more);
    if (more)
        throw SourceError(path, 0, "the file is larger than " + std::to_string(maxBytes >> 20) +
                                       " MB, more than any structure Kiva can show");
    return bytes;
}

std::string ReadSourcePrefix(const std::string& path, std::size_t maxBytes) {
    bool more = false;
    return ReadAtMost(path, maxBytes, more);
}

}  // namespace kiva
