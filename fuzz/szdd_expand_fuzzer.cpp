// SPDX-License-Identifier: GPL-2.0-or-later
// The installer's expansion of a distribution file through libmspack: a plain file reads back as
// its own bytes; a compressed one never gives more bytes than its header announces, and when it
// reads without error it gives exactly those bytes, the same ones libmspack writes when asked
// directly. A file closed part-way through its expansion stops its worker cleanly.
#include <mspack.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "setup/lz_expand.h"

using namespace kiva;
using namespace kiva::fuzz;

namespace {

constexpr std::size_t kChunk = 4096;

std::uint32_t Little32(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
    return value;
}

// The length a compressed file's header announces, or nothing for a file stored plain. The
// classic header keeps it after the mode and the missing character, the QBasic one right after
// its signature.
std::optional<std::int64_t> AnnouncedLength(std::string_view bytes) {
    if (bytes.size() >= 14 && bytes.substr(0, 8) == std::string_view("SZDD\x88\xF0\x27\x33", 8))
        return Little32(bytes, 10);
    if (bytes.size() >= 12 && bytes.substr(0, 8) == std::string_view("SZ \x88\xF0\x27\x33\xD1", 8))
        return Little32(bytes, 8);
    return std::nullopt;
}

bool LooksCompressed(std::string_view bytes) {
    return bytes.size() >= 8 && (bytes.substr(0, 8) == std::string_view("SZDD\x88\xF0\x27\x33", 8) ||
                                 bytes.substr(0, 8) == std::string_view("SZ \x88\xF0\x27\x33\xD1", 8));
}

// libmspack's own expansion of the file into another file, or nothing when it reports an error.
std::optional<std::string> ExpandDirectly(const std::string& path) {
    const std::string output = path + ".out";
    msszdd_decompressor* decompressor = mspack_create_szdd_decompressor(nullptr);
    if (!decompressor) Violated("libmspack gives no decompressor");
    const int error = decompressor->decompress(decompressor, path.c_str(), output.c_str());
    mspack_destroy_szdd_decompressor(decompressor);
    if (error != MSPACK_ERR_OK) return std::nullopt;
    std::ifstream file(output, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes = BytesOf(data, size);
    const std::string path = WriteScratchFile("file.da_", bytes);
    const std::optional<std::int64_t> announced = AnnouncedLength(bytes);

    std::unique_ptr<setup::LzFile> file = setup::LzOpen(path);
    if (!file) {
        Require(LooksCompressed(bytes), "a file stored plain always opens");
        return 0;
    }
    std::string expanded;
    std::vector<char> buffer(kChunk);
    bool failed = false;
    for (;;) {
        const std::int64_t count = file->Read(buffer.data(), buffer.size());
        if (count < 0) {
            failed = true;
            break;
        }
        Require(static_cast<std::size_t>(count) <= buffer.size(), "a read gives no more than it was asked for");
        expanded.append(buffer.data(), static_cast<std::size_t>(count));
        if (announced) Require(static_cast<std::int64_t>(expanded.size()) <= *announced,
                               "expansion never gives more bytes than the header announces");
        if (static_cast<std::size_t>(count) < buffer.size()) break;
    }
    file.reset();

    if (!LooksCompressed(bytes)) {
        Require(!failed, "a file stored plain reads without error");
        RequireEqual(bytes, expanded, "a file stored plain reads back as its own bytes");
        return 0;
    }
    if (announced && !failed) {
        Require(static_cast<std::int64_t>(expanded.size()) == *announced,
                "a compressed file that reads without error gives the length its header announces");
        const std::optional<std::string> direct = ExpandDirectly(path);
        Require(direct && direct->size() >= expanded.size(), "libmspack expands what the installer expanded");
        RequireEqual(direct->substr(0, expanded.size()), expanded, "the installer's bytes are libmspack's");
    }

    // Closed after its first chunk, while its worker may still be expanding.
    std::unique_ptr<setup::LzFile> early = setup::LzOpen(path);
    if (early) early->Read(buffer.data(), 1);
    return 0;
}
