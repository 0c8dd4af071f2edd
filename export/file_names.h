// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A written file's format, told by how its name ends.
#include <algorithm>
#include <cctype>
#include <string_view>

namespace kiva {

// Whether `text` ends in `ending`, given in lower case, in any letter case: "NaCl.PDB" ends in ".pdb".
inline bool EndsWithCaseless(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() &&
           std::equal(ending.begin(), ending.end(), text.end() - static_cast<std::ptrdiff_t>(ending.size()),
                      [](char lower, char c) { return std::tolower(static_cast<unsigned char>(c)) == lower; });
}

}  // namespace kiva
