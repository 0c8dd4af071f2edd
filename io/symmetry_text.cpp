// SPDX-License-Identifier: GPL-2.0-or-later
#include "io/symmetry_text.h"
#include "platform/portable_std.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace kiva {

namespace {

// A symmetry matrix holds small integers and fractions; anything large is damage.
constexpr double kMaxEntry = 1000;

// One coordinate expression: coefficients of x, y and z and a constant.
using Linear = std::array<double, 4>;

// An unsigned decimal ("2", "0.25") or a fraction of two ("1/3"): one slash at most.
std::optional<double> ParseDecimal(std::string_view& text) {
    std::size_t length = 0;
    while (length < text.size() && (std::isdigit(static_cast<unsigned char>(text[length])) || text[length] == '.')) ++length;
    if (length == 0) return std::nullopt;
    double value = 0;
    const auto [end, error] = NumberFromChars(text.data(), text.data() + length, value);
    if (error != std::errc() || end != text.data() + length) return std::nullopt;
    text.remove_prefix(length);
    return value;
}

std::optional<double> ParseNumber(std::string_view& text) {
    const auto numerator = ParseDecimal(text);
    if (!numerator || text.empty() || text[0] != '/') return numerator;
    text.remove_prefix(1);
    const auto denominator = ParseDecimal(text);
    if (!denominator || *denominator == 0) return std::nullopt;
    return *numerator / *denominator;
}

std::optional<Linear> ParseLinear(std::string_view text) {
    Linear result{};
    std::string compact;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c))) compact += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string_view rest = compact;
    if (rest.empty()) return std::nullopt;
    while (!rest.empty()) {
        double sign = 1;
        if (rest[0] == '+' || rest[0] == '-') {
            sign = rest[0] == '-' ? -1 : 1;
            rest.remove_prefix(1);
        }
        double factor = 1;
        bool hasNumber = false;
        if (const auto number = ParseNumber(rest)) {
            factor = *number;
            hasNumber = true;
            if (!rest.empty() && rest[0] == '*') rest.remove_prefix(1);
        }
        if (!rest.empty() && (rest[0] == 'x' || rest[0] == 'y' || rest[0] == 'z')) {
            result[static_cast<std::size_t>(rest[0] - 'x')] += sign * factor;
            rest.remove_prefix(1);
        } else if (hasNumber) {
            result[3] += sign * factor;
        } else {
            return std::nullopt;
        }
        if (!rest.empty() && rest[0] != '+' && rest[0] != '-') return std::nullopt;
    }
    return result;
}

std::optional<std::array<Linear, 3>> ParseTriplet(std::string_view text) {
    if (text.size() > kMaxTripletText) return std::nullopt;
    std::array<Linear, 3> rows;
    for (int axis = 0; axis < 3; ++axis) {
        const std::size_t comma = text.find(',');
        if ((axis < 2) != (comma != std::string_view::npos)) return std::nullopt;
        const auto row = ParseLinear(text.substr(0, comma));
        if (!row) return std::nullopt;
        for (const double value : *row)
            if (!(std::fabs(value) <= kMaxEntry)) return std::nullopt;
        rows[static_cast<std::size_t>(axis)] = *row;
        text = axis < 2 ? text.substr(comma + 1) : std::string_view();
    }
    return rows;
}

}  // namespace

std::optional<Matrix4> ParseSymmetryOperation(std::string_view text) {
    const auto rows = ParseTriplet(text);
    if (!rows) return std::nullopt;
    Matrix4 operation = IdentityMatrix();
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) operation.m[i][j] = static_cast<float>((*rows)[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)]);
    return operation;
}

std::optional<Vector3D> ParseFractionTriplet(std::string_view text) {
    const auto rows = ParseTriplet(text);
    if (!rows) return std::nullopt;
    for (const Linear& row : *rows)
        if (row[0] != 0 || row[1] != 0 || row[2] != 0) return std::nullopt;
    return Vector3D{static_cast<float>((*rows)[0][3]), static_cast<float>((*rows)[1][3]), static_cast<float>((*rows)[2][3])};
}

}  // namespace kiva
