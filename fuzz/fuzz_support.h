// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What every fuzz target shares: scratch files for the readers that open a path, and the checks
// that turn a broken promise into a crash the fuzzer keeps.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "chem/compound_record.h"

namespace kiva::fuzz {

// The fuzzer's bytes as text or binary data.
inline std::string_view BytesOf(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Writes the bytes to a file of this name in the process's own scratch directory, removed at
// exit, and returns its path.
std::string WriteScratchFile(const std::string& name, std::string_view bytes);

// Reports the broken promise and aborts, so the fuzzer saves the input.
[[noreturn]] void Violated(const std::string& what);
inline void Require(bool holds, const char* what) {
    if (!holds) Violated(what);
}

// Reports where the two differ, and aborts, unless they are equal.
void RequireEqual(std::string_view expected, std::string_view actual, const char* what);

// The record's stream bytes, as Molecule.dat and the document file hold them.
std::string StreamBytes(const CompoundRecord& record);

// What a program writes it must read back: the record, written and read again, is written as
// the same bytes.
void RequireRecordRoundTrip(const CompoundRecord& record, const char* what);

}  // namespace kiva::fuzz
