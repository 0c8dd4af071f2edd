// SPDX-License-Identifier: GPL-2.0-or-later
#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/binary_archive.h"

#include <stdlib.h>  // mkdtemp

namespace kiva::fuzz {

namespace {

std::string MakeScratchDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kiva-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) Violated("cannot make a scratch directory");
    static std::string made;
    made = pattern;
    std::atexit([] {
        std::error_code error;
        std::filesystem::remove_all(made, error);
    });
    return pattern;
}

}  // namespace

std::string WriteScratchFile(const std::string& name, std::string_view bytes) {
    static const std::string directory = MakeScratchDirectory();
    const std::string path = directory + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) Violated("cannot write the scratch file " + path);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) Violated("cannot write the scratch file " + path);
    return path;
}

void Violated(const std::string& what) {
    std::fprintf(stderr, "fuzz: %s\n", what.c_str());
    std::abort();
}

void RequireEqual(std::string_view expected, std::string_view actual, const char* what) {
    if (expected == actual) return;
    std::size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    const auto excerpt = [at](std::string_view text) {
        std::string shown;
        for (const char c : text.substr(std::min(text.size(), at < 16 ? 0 : at - 16), 48)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(c));
            shown += c >= ' ' && c <= '~' ? std::string(1, c) : std::string(escaped);
        }
        return shown;
    };
    Violated(std::string(what) + ": they differ at byte " + std::to_string(at) + "\n  expected: " + excerpt(expected) +
             "\n  actual:   " + excerpt(actual));
}

std::string StreamBytes(const CompoundRecord& record) {
    ArchiveWriter writer;
    WriteCompound(record, writer);
    return writer.Bytes();
}

void RequireRecordRoundTrip(const CompoundRecord& record, const char* what) {
    const std::string written = StreamBytes(record);
    CompoundRecord read;
    try {
        ArchiveReader reader = ArchiveReader::FromBytes(written, "written record");
        Require(ReadCompound(read, reader), what);
        Require(reader.Remaining() == 0, what);
    } catch (const FileException& error) {
        Violated(std::string(what) + ": " + error.what());
    }
    RequireEqual(written, StreamBytes(read), what);
}

}  // namespace kiva::fuzz
