// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/unit_cell_multiples_model.h"

#include "chem/text_lines.h"
#include "render/view_state.h"

namespace kiva {

std::optional<MultiplesRefusal> ReadCellMultiples(const std::array<std::string, 3>& texts,
                                                  std::array<int, 3>& multiples) {
    for (int axis = 0; axis < 3; ++axis) {
        const auto words = SplitWords(texts[axis]);
        const bool digitsOnly = words.size() == 1 && words[0].find_first_not_of("0123456789") == std::string_view::npos;
        if (!digitsOnly) return MultiplesRefusal{axis, "Please enter a positive integer."};
        const int value = *ParseInt(words[0]);  // saturates, so a huge number is out of range
        if (value < 1 || value > kMaxCellMultiple)
            return MultiplesRefusal{axis, "Please enter an integer between 1 and " + std::to_string(kMaxCellMultiple) + ".", true};
        multiples[axis] = value;
    }
    return std::nullopt;
}

}  // namespace kiva
