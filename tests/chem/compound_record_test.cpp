// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/compound_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "chem/molecule_index.h"
#include "platform/binary_archive.h"
#include "tests/support/sample_records.h"
#include "tests/support/temp_dir.h"

namespace kiva {
namespace {

using testing::SampleSalt;

std::string Bytes(const CompoundRecord& record) {
    ArchiveWriter writer;
    WriteCompound(record, writer);
    return writer.Bytes();
}

void PutInt32(std::string& bytes, std::size_t offset, std::int32_t value) { std::memcpy(&bytes[offset], &value, 4); }

TEST(WriteCompound, WritesTheFixedPartIn368Bytes) {
    const std::string bytes = Bytes(CompoundRecord{});
    EXPECT_EQ(bytes.size(), 368u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("Formula\0", 8));
}

TEST(WriteCompound, PutsBasisThenRulesThenUnitAtoms) {
    const CompoundRecord salt = SampleSalt();
    const std::string bytes = Bytes(salt);
    EXPECT_EQ(bytes.size(), 368u + 2 * 64 + 4 * 12 + (2 + 1 + 2) * 28);
    // Tag, name, four integer-sized fields, auxText, groupText, then the operation count.
    std::int32_t operationCount;
    std::memcpy(&operationCount, &bytes[8 + 32 + 4 + 4 + 16 + 4 + 128 + 128], 4);
    EXPECT_EQ(operationCount, 2);
    const std::size_t basisCount = 324 + 4 + 2 * 64 + 4 + 4 * 12 + 24;
    std::int32_t count;
    std::memcpy(&count, &bytes[basisCount], 4);
    EXPECT_EQ(count, 2);
    std::memcpy(&count, &bytes[basisCount + 4 + 2 * 28], 4);
    EXPECT_EQ(count, 1);  // the rules come second
    EXPECT_EQ(bytes.substr(basisCount + 4 + 2 * 28 + 4, 3), "Na+");
}

TEST(ReadCompound, RoundTripCarriesEveryFieldByteForByte) {
    const CompoundRecord salt = SampleSalt();
    ArchiveReader reader = ArchiveReader::FromBytes(Bytes(salt));
    CompoundRecord read;
    ASSERT_TRUE(ReadCompound(read, reader));
    EXPECT_EQ(Bytes(read), Bytes(salt));
    EXPECT_EQ(read.name[20], 'x');
    EXPECT_EQ(read.auxValue, -77);
    EXPECT_EQ(std::memcmp(read.auxBlock, salt.auxBlock, 16), 0);
    EXPECT_EQ(read.symmetry.translationCount, 4);
    EXPECT_EQ(read.symmetry.translations[3], (Vector3D{0.5f, 0.5f, 0}));
    ASSERT_EQ(read.unitAtoms.size(), 2u);
    EXPECT_EQ(TextOf(read.unitAtoms[1].symbol), "Cl-");
    EXPECT_EQ(read.bondRules[0].maxDistance, 2.9f);
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(ReadCompound, RefusesAMissingTagOrAnotherNameAndLeavesTheRecord) {
    const CompoundRecord salt = SampleSalt();
    std::string bytes = Bytes(salt);
    CompoundRecord record = SampleSalt();
    SetText(record.name, "Kept");

    ArchiveReader otherName = ArchiveReader::FromBytes(bytes);
    EXPECT_FALSE(ReadCompound(record, otherName, "nacl"));
    EXPECT_EQ(TextOf(record.name), "Kept");

    bytes[0] = 'f';
    ArchiveReader noTag = ArchiveReader::FromBytes(bytes);
    EXPECT_FALSE(ReadCompound(record, noTag));
    EXPECT_EQ(TextOf(record.name), "Kept");

    ArchiveReader unterminated = ArchiveReader::FromBytes(std::string("FormulaX") + bytes.substr(8));
    EXPECT_FALSE(ReadCompound(record, unterminated));
}

TEST(ReadCompound, RefusesATruncatedRecordAtEveryByteWithTheRecordUntouched) {
    const std::string bytes = Bytes(SampleSalt());
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        CompoundRecord record;
        SetText(record.name, "Kept");
        record.unitAtoms.push_back(testing::Site("C", 0, {}));
        ArchiveReader reader = ArchiveReader::FromBytes(bytes.substr(0, length));
        try {
            if (ReadCompound(record, reader)) ADD_FAILURE() << "read a record cut at " << length;
        } catch (const FileException&) {
        }
        ASSERT_EQ(TextOf(record.name), "Kept") << length;
        ASSERT_EQ(record.unitAtoms.size(), 1u) << length;
    }
}

TEST(ReadCompound, RefusesCountsTheFileCannotHold) {
    const std::string good = Bytes(SampleSalt());
    const std::size_t operationCount = 324;
    const std::size_t translationCount = operationCount + 4 + 2 * 64;
    const std::size_t basisCount = translationCount + 4 + 4 * 12 + 24;
    const std::size_t ruleCount = basisCount + 4 + 2 * 28;
    const std::size_t unitCount = ruleCount + 4 + 28;
    const std::pair<std::size_t, std::int32_t> damages[] = {
        {operationCount, 2000000000}, {operationCount, -1}, {translationCount, 5}, {translationCount, -3},
        {basisCount, 0x7FFFFFFF},     {ruleCount, -100},    {unitCount, 3},       {unitCount, 1 << 30}};
    for (const auto& [offset, value] : damages) {
        std::string bytes = good;
        PutInt32(bytes, offset, value);
        CompoundRecord record;
        ArchiveReader reader = ArchiveReader::FromBytes(bytes);
        try {
            ReadCompound(record, reader);
            ADD_FAILURE() << "accepted " << value << " at " << offset;
        } catch (const FileException& error) {
            EXPECT_NE(std::string(error.what()).find("damaged"), std::string::npos);
        }
        EXPECT_TRUE(record.unitAtoms.empty());
    }
}

TEST(ReadCompound, RefusesNonFiniteNumbersAsDamagedWithTheRecordUntouched) {
    const std::string good = Bytes(SampleSalt());
    const std::size_t operations = 328, translations = 460, cell = 508, basis = 536, rules = 596, unit = 628;
    const std::size_t places[] = {operations + 4,        operations + 64 + 60, translations + 16, cell,
                                  cell + 20,             basis + 12,           basis + 28 + 24,   rules + 16,
                                  rules + 20,            unit + 16,            unit + 28 + 12};
    const float values[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity()};
    for (const std::size_t place : places)
        for (const float value : values) {
            std::string bytes = good;
            std::memcpy(&bytes[place], &value, 4);
            CompoundRecord record;
            SetText(record.name, "Kept");
            ArchiveReader reader = ArchiveReader::FromBytes(bytes);
            try {
                ReadCompound(record, reader);
                ADD_FAILURE() << "accepted " << value << " at " << place;
            } catch (const FileException& error) {
                EXPECT_EQ(error.cause(), FileException::Cause::Malformed);
                EXPECT_NE(std::string(error.what()).find("not a finite number"), std::string::npos) << error.what();
            }
            EXPECT_EQ(TextOf(record.name), "Kept");
        }
}

TEST(ReadCompound, SurvivesGarbageAfterTheTag) {
    std::string bytes = "Formula";
    bytes.push_back('\0');
    for (int i = 0; i < 4000; ++i) bytes.push_back(static_cast<char>((i * 2654435761u) >> 24));
    CompoundRecord record;
    ArchiveReader reader = ArchiveReader::FromBytes(bytes);
    try {
        ReadCompound(record, reader);
    } catch (const FileException&) {
    }
    SUCCEED();
}

class LoadByName : public ::testing::Test {
protected:
    void SetUp() override {
        CompoundRecord water;
        SetText(water.name, "Water");
        water.unitAtoms.push_back(testing::Site("O", 0, {}));
        const std::string first = Bytes(SampleSalt());
        const std::string second = Bytes(water);
        testing::WriteFile(dir.File("Molecule.dat"), first + second);
        IndexEntry salt{}, waterEntry{}, wrong{}, untagged{};
        SetText(salt.name, "NaCl");
        SetText(waterEntry.name, "Water");
        waterEntry.recordOffset = static_cast<std::int32_t>(first.size());
        waterEntry.kind = 2;
        SetText(wrong.name, "Ice");  // points at the water record
        wrong.recordOffset = waterEntry.recordOffset;
        SetText(untagged.name, "Nowhere");
        untagged.recordOffset = 3;
        index.entries = {salt, waterEntry, wrong, untagged};
        index.count = 4;
    }
    testing::TempDir dir;
    MoleculeIndex index;
};

TEST_F(LoadByName, ReadsTheRecordAtTheEntrysOffset) {
    CompoundRecord record;
    ASSERT_TRUE(LoadCompoundByName(index, dir.File("Molecule.dat"), "Water", record));
    EXPECT_EQ(TextOf(record.name), "Water");
    ASSERT_TRUE(LoadCompoundByName(index, dir.File("Molecule.dat"), "NaCl", record));
    EXPECT_EQ(record.basisAtoms.size(), 2u);
}

TEST_F(LoadByName, RefusesUnknownNamesOtherNamesAndMissingTagsWithTheRecordUntouched) {
    CompoundRecord record = SampleSalt();
    for (const char* name : {"water", "Ice", "Nowhere", ""}) {
        EXPECT_FALSE(LoadCompoundByName(index, dir.File("Molecule.dat"), name, record)) << name;
        EXPECT_EQ(TextOf(record.name), "NaCl") << name;
    }
}

TEST_F(LoadByName, RaisesAFileErrorWhenTheDatabaseIsMissing) {
    CompoundRecord record = SampleSalt();
    EXPECT_THROW(LoadCompoundByName(index, dir.File("absent.dat"), "Water", record), FileException);
    EXPECT_EQ(TextOf(record.name), "NaCl");
}

}  // namespace
}  // namespace kiva

#include "chem/compound_title.h"

namespace kiva {
namespace {

TEST(CompoundTitle, AddsTheBondingClassSuffix) {
    EXPECT_EQ(CompoundTitle("NaCl", 2), "NaCl - (Ionic)");
    EXPECT_EQ(CompoundTitle("C-diamond", 4), "C-diamond - (Covalent Network)");
    EXPECT_EQ(CompoundTitle("Cu", 0), "Cu - (Metal)");
    EXPECT_EQ(CompoundTitle("Ne", 1), "Ne - (Atom)");
    EXPECT_EQ(CompoundTitle("Water", 3), "Water - (Molecule)");
    EXPECT_EQ(CompoundTitle("Odd", 7), "Odd");
    EXPECT_EQ(CompoundTitle("Odd", -1), "Odd");
}

}  // namespace
}  // namespace kiva
