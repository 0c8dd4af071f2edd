// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The print-size dialog's list: the eight percentages it offers, and how the view's print scale
// becomes the dialog's text and back.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kiva {

inline constexpr std::array<std::string_view, 8> kPrintSizes = {"25", "50", "75", "100", "125", "150", "175", "200"};

// The scale times 100, truncated toward zero, in decimal: 1.0 gives "100".
std::string PrintSizeText(float printScale);

// The first item, from the top, that begins with the text, ignoring case; -1 when none does.
int FindPrintSize(std::string_view text);

// The chosen percentage as a scale, n x 0.01; nothing for an empty choice.
std::optional<float> PrintScaleOf(std::string_view printSize);

}  // namespace kiva
