// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The installer's own texts that its logic shows: the painted title and the error page's messages.
// The pages show them translated in the context kSetupMessagesContext.
#include "platform/translatable.h"

namespace kiva::setup {

inline constexpr const char* kSetupMessagesContext = "SetupMessages";

inline constexpr const char* kSetupTitle = KIVA_TRANSLATABLE("SetupMessages", "Zelkora 1.0 Setup");
inline constexpr const char* kCannotCreateDestination = KIVA_TRANSLATABLE("SetupMessages", "Destination directory cannot be created.");
inline constexpr const char* kCannotReadSource = KIVA_TRANSLATABLE("SetupMessages", "Cannot read file from the source disk.");
inline constexpr const char* kSetupIncomplete = KIVA_TRANSLATABLE("SetupMessages", "Setup is incomplete.");
inline constexpr const char* kEnterCorrectSource = KIVA_TRANSLATABLE("SetupMessages", "Please enter correct source directory.");
inline constexpr const char* kCannotWriteDestination = KIVA_TRANSLATABLE("SetupMessages", "Cannot write file to the destination directory.");
// Shown instead of the success page, followed by the titles of the entries.
inline constexpr const char* kMenuEntriesNotCreated = KIVA_TRANSLATABLE(
    "SetupMessages", "The program is installed, but these menu entries could not be created so that they start it:");

}  // namespace kiva::setup
