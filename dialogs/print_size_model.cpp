// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/print_size_model.h"

#include <algorithm>
#include <cctype>

#include "chem/text_lines.h"

namespace kiva {

std::string PrintSizeText(float printScale) {
    return std::to_string(static_cast<long long>(static_cast<double>(printScale) * 100.0));
}

int FindPrintSize(std::string_view text) {
    const auto sameLetter = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    for (std::size_t i = 0; i < kPrintSizes.size(); ++i) {
        const std::string_view item = kPrintSizes[i];
        if (item.size() >= text.size() && std::equal(text.begin(), text.end(), item.begin(), sameLetter))
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<float> PrintScaleOf(std::string_view printSize) {
    const auto value = ParseInt(printSize);
    if (!value) return std::nullopt;
    return static_cast<float>(*value * 0.01);
}

}  // namespace kiva
