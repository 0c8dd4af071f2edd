// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/binary_archive.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/temp_dir.h"

namespace kiva {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

FileException::Cause CauseOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileException& error) {
        return error.cause();
    }
    ADD_FAILURE() << "no FileException";
    return FileException::Cause::ReadError;
}

TEST(ArchiveWriter, WritesLittleEndianIntegersAndFloats) {
    ArchiveWriter writer;
    writer.WriteInt32(256);
    writer.WriteInt32(-2);
    writer.WriteFloat(1.0f);
    EXPECT_EQ(writer.Bytes(), std::string("\x00\x01\x00\x00\xfe\xff\xff\xff\x00\x00\x80\x3f", 12));
}

TEST(ArchiveReader, ReadsAcrossBufferBoundaries) {
    TempDir dir;
    ArchiveWriter writer;
    for (int i = 0; i < 100; ++i) writer.WriteInt32(i * 1000 - 7);
    WriteFile(dir.File("f"), writer.Bytes());
    ArchiveReader reader(dir.File("f"), 3);  // a buffer smaller than one value
    for (int i = 0; i < 100; ++i) ASSERT_EQ(reader.ReadInt32(), i * 1000 - 7);
    EXPECT_EQ(reader.Remaining(), 0u);
    EXPECT_EQ(CauseOf([&] { reader.ReadInt32(); }), FileException::Cause::EndOfFile);
}

TEST(ArchiveReader, SeeksAndCountsTheBytesThatRemain) {
    TempDir dir;
    WriteFile(dir.File("f"), std::string("\x01\x00\x00\x00\x02\x00\x00\x00\x03\x00\x00\x00", 12));
    ArchiveReader reader(dir.File("f"), 4);
    reader.ReadInt32();
    reader.Seek(8);
    EXPECT_EQ(reader.Remaining(), 4u);
    EXPECT_EQ(reader.ReadInt32(), 3);
    reader.Seek(4);
    EXPECT_EQ(reader.ReadInt32(), 2);
    EXPECT_EQ(CauseOf([&] { reader.Seek(13); }), FileException::Cause::Malformed);
    EXPECT_EQ(CauseOf([&] { reader.Seek(-1); }), FileException::Cause::Malformed);
}

TEST(ArchiveReader, ReportsAFileThatWillNotOpen) {
    TempDir dir;
    EXPECT_EQ(CauseOf([&] { ArchiveReader reader(dir.File("absent")); }), FileException::Cause::OpenFailed);
}

TEST(ArchiveReader, ReadsBytesHeldInMemory) {
    ArchiveReader reader = ArchiveReader::FromBytes(std::string("\x05\x00\x00\x00\x06", 5));
    EXPECT_EQ(reader.ReadInt32(), 5);
    EXPECT_EQ(reader.Remaining(), 1u);
    EXPECT_EQ(CauseOf([&] { reader.ReadInt32(); }), FileException::Cause::EndOfFile);
}

TEST(WriteFileReplacing, ReplacesTheFileWhole) {
    TempDir dir;
    WriteFile(dir.File("doc.mol"), "old");
    WriteFileReplacing(dir.File("doc.mol"), "new contents");
    EXPECT_EQ(ReadFile(dir.File("doc.mol")), "new contents");
    EXPECT_FALSE(std::filesystem::exists(dir.File("doc.mol.saving")));
}

TEST(WriteFileReplacing, KeepsTheOldFileWhenTheNewOneCannotBeWritten) {
    TempDir dir;
    std::filesystem::create_directory(dir.File("folder"));
    WriteFile(dir.File("folder/inside"), "keep");
    // A directory in the way: the rename fails and the folder is left as it was.
    EXPECT_EQ(CauseOf([&] { WriteFileReplacing(dir.File("folder"), "bytes"); }), FileException::Cause::WriteFailed);
    EXPECT_EQ(ReadFile(dir.File("folder/inside")), "keep");
    EXPECT_FALSE(std::filesystem::exists(dir.File("folder.saving")));
    EXPECT_EQ(CauseOf([&] { WriteFileReplacing(dir.File("missing/doc.mol"), "bytes"); }), FileException::Cause::OpenFailed);
}

}  // namespace
}  // namespace kiva
