// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/element_color_model.h"

#include "chem/text_lines.h"

namespace kiva {

namespace {

std::optional<unsigned> ParseChannel(const std::string& text) {
    const auto words = SplitWords(text);
    if (words.size() != 1) return std::nullopt;
    const auto value = ParseInt(words[0]);
    if (!value || *value < 0 || *value > 255) return std::nullopt;
    return static_cast<unsigned>(*value);
}

}  // namespace

ElementColorModel::ElementColorModel(const Rows& rows) : table_(rows) { Split(table_[0].color); }

ColorFields ElementColorModel::Fields() const {
    return {std::to_string(red_), std::to_string(green_), std::to_string(blue_), row_};
}

std::optional<ColorEdit> ElementColorModel::Read(const ColorFields& fields, bool whileTyping) {
    const std::pair<const std::string*, unsigned*> order[] = {
        {&fields.blue, &blue_}, {&fields.green, &green_}, {&fields.red, &red_}};
    const ColorEdit edits[] = {ColorEdit::Blue, ColorEdit::Green, ColorEdit::Red};
    for (int i = 0; i < 3; ++i) {
        const auto [text, channel] = order[i];
        if (whileTyping && SplitWords(*text).empty()) return std::nullopt;
        const auto value = ParseChannel(*text);
        if (!value) return edits[i];
        *channel = *value;
    }
    if (fields.row >= 0 && fields.row < kElementRows) row_ = fields.row;
    return std::nullopt;
}

std::optional<ColorEdit> ElementColorModel::SwitchElement(const ColorFields& fields) {
    const int previous = row_;
    const auto refused = Read(fields);
    table_[previous].color = Color();
    Split(table_[row_].color);
    return refused;
}

void ElementColorModel::SetColor(std::uint32_t color) { Split(color); }

void ElementColorModel::RestoreDefaults() {
    table_ = DefaultElements();
    Split(table_[row_].color);
}

std::optional<ColorEdit> ElementColorModel::Commit(const ColorFields& fields) {
    const auto refused = Read(fields);
    table_[row_].color = Color();
    return refused;
}

void ElementColorModel::Split(std::uint32_t color) {
    red_ = color & 0xFFu;
    green_ = (color >> 8) & 0xFFu;
    blue_ = (color >> 16) & 0xFFu;
}

}  // namespace kiva
