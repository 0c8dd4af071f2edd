// SPDX-License-Identifier: GPL-2.0-or-later
// The browser build's stand-ins for the number conversions give the standard library's text and
// values: the catalogue and the heating curve read and write the same on both.
#include <gtest/gtest.h>

#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <random>
#include <string>

#include "platform/portable_std.h"

namespace kiva {
namespace {

std::string Shortest(double value) {
    char buffer[64];
    return std::string(buffer, ShortestToChars(buffer, buffer + sizeof buffer, value).ptr);
}

// Where the build's library has them, its conversions are the reference.
#if defined(__cpp_lib_to_chars)
std::string Shortest(double value, bool useFallback) {
    char buffer[64];
    const auto result = useFallback ? fallback::ShortestToChars(buffer, buffer + sizeof buffer, value)
                                    : std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string Fixed(double value, int digits, bool useFallback) {
    char buffer[400];
    const auto result = useFallback ? fallback::FixedToChars(buffer, buffer + sizeof buffer, value, digits)
                                    : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, digits);
    return std::string(buffer, result.ptr);
}

TEST(PortableNumbers, WriteTheSameTextAsTheLibrary) {
    std::mt19937_64 random(20261209);
    for (const double value : {0.0, -0.0, 1.0, 6000.0, 273.15, 4.2, 1e22, 1e21, 123456789012345680.0, 1e-5, 0.001,
                               5e-324, 1.7976931348623157e308, 100.0, 1e16, 12345.678, -0.5}) {
        EXPECT_EQ(Shortest(value, true), Shortest(value, false)) << value;
        EXPECT_EQ(Fixed(value, 4, true), Fixed(value, 4, false)) << value;
    }
    for (int i = 0; i < 20000; ++i) {
        const double any = BitCast<double>(random());
        const double kelvin = std::uniform_real_distribution<double>(0, 6000)(random);
        const double rounded = std::round(kelvin * 100) / 100;  // as the tables write them
        for (const double value : {any, kelvin, rounded}) {
            if (!std::isfinite(value)) continue;
            ASSERT_EQ(Shortest(value, true), Shortest(value, false)) << value;
            if (std::fabs(value) < 1e30) {
                ASSERT_EQ(Fixed(value, 2, true), Fixed(value, 2, false)) << value;
            }
        }
    }
}

template <typename Number>
void ExpectSameReading(const std::string& text) {
    Number mine = 7, theirs = 7;
    const auto a = fallback::NumberFromChars(text.data(), text.data() + text.size(), mine);
    const auto b = std::from_chars(text.data(), text.data() + text.size(), theirs);
    EXPECT_EQ(a.ptr - text.data(), b.ptr - text.data()) << text;
    EXPECT_EQ(a.ec, b.ec) << text;
    using Bits = std::conditional_t<sizeof(Number) == 8, std::uint64_t, std::uint32_t>;
    if (a.ec == std::errc() && !std::isnan(theirs)) {
        EXPECT_EQ(BitCast<Bits>(mine), BitCast<Bits>(theirs)) << text;
    }
}

TEST(PortableNumbers, ReadTheSameExtentAndValueAsTheLibrary) {
    for (const char* text : {"1", "-2.5", "273.15", "0.1", "1e3", "1E-3", "1e", "1e+", "1e+x", ".5", "5.", ".", "-", "",
                             "+1", " 1", "1 ", "inf", "-Infinity", "nan", "1e400", "0x1p3", "12abc", "3.4028235e38",
                             "1.00000005960464477539062", "0.000000000000000000000000000000000000000000001",
                             "2.2250738585072011e-308", "6000", "1/3"}) {
        ExpectSameReading<double>(text);
        ExpectSameReading<float>(text);
    }
    std::mt19937_64 random(7);
    for (int i = 0; i < 5000; ++i) {
        const std::string text = Shortest(std::uniform_real_distribution<double>(-1e4, 1e4)(random), false);
        ExpectSameReading<double>(text);
        ExpectSameReading<float>(text);
    }
}

#endif

// On every build, the library's or the fallback's text as the library writes it.
TEST(PortableNumbers, WriteTheShortestTextThatReadsBack) {
    const std::pair<double, const char*> expected[] = {{0.0, "0"}, {-0.0, "-0"}, {6000.0, "6000"}, {273.15, "273.15"},
                                                       {4.2, "4.2"}, {1e22, "1e+22"}, {1e-5, "1e-05"}, {0.001, "0.001"},
                                                       {123456789012345680.0, "123456789012345680"}, {-0.5, "-0.5"},
                                                       {5e-324, "5e-324"}, {1e16, "1e+16"}, {100.0, "100"}};
    for (const auto& [value, text] : expected) EXPECT_EQ(Shortest(value), text);
    char buffer[32];
    EXPECT_EQ(std::string(buffer, FixedToChars(buffer, buffer + sizeof buffer, 1098.15, 4).ptr), "1098.1500");
    std::mt19937_64 random(5);
    for (int i = 0; i < 20000; ++i) {
        const double value = BitCast<double>(random());
        if (!std::isfinite(value)) continue;
        const std::string text = Shortest(value);
        double back = 0;
        ASSERT_EQ(NumberFromChars(text.data(), text.data() + text.size(), back).ec, std::errc()) << text;
        ASSERT_EQ(back, value) << text;
    }
    for (const char* refused : {"+1", " 1", "", "-", ".", "x1"}) {
        double value = 7;
        EXPECT_EQ(NumberFromChars(refused, refused + std::strlen(refused), value).ec, std::errc::invalid_argument) << refused;
        EXPECT_EQ(value, 7);
    }
}

TEST(PortableThreads, AThreadHasRunWhenItIsDestroyed) {
    if (!kThreadsAvailable) GTEST_SKIP() << "a build without threads";
    std::atomic<int> runs{0};
    {
        JoiningThread first([&] { ++runs; });
        JoiningThread second([&] { ++runs; });
    }
    EXPECT_EQ(runs, 2);
    EXPECT_GE(HardwareThreads(), 1u);
}

}  // namespace
}  // namespace kiva
