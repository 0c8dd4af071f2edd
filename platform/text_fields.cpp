// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/text_fields.h"

#include <algorithm>

namespace kiva {

std::vector<std::string> SplitFields(std::string_view text, char separator) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(separator, start), text.size());
        if (end > start) fields.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

std::string TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace kiva
