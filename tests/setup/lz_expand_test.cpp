// SPDX-License-Identifier: GPL-2.0-or-later
// The expansion is checked against files compressed by mscompress, a compressor nobody here wrote.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "setup/lz_expand.h"
#include "tests/support/byte_samples.h"
#include "tests/support/temp_dir.h"
#include "tools/disks/szdd_compress.h"

namespace kiva::setup {
namespace {

using kiva::testing::ReadFile;
using kiva::testing::TempDir;
using kiva::testing::WriteFile;

// Everything an open file expands to, read in pieces of `chunk` bytes; nothing after a read error.
std::optional<std::string> ReadRest(LzFile& file, std::size_t chunk) {
    std::string all;
    std::string buffer(chunk, '\0');
    for (;;) {
        const std::int64_t count = file.Read(buffer.data(), buffer.size());
        if (count < 0) return std::nullopt;
        all.append(buffer.data(), static_cast<std::size_t>(count));
        if (static_cast<std::size_t>(count) < chunk) return all;
    }
}

std::optional<std::string> ExpandAll(const std::string& path, std::size_t chunk) {
    const auto file = LzOpen(path);
    if (!file) return std::nullopt;
    return ReadRest(*file, chunk);
}

// The same compressed data under a header announcing another length.
std::string WithLength(std::string compressed, std::uint32_t length) {
    for (int i = 0; i < 4; ++i) compressed[static_cast<std::size_t>(10 + i)] = static_cast<char>((length >> (8 * i)) & 0xFF);
    return compressed;
}

std::string Compressed(const TempDir& dir, const std::string& name, const std::string& bytes) {
    WriteFile(dir.File(name), bytes);
    EXPECT_TRUE(kiva::testing::RunCommand("cd '" + dir.Path() + "' && mscompress '" + name + "' >/dev/null"));
    return dir.File(name + "_");
}

TEST(LzOpen, ExpandsFilesCompressedByMscompressToTheSameBytes) {
    TempDir dir;
    for (const auto& [name, bytes] : kiva::testing::ByteSamples()) {
        // mscompress 0.4 writes wrong data for files of 1 to 15 bytes; no expander can recover
        // those, so its one-byte sample is left out (our own compressor's is checked below).
        if (!bytes.empty() && bytes.size() < 16) continue;
        const std::string compressed = Compressed(dir, name, bytes);
        ASSERT_NE(ReadFile(compressed).substr(0, 4), bytes.substr(0, 4)) << name << " was not compressed";
        for (std::size_t chunk : {std::size_t{10}, std::size_t{4096}, std::size_t{10240}})
            EXPECT_EQ(ExpandAll(compressed, chunk), bytes) << name << " in chunks of " << chunk;
    }
    const std::string sixteen = kiva::testing::RandomBytes(16, 5);
    EXPECT_EQ(ExpandAll(Compressed(dir, "sixteen", sixteen), 4096), sixteen);
}

TEST(LzOpen, ExpandsFilesOfOurOwnCompressor) {
    TempDir dir;
    for (const auto& [name, bytes] : kiva::testing::ByteSamples()) {
        WriteFile(dir.File(name), disks::CompressSzdd(bytes));
        EXPECT_EQ(ExpandAll(dir.File(name), 4096), bytes) << name;
    }
}

TEST(LzOpen, PassesPlainFilesThroughUnchanged) {
    TempDir dir;
    for (const std::string& bytes : {std::string(), std::string("SZDD"), std::string("SZDD\x88\xF0\x27\x34 plain"),
                                     kiva::testing::RandomBytes(30000, 1)}) {
        WriteFile(dir.File("plain"), bytes);
        EXPECT_EQ(ExpandAll(dir.File("plain"), 4096), bytes);
    }
}

TEST(LzOpen, RefusesWhatCannotBeOpened) {
    TempDir dir;
    EXPECT_FALSE(LzOpen(dir.File("missing")));
    EXPECT_FALSE(LzOpen(dir.Path()));
    WriteFile(dir.File("short_header"), std::string("SZDD\x88\xF0\x27\x33" "A", 9));
    EXPECT_FALSE(LzOpen(dir.File("short_header")));
}

TEST(LzOpen, ReadsOnlyRegularFilesAndOnlyTheBytesTheyHeldWhenOpened) {
    TempDir dir;
    ASSERT_EQ(::symlink("/dev/zero", dir.File("zero").c_str()), 0);
    ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
    ASSERT_EQ(::symlink(dir.Path().c_str(), dir.File("folder").c_str()), 0);
    EXPECT_FALSE(LzOpen(dir.File("zero"))) << "a device has no end";
    EXPECT_FALSE(LzOpen(dir.File("fifo"))) << "a FIFO without a writer is refused at once";
    EXPECT_FALSE(LzOpen(dir.File("folder")));

    const std::string bytes = kiva::testing::RandomBytes(10000, 3);
    WriteFile(dir.File("growing"), bytes);
    const auto growing = LzOpen(dir.File("growing"));
    ASSERT_TRUE(growing);
    WriteFile(dir.File("growing"), bytes + bytes);
    EXPECT_EQ(ReadRest(*growing, 4096), bytes) << "a file growing meanwhile is cut where it ended";

    WriteFile(dir.File("shrinking"), bytes);
    const auto shrinking = LzOpen(dir.File("shrinking"));
    ASSERT_TRUE(shrinking);
    ASSERT_EQ(::truncate(dir.File("shrinking").c_str(), 5000), 0);
    EXPECT_EQ(ReadRest(*shrinking, 4096), std::nullopt) << "a file cut short meanwhile is a read error";
}

TEST(LzOpen, ReportsDamagedCompressedDataAsAReadError) {
    TempDir dir;
    const std::string bytes = kiva::testing::ByteSamples()[4].second;
    const std::string compressed = ReadFile(Compressed(dir, "text", bytes));

    WriteFile(dir.File("truncated"), compressed.substr(0, compressed.size() / 2));
    EXPECT_EQ(ExpandAll(dir.File("truncated"), 4096), std::nullopt);

    const auto length = static_cast<std::uint32_t>(bytes.size());
    WriteFile(dir.File("longer"), WithLength(compressed, length + 1));
    EXPECT_EQ(ExpandAll(dir.File("longer"), 4096), std::nullopt);
    // Announcing less is not damage: the file holds what its header says.
    WriteFile(dir.File("shorter"), WithLength(compressed, length - 1));
    EXPECT_EQ(ExpandAll(dir.File("shorter"), 4096), bytes.substr(0, length - 1));
    WriteFile(dir.File("exact"), WithLength(compressed, length));
    EXPECT_EQ(ExpandAll(dir.File("exact"), 4096), bytes);
}

TEST(LzOpen, TellsWhetherTheFileMayBeRunAndClosesMidway) {
    TempDir dir;
    const std::string compressed = Compressed(dir, "big", kiva::testing::RandomBytes(500000, 9));
    ::chmod(compressed.c_str(), 0755);
    const auto file = LzOpen(compressed);
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->executable());
    std::string buffer(1000, '\0');
    EXPECT_EQ(file->Read(buffer.data(), buffer.size()), 1000);
    WriteFile(dir.File("plain"), "x");
    EXPECT_FALSE(LzOpen(dir.File("plain"))->executable());
}

}  // namespace
}  // namespace kiva::setup
