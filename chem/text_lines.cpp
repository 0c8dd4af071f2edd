// SPDX-License-Identifier: GPL-2.0-or-later
#include "chem/text_lines.h"
#include "platform/portable_std.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace kiva {

std::optional<std::string> ReadLine(std::FILE* file, std::size_t maxKept) {
    std::string line;
    int c = std::fgetc(file);
    if (c == EOF) return std::nullopt;
    while (c != EOF && c != '\n') {
        if (line.size() < maxKept) line.push_back(static_cast<char>(c));
        c = std::fgetc(file);
    }
    // A CR that ends the kept text is the first half of a CR LF line end.
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

std::vector<std::string_view> SplitWords(std::string_view line) {
    std::vector<std::string_view> words;
    auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; };
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i])) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return words;
}

namespace {

// Splits an optional sign from the digits; nothing unless at least one digit follows.
std::optional<std::pair<bool, std::string_view>> SignAndDigits(std::string_view word) {
    bool negative = false;
    if (!word.empty() && (word[0] == '-' || word[0] == '+')) {
        negative = word[0] == '-';
        word.remove_prefix(1);
    }
    if (word.empty()) return std::nullopt;
    for (char c : word)
        if (c < '0' || c > '9') return std::nullopt;
    return std::pair{negative, word};
}

}  // namespace

std::optional<int> ParseInt(std::string_view word) {
    const auto parts = SignAndDigits(word);
    if (!parts) return std::nullopt;
    const long long limit = std::numeric_limits<int>::max();
    long long value = 0;
    for (char c : parts->second) {
        value = value * 10 + (c - '0');
        if (value > limit) {
            value = limit + 1;  // saturates: one more than the largest int for the negative side
            break;
        }
    }
    if (parts->first) return static_cast<int>(-value);
    return static_cast<int>(value > limit ? limit : value);
}

std::optional<unsigned> ParseLowByte(std::string_view word) {
    const auto parts = SignAndDigits(word);
    if (!parts) return std::nullopt;
    unsigned value = 0;
    for (char c : parts->second) value = (value * 10 + static_cast<unsigned>(c - '0')) & 0xFFu;
    return parts->first ? (256u - value) & 0xFFu : value;
}

std::string Quoted(std::string_view text) {
    constexpr std::size_t kShown = 40;
    std::string shown;
    for (const char c : text.substr(0, kShown)) shown += c >= ' ' && c <= '~' ? c : '?';
    return "\"" + shown + (text.size() > kShown ? "...\"" : "\"");
}

std::optional<float> ParseFloat(std::string_view word) {
    if (!word.empty() && word[0] == '+') word.remove_prefix(1);
    float value = 0;
    const auto [end, error] = NumberFromChars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

std::string NameList(const std::vector<std::string>& names) {
    std::string list;
    for (std::size_t i = 0; i < names.size() && i < 10; ++i) list += (i == 0 ? "" : ", ") + names[i];
    if (names.size() > 10) list += " and " + std::to_string(names.size() - 10) + " more";
    return list;
}

TableRefusal ReadTableLines(std::string_view text, const std::vector<std::string_view>& head, std::size_t maxBytes,
                            std::size_t maxLineBytes, const std::function<std::string(std::string_view line)>& row) {
    if (text.size() > maxBytes) return {"the table is larger than " + std::to_string(maxBytes >> 20) + " MiB", 0};
    int lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.size() > maxLineBytes) return {"the line is longer than " + std::to_string(maxLineBytes) + " bytes", lineNumber};
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (static_cast<std::size_t>(lineNumber) <= head.size()) {
            const std::string_view wanted = head[static_cast<std::size_t>(lineNumber - 1)];
            if (line != wanted) return {"the line is " + Quoted(line) + ", not " + Quoted(wanted), lineNumber};
            continue;
        }
        if (line.empty()) continue;
        if (std::string error = row(line); !error.empty()) return {std::move(error), lineNumber};
    }
    if (static_cast<std::size_t>(lineNumber) < head.size())
        return {"the table lacks its header " + Quoted(head[static_cast<std::size_t>(lineNumber)]), lineNumber + 1};
    return {};
}

}  // namespace kiva
