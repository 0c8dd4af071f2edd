// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/document_file.h"

#include <gtest/gtest.h>

#include "platform/binary_archive.h"
#include "tests/support/sample_records.h"
#include "tests/support/temp_dir.h"

namespace kiva {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

TEST(DocumentFile, AnEmptyDocumentIsTheVersionAndTheFixedPart) {
    TempDir dir;
    SaveDocumentFile(dir.File("empty.mol"), CompoundRecord{});
    const std::string bytes = ReadFile(dir.File("empty.mol"));
    ASSERT_EQ(bytes.size(), 372u);
    EXPECT_EQ(bytes.substr(0, 12), std::string("\x00\x01\x00\x00" "Formula\0", 12));
}

TEST(DocumentFile, RoundTripGivesTheSameRecord) {
    TempDir dir;
    const CompoundRecord salt = testing::SampleSalt();
    SaveDocumentFile(dir.File("salt.mol"), salt);
    CompoundRecord read;
    LoadDocumentFile(dir.File("salt.mol"), read);
    ArchiveWriter expected, actual;
    WriteCompound(salt, expected);
    WriteCompound(read, actual);
    EXPECT_EQ(actual.Bytes(), expected.Bytes());
}

TEST(DocumentFile, AcceptsAnyVersion) {
    TempDir dir;
    SaveDocumentFile(dir.File("salt.mol"), testing::SampleSalt());
    std::string bytes = ReadFile(dir.File("salt.mol"));
    bytes[0] = '\x7f';
    bytes[3] = '\x80';
    WriteFile(dir.File("salt.mol"), bytes);
    CompoundRecord read;
    LoadDocumentFile(dir.File("salt.mol"), read);
    EXPECT_EQ(TextOf(read.name), "NaCl");
}

TEST(DocumentFile, LeavesTheRecordEmptyWhenTheTagIsMissing) {
    TempDir dir;
    WriteFile(dir.File("other.mol"), std::string("\x00\x01\x00\x00NotOurs\0 and more bytes follow here", 40));
    CompoundRecord read;
    LoadDocumentFile(dir.File("other.mol"), read);
    EXPECT_EQ(TextOf(read.name), "");
    EXPECT_TRUE(read.unitAtoms.empty());
}

TEST(DocumentFile, RefusesDamagedFilesWithAFileError) {
    TempDir dir;
    SaveDocumentFile(dir.File("salt.mol"), testing::SampleSalt());
    const std::string bytes = ReadFile(dir.File("salt.mol"));
    for (std::size_t length : {std::size_t{0}, std::size_t{3}, std::size_t{4}, std::size_t{11}, std::size_t{371},
                               bytes.size() - 1}) {
        WriteFile(dir.File("cut.mol"), bytes.substr(0, length));
        CompoundRecord read;
        EXPECT_THROW(LoadDocumentFile(dir.File("cut.mol"), read), FileException) << length;
        EXPECT_TRUE(read.unitAtoms.empty());
    }
    CompoundRecord read;
    EXPECT_THROW(LoadDocumentFile(dir.File("absent.mol"), read), FileException);
}

}  // namespace
}  // namespace kiva
