// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The installer's own texts that its logic shows: the painted title and the error page's messages.
namespace kiva::setup {

inline constexpr const char* kSetupTitle = "Zelkora 1.0 Setup";
inline constexpr const char* kCannotCreateDestination = "Destination directory cannot be created.";
inline constexpr const char* kCannotReadSource = "Cannot read file from the source disk.";
inline constexpr const char* kSetupIncomplete = "Setup is incomplete.";
inline constexpr const char* kEnterCorrectSource = "Please enter correct source directory.";
inline constexpr const char* kCannotWriteDestination = "Cannot write file to the destination directory.";
// Shown instead of the success page, followed by the titles of the entries.
inline constexpr const char* kMenuEntriesNotCreated =
    "The program is installed, but these menu entries could not be created so that they start it:";

}  // namespace kiva::setup
