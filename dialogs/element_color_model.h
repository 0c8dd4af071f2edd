// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What the element colour dialog does, without any window: a working copy of all 43 element
// rows, the colour being edited as red, green and blue, and the row it belongs to. The Qt dialog
// passes its edits' texts and its list's selection in and shows what the model holds.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "chem/element_table.h"
#include "platform/translatable.h"

namespace kiva {

enum class ColorEdit { Red, Green, Blue };

// The controls' contents: the three edits' texts and the element list's selected row.
struct ColorFields {
    std::string red, green, blue;
    int row = 0;
};

inline constexpr const char* kColorRefusal = KIVA_TRANSLATABLE("ElementColorDialog", "Please enter an integer between 0 and 255.");

class ElementColorModel {
public:
    using Rows = std::array<ElementInfo, kElementRows>;

    // Shows row 0.
    explicit ElementColorModel(const Rows& rows);

    const Rows& Table() const { return table_; }
    int Row() const { return row_; }
    std::uint32_t Color() const { return MakeColor(red_, green_, blue_); }
    // What writing the fields puts into the controls.
    ColorFields Fields() const;

    // Reads blue, green and red, then the row, and stops at the first edit that does not hold an
    // integer from 0 to 255, which it returns; the values not yet read stay as they were. While
    // the user is typing, an emptied edit stops the reading without a refusal.
    std::optional<ColorEdit> Read(const ColorFields& fields, bool whileTyping = false);
    // Another element was chosen: what was typed belongs to the element shown while it was typed.
    std::optional<ColorEdit> SwitchElement(const ColorFields& fields);
    // The colour chooser's answer; the row takes it at the next switch or at OK.
    void SetColor(std::uint32_t color);
    // The built-in table, radii and all, and the current row's built-in colour.
    void RestoreDefaults();
    // OK: reads and stores the colour into the current row. A refused edit keeps the dialog open.
    std::optional<ColorEdit> Commit(const ColorFields& fields);

private:
    void Split(std::uint32_t color);

    Rows table_;
    unsigned red_ = 0, green_ = 0, blue_ = 0;
    int row_ = 0;
};

}  // namespace kiva
