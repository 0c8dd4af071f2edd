// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Expanding one distribution file into the destination, a chunk at a time with progress.
#include <string>

#include "setup/install_session.h"
#include "setup/page_runner.h"

namespace kiva::setup {

enum class ExpandResult {
    Done = 0,
    SourceUnreadable = 1,        // the source cannot be opened
    DestinationUncreatable = 2,  // the destination file cannot be created
    ReadError = 3,
    WriteError = 4,
    Aborted = 5,                 // the user confirmed Abort Setup
};

// Expands session.sourceDir + sourceName into session.installPath + "/" + destName, creating the
// directories of destName on the way. Between chunks the pages process waiting input; the
// progress position is bytesCopied / chunkSize. Nothing is written outside installPath: a
// symbolic link found at the destination name or at one of its directories is replaced, never
// followed.
ExpandResult ExpandFile(InstallSession& session, const std::string& sourceName, const std::string& destName,
                        PageRunner& pages);

}  // namespace kiva::setup
