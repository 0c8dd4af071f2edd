// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The element table: a display colour and three radii for each of 43 element symbols.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kiva {

// One row; 20 bytes, copied as a block by the colour dialog.
struct ElementInfo {
    char symbol[4];        // NUL-terminated, at most 3 characters
    std::uint32_t color;   // red in bits 0-7, green 8-15, blue 16-23
    float atomicRadius;    // angstrom
    float cationRadius;    // angstrom; 0 when there is none
    float anionRadius;     // angstrom; 0 when there is none
};
static_assert(sizeof(ElementInfo) == 20);

inline constexpr int kElementRows = 43;

struct ElementTable {
    std::string path;  // Elements.dat, used for loading and saving
    int count = 0;     // valid rows; the lookup's fallback is row count - 1
    std::array<ElementInfo, kElementRows> rows{};
};

// The built-in rows, in table order.
const std::array<ElementInfo, kElementRows>& DefaultElements();

// A table holding the built-in rows, count 43, no path.
ElementTable MakeDefaultElementTable();

constexpr std::uint32_t MakeColor(unsigned red, unsigned green, unsigned blue) {
    return (red & 0xFFu) | (green & 0xFFu) << 8 | (blue & 0xFFu) << 16;
}

// Reads the element file at `file` over the table's rows. False, with the table unchanged, when
// the file cannot be opened or its first line holds no positive row count. A count above 43
// reads 43 rows; a field missing at the end of a row line keeps the row's previous value.
bool LoadElementTable(ElementTable& table, const std::string& file);
bool LoadElementTable(ElementTable& table);  // from table.path

// The file's exact text: the count, then one "%-4s %3d %3d %3d %.2f %.2f %.2f" line per row,
// every line ending in CR LF.
std::string FormatElementTable(const ElementTable& table);

// Writes the table to table.path through a temporary file renamed into place, so a failed write
// never leaves a truncated table. False when it could not be written.
bool SaveElementTable(const ElementTable& table);

// The part of an atom label that names its element: the first two characters when the second
// lies above the digit 9 (0x3A to 0x7F), else the first alone. Na+ gives Na, O2- gives O, C1 gives C.
std::string_view ElementKey(std::string_view symbol);

// The atom label of an element with an integer charge: Na+, Ca2+, O2-, and the symbol alone for 0.
std::string IonLabel(std::string_view element, int charge);

// The row whose symbol is the label's element key, or null.
const ElementInfo* FindElementRow(const ElementTable& table, std::string_view symbol);

struct ElementLook {
    std::uint32_t color;
    float radius;  // angstrom
};

// Colour and radius to draw an atom label (Na+, O2-, C1) with an integer charge: the key is the
// label's first two characters when the second is above the digit 9, else its first; an unknown
// key falls back to the last row, a missing ionic radius to the atomic one.
ElementLook LookupElement(const ElementTable& table, std::string_view symbol, int charge);

}  // namespace kiva
