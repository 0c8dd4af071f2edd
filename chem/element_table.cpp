// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/element_table.h"

#include <charconv>
#include <cstdio>

#include "chem/fixed_text.h"
#include "chem/text_lines.h"
#include "platform/portable_std.h"

namespace kiva {

namespace {

constexpr std::size_t kMaxLineLength = 255;

// Parses the fields of one row line in order and stops at the first one missing or malformed,
// so the fields after it keep the row's previous values. A symbol that begins with a NUL byte is
// empty, and a row saved without a symbol would not read back.
void ParseElementRow(std::string_view line, ElementInfo& row) {
    const auto words = SplitWords(line);
    if (words.empty() || words[0][0] == '\0') return;
    SetText(row.symbol, words[0]);
    unsigned channel[3] = {row.color & 0xFFu, (row.color >> 8) & 0xFFu, (row.color >> 16) & 0xFFu};
    float* radius[3] = {&row.atomicRadius, &row.cationRadius, &row.anionRadius};
    std::size_t field = 1;
    for (; field < 4 && field < words.size(); ++field) {
        const auto value = ParseLowByte(words[field]);
        if (!value) break;
        channel[field - 1] = *value;
    }
    row.color = MakeColor(channel[0], channel[1], channel[2]);
    if (field < 4) return;
    for (; field < 7 && field < words.size(); ++field) {
        const auto value = ParseFloat(words[field]);
        if (!value) return;
        *radius[field - 4] = *value;
    }
}

void AppendRadius(std::string& text, float radius) {
    char buffer[64];
    const auto result = FixedToChars(buffer, buffer + sizeof buffer, radius, 2);
    text.append(buffer, result.ptr);
}

}  // namespace

bool LoadElementTable(ElementTable& table, const std::string& file) {
    FilePointer input(std::fopen(file.c_str(), "rb"));
    if (!input) return false;
    const auto first = ReadLine(input.get(), kMaxLineLength);
    if (!first) return false;
    const auto words = SplitWords(*first);
    const auto declared = words.empty() ? std::nullopt : ParseInt(words[0]);
    if (!declared || *declared <= 0) return false;  // keeps the built-in rows, and so a fallback row
    table.count = *declared < kElementRows ? *declared : kElementRows;
    for (int i = 0; i < table.count; ++i) {
        const auto line = ReadLine(input.get(), kMaxLineLength);
        if (!line) break;
        ParseElementRow(*line, table.rows[i]);
    }
    return true;
}

bool LoadElementTable(ElementTable& table) { return LoadElementTable(table, table.path); }

std::string FormatElementTable(const ElementTable& table) {
    std::string text = std::to_string(table.count) + "\r\n";
    for (int i = 0; i < table.count && i < kElementRows; ++i) {
        const ElementInfo& row = table.rows[i];
        char head[32];
        std::snprintf(head, sizeof head, "%-4.3s %3u %3u %3u ", row.symbol, row.color & 0xFFu,
                      (row.color >> 8) & 0xFFu, (row.color >> 16) & 0xFFu);
        text += head;
        AppendRadius(text, row.atomicRadius);
        text += ' ';
        AppendRadius(text, row.cationRadius);
        text += ' ';
        AppendRadius(text, row.anionRadius);
        text += "\r\n";
    }
    return text;
}

bool SaveElementTable(const ElementTable& table) {
    if (table.path.empty()) return false;
    const std::string text = FormatElementTable(table);
    const std::string temporary = table.path + ".new";
    FilePointer output(std::fopen(temporary.c_str(), "wb"));
    if (!output) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), output.get()) == text.size();
    const bool closed = std::fclose(output.release()) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), table.path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

std::string IonLabel(std::string_view element, int charge) {
    std::string label(element);
    if (charge == 0) return label;
    const int size = charge < 0 ? -charge : charge;
    if (size > 1) label += std::to_string(size);
    return label + (charge > 0 ? "+" : "-");
}

std::string_view ElementKey(std::string_view symbol) {
    const auto aboveNine = [](char c) {
        const auto code = static_cast<unsigned char>(c);
        return code >= 0x3A && code <= 0x7F;
    };
    return symbol.size() >= 2 && aboveNine(symbol[1]) ? symbol.substr(0, 2) : symbol.substr(0, 1);
}

namespace {

int SearchedRows(const ElementTable& table) {
    return table.count < 1 ? 1 : (table.count > kElementRows ? kElementRows : table.count);
}

}  // namespace

const ElementInfo* FindElementRow(const ElementTable& table, std::string_view symbol) {
    const std::string_view key = ElementKey(symbol);
    for (int i = 0; i < SearchedRows(table); ++i)
        if (TextOf(table.rows[i].symbol) == key) return &table.rows[i];
    return nullptr;
}

ElementLook LookupElement(const ElementTable& table, std::string_view symbol, int charge) {
    const ElementInfo* found = FindElementRow(table, symbol);
    if (!found) found = &table.rows[SearchedRows(table) - 1];
    float radius = charge == 0 ? found->atomicRadius : (charge > 0 ? found->cationRadius : found->anionRadius);
    if (radius < 0.0001f) radius = found->atomicRadius;
    return {found->color, radius};
}

}  // namespace kiva
