// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Index entries for tests, with only the fields a search looks at.
#include "chem/fixed_text.h"
#include "chem/molecule_index.h"

namespace kiva::testing {

inline IndexEntry Entry(const char* name, int kind, const char* primary, const char* secondary = "") {
    IndexEntry entry{};
    SetText(entry.name, name);
    SetText(entry.primaryKey, primary);
    SetText(entry.secondaryKey, secondary);
    entry.kind = kind;
    return entry;
}

}  // namespace kiva::testing
