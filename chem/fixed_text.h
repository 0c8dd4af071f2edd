// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Texts in records are fixed-size char arrays holding a NUL-terminated string; these helpers
// read and write them without ever running past the array.
#include <cstddef>
#include <cstring>
#include <string_view>

namespace kiva {

// The text up to the first NUL, or the whole array when it holds none.
template <std::size_t N>
std::string_view TextOf(const char (&field)[N]) {
    const void* nul = std::memchr(field, '\0', N);
    return {field, nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : N};
}

// Stores at most N - 1 characters of text and pads the rest of the array with NULs.
template <std::size_t N>
void SetText(char (&field)[N], std::string_view text) {
    const std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, N - length);
}

}  // namespace kiva
