// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/symmetry_text.h"

#include <gtest/gtest.h>

#include <string>

namespace kiva {
namespace {

TEST(ParseSymmetryOperation, ReadsCoordinateTriplets) {
    const auto operation = ParseSymmetryOperation("-x+1/2, y-z , 0.25+Z");
    ASSERT_TRUE(operation);
    const auto& m = operation->m;
    EXPECT_EQ(m[0][0], -1);
    EXPECT_EQ(m[0][3], 0.5f);
    EXPECT_EQ(m[1][1], 1);
    EXPECT_EQ(m[1][2], -1);
    EXPECT_EQ(m[2][2], 1);
    EXPECT_EQ(m[2][3], 0.25f);
    EXPECT_EQ(m[3][3], 1);
    EXPECT_EQ(TransformPoint(*operation, {0.1f, 0.2f, 0.3f}).x, 0.4f);
}

TEST(ParseSymmetryOperation, RefusesWhatIsNoTriplet) {
    for (const char* text : {"x,y", "x,y,z,x", "x,y,w", "x,,z", "x,y,1/0", "x+,y,z", "2", "", "x+1/2/3,y,z",
                             "x+1e300,y,z", "99999999999999999999x,y,z"})
        EXPECT_FALSE(ParseSymmetryOperation(text)) << text;
}

// Fuzzing from outside found the number parser calling itself once per slash: 200 KB of them
// overflowed the stack.
TEST(ParseSymmetryOperation, RefusesAnAbsurdlyLongOperationWithoutRecursion) {
    std::string slashes = "x+1";
    while (slashes.size() < 200000) slashes += "/1";
    EXPECT_FALSE(ParseSymmetryOperation(slashes + ",y,z"));
    std::string shortChain = "x+1/1/1";
    EXPECT_FALSE(ParseSymmetryOperation(shortChain + ",y,z"));
    EXPECT_FALSE(ParseSymmetryOperation(std::string(kMaxTripletText, ' ') + "x,y,z"));
}

TEST(ParseFractionTriplet, ReadsConstantsOnly) {
    EXPECT_EQ(ParseFractionTriplet("0,1/2,1/2"), (Vector3D{0, 0.5f, 0.5f}));
    EXPECT_EQ(ParseFractionTriplet("1/3,2/3,0.5"), (Vector3D{1.0f / 3, 2.0f / 3, 0.5f}));
    EXPECT_FALSE(ParseFractionTriplet("x,0,0"));
}

}  // namespace
}  // namespace kiva
