// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Damaging a source file's text, and reading what its reader says of it.
#include <functional>
#include <string>

#include "io/source_error.h"

namespace kiva::testing {

// The message of the SourceError the action throws, with the format in brackets when it names
// one; "no error" when it throws none.
inline std::string SourceErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const SourceError& error) {
        return error.what() + (error.Format().empty() ? std::string() : " [" + error.Format() + "]");
    }
    return "no error";
}

// The text with the first `what` replaced.
inline std::string Replaced(std::string text, const std::string& what, const std::string& with) {
    return text.replace(text.find(what), what.size(), with);
}

}  // namespace kiva::testing
