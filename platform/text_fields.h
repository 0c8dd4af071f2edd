// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Small text helpers for paths, path lists and command lines.
#include <string>
#include <string_view>
#include <vector>

namespace kiva {

// The fields between separators, in order; empty fields are left out, so "/a//b/" gives a, b.
std::vector<std::string> SplitFields(std::string_view text, char separator);

// The text without the blanks and tabs around it.
std::string TrimBlanks(std::string_view text);

}  // namespace kiva
