// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/command_line.h"

#include <string_view>

namespace kiva {

bool AsksForUsage(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") return true;
    }
    return false;
}

}  // namespace kiva
