// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/portable_std.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace kiva {

namespace fallback {

namespace {

std::to_chars_result Copy(char* first, char* last, const std::string& text) {
    if (static_cast<std::size_t>(last - first) < text.size()) return {last, std::errc::value_too_large};
    std::memcpy(first, text.data(), text.size());
    return {first + text.size(), std::errc()};
}

// The shortest digits that read back as the value, and the power of ten of the first.
void ShortestDigits(double value, std::string& digits, int& exponent) {
    char buffer[40];
    for (int precision = 0; precision < 17; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*e", precision, value);
        if (std::strtod(buffer, nullptr) == value) break;
    }
    const char* e = std::strchr(buffer, 'e');
    for (const char* c = buffer; c < e; ++c)
        if (*c >= '0' && *c <= '9') digits += *c;
    exponent = std::atoi(e + 1);
}

std::string Exact(double whole) {
    char buffer[400];
    const int length = std::snprintf(buffer, sizeof buffer, "%.0f", whole);
    return std::string(buffer, static_cast<std::size_t>(std::max(length, 0)));
}

// A decimal number's extent, as from_chars reads it: digits with at most one point, at least one
// digit, and an exponent only where digits follow its sign.
const char* DecimalEnd(const char* first, const char* last) {
    const char* c = first;
    bool anyDigit = false;
    while (c < last && *c >= '0' && *c <= '9') ++c, anyDigit = true;
    if (c < last && *c == '.') {
        ++c;
        while (c < last && *c >= '0' && *c <= '9') ++c, anyDigit = true;
    }
    if (!anyDigit) return first;
    if (c < last && (*c == 'e' || *c == 'E')) {
        const char* exponent = c + 1;
        if (exponent < last && (*exponent == '+' || *exponent == '-')) ++exponent;
        const char* exponentDigits = exponent;
        while (exponent < last && *exponent >= '0' && *exponent <= '9') ++exponent;
        if (exponent > exponentDigits) c = exponent;
    }
    return c;
}

bool StartsWithWord(const char* first, const char* last, const char* word) {
    const std::size_t length = std::strlen(word);
    if (static_cast<std::size_t>(last - first) < length) return false;
    for (std::size_t i = 0; i < length; ++i)
        if ((first[i] | 0x20) != word[i]) return false;
    return true;
}

template <typename Number, typename Convert>
std::from_chars_result FromChars(const char* first, const char* last, Number& value, Convert convert) {
    const char* start = first < last && *first == '-' ? first + 1 : first;
    const bool negative = start != first;
    if (StartsWithWord(start, last, "inf")) {
        value = negative ? -INFINITY : INFINITY;
        return {start + (StartsWithWord(start, last, "infinity") ? 8 : 3), std::errc()};
    }
    if (StartsWithWord(start, last, "nan")) {
        value = negative ? -NAN : NAN;
        return {start + 3, std::errc()};
    }
    const char* end = DecimalEnd(start, last);
    if (end == start) return {first, std::errc::invalid_argument};
    const std::string text(first, end);
    errno = 0;
    const Number number = convert(text.c_str());
    // A number beyond the type's range, or too small for anything but zero; a subnormal one is read.
    if (errno == ERANGE && (std::isinf(number) || number == 0)) return {end, std::errc::result_out_of_range};
    value = number;
    return {end, std::errc()};
}

}  // namespace

std::to_chars_result ShortestToChars(char* first, char* last, double value) {
    if (std::isnan(value)) return Copy(first, last, std::signbit(value) ? "-nan" : "nan");
    if (std::isinf(value)) return Copy(first, last, value < 0 ? "-inf" : "inf");
    std::string sign = std::signbit(value) ? "-" : "";
    if (value == 0) return Copy(first, last, sign + "0");
    std::string digits;
    int exponent = 0;
    ShortestDigits(std::fabs(value), digits, exponent);
    const int count = static_cast<int>(digits.size());
    // Scientific: d.ddde+XX with at least two digits of exponent.
    char exponentText[16];
    std::snprintf(exponentText, sizeof exponentText, "e%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    const std::string scientific = digits.substr(0, 1) + (count > 1 ? "." + digits.substr(1) : "") + exponentText;
    std::string fixed;
    // A whole number in fixed notation is written exactly, in as many digits.
    if (exponent >= count - 1) fixed = Exact(std::fabs(value));
    else if (exponent >= 0) fixed = digits.substr(0, static_cast<std::size_t>(exponent + 1)) + "." + digits.substr(static_cast<std::size_t>(exponent + 1));
    else fixed = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    // The shorter of the two, the fixed one where they tie.
    return Copy(first, last, sign + (scientific.size() < fixed.size() ? scientific : fixed));
}

std::to_chars_result FixedToChars(char* first, char* last, double value, int digits) {
    char buffer[400];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*f", digits, value);
    if (length < 0 || length >= static_cast<int>(sizeof buffer)) return {last, std::errc::value_too_large};
    return Copy(first, last, std::string(buffer, static_cast<std::size_t>(length)));
}

std::from_chars_result NumberFromChars(const char* first, const char* last, double& value) {
    return FromChars(first, last, value, [](const char* text) { return std::strtod(text, nullptr); });
}

std::from_chars_result NumberFromChars(const char* first, const char* last, float& value) {
    return FromChars(first, last, value, [](const char* text) { return std::strtof(text, nullptr); });
}

}  // namespace fallback

#if defined(__cpp_lib_to_chars)

std::to_chars_result ShortestToChars(char* first, char* last, double value) { return std::to_chars(first, last, value); }

std::to_chars_result FixedToChars(char* first, char* last, double value, int digits) {
    return std::to_chars(first, last, value, std::chars_format::fixed, digits);
}

std::from_chars_result NumberFromChars(const char* first, const char* last, double& value) {
    return std::from_chars(first, last, value);
}

std::from_chars_result NumberFromChars(const char* first, const char* last, float& value) {
    return std::from_chars(first, last, value);
}

#else

std::to_chars_result ShortestToChars(char* first, char* last, double value) {
    return fallback::ShortestToChars(first, last, value);
}

std::to_chars_result FixedToChars(char* first, char* last, double value, int digits) {
    return fallback::FixedToChars(first, last, value, digits);
}

std::from_chars_result NumberFromChars(const char* first, const char* last, double& value) {
    return fallback::NumberFromChars(first, last, value);
}

std::from_chars_result NumberFromChars(const char* first, const char* last, float& value) {
    return fallback::NumberFromChars(first, last, value);
}

#endif

}  // namespace kiva
