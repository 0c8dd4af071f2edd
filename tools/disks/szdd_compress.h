// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Compression into the SZDD format that the classic COMPRESS tool writes and the installer's
// expansion reads: a 14-byte header, then LZSS over a 4096-byte window.
#include <cstdint>
#include <string>
#include <string_view>

namespace kiva::disks {

// The largest file the header's 32-bit length can announce.
inline constexpr std::uint64_t kMaxSzddInput = 0xFFFFFFFFu;

// The compressed form of `data`. `missingChar` is the last character of the original name when
// the compressed file's name ends in '_' in its place, or 0 when no character is missing.
// Throws std::length_error for data longer than kMaxSzddInput.
std::string CompressSzdd(std::string_view data, char missingChar = 0);

}  // namespace kiva::disks
