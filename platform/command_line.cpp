// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/command_line.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

namespace kiva {

namespace {

bool HasAnyOf(int argc, const char* const* argv, std::initializer_list<std::string_view> words) {
    for (int i = 1; i < argc; ++i)
        if (std::find(words.begin(), words.end(), std::string_view(argv[i])) != words.end()) return true;
    return false;
}

}  // namespace

bool AsksForUsage(int argc, const char* const* argv) { return HasAnyOf(argc, argv, {"--help", "-h"}); }

bool AsksForVersion(int argc, const char* const* argv) { return HasAnyOf(argc, argv, {"--version"}); }

}  // namespace kiva
