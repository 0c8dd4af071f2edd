// SPDX-License-Identifier: GPL-2.0-or-later
// Our SZDD files are checked with msexpand, an expander nobody here wrote.
#include <gtest/gtest.h>

#include "tests/support/byte_samples.h"
#include "tests/support/temp_dir.h"
#include "tools/disks/szdd_compress.h"

namespace kiva::disks {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

TEST(CompressSzdd, ExpandsToTheSameBytesWithMsexpand) {
    TempDir dir;
    for (const auto& [name, bytes] : testing::ByteSamples()) {
        const std::string compressed = dir.File(name + "._");
        WriteFile(compressed, CompressSzdd(bytes));
        const std::string expanded = dir.File(name + ".out");
        ASSERT_TRUE(testing::RunCommand("msexpand < '" + compressed + "' > '" + expanded + "'")) << name;
        EXPECT_EQ(ReadFile(expanded), bytes) << name;
    }
}

TEST(CompressSzdd, WritesTheHeaderWithLengthAndMissingCharacter) {
    const std::string compressed = CompressSzdd(std::string(300, 'a'), 't');
    ASSERT_GE(compressed.size(), 14u);
    EXPECT_EQ(compressed.substr(0, 8), std::string("SZDD\x88\xF0\x27\x33"));
    EXPECT_EQ(compressed[8], 'A');
    EXPECT_EQ(compressed[9], 't');
    EXPECT_EQ(compressed.substr(10, 4), std::string("\x2C\x01\x00\x00", 4));
}

TEST(CompressSzdd, ShrinksRepetitiveDataAndBarelyGrowsNoise) {
    EXPECT_LT(CompressSzdd(std::string(100000, 'q')).size(), 12000u);
    const std::string noise = testing::RandomBytes(80000, 3);
    // One flag byte per eight literals, at worst.
    EXPECT_LE(CompressSzdd(noise).size(), 14 + noise.size() + noise.size() / 8 + 1);
}

}  // namespace
}  // namespace kiva::disks
