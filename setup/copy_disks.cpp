// SPDX-License-Identifier: GPL-2.0-or-later
#include "setup/copy_disks.h"

#include "setup/expand_file.h"
#include "setup/setup_messages.h"

namespace kiva::setup {

namespace {

// Asks for the next disk; false when the user exits.
bool AskForDisk(InstallSession& session, const CopyServices& services) {
    services.pages.ShowProgressPage(false);
    for (;;) {
        const PageOutcome outcome =
            services.pages.RunPage({PageId::InsertDisk, session.sourceDir, services.checkSource});
        if (outcome.result == result::kExitSetup) {
            if (services.confirmExit()) return false;
            continue;
        }
        // Leaving the page any other way keeps the directory it was preset with.
        if (outcome.result == result::kContinue) session.sourceDir = outcome.text;
        if (!session.sourceDir.ends_with('/')) session.sourceDir += '/';
        services.pages.ShowProgressPage(true);
        return true;
    }
}

void ReportFailure(ExpandResult result, PageRunner& pages) {
    if (result == ExpandResult::Aborted) return;
    const bool reading = result == ExpandResult::SourceUnreadable || result == ExpandResult::ReadError;
    pages.ShowProgressPage(false);
    pages.RunPage({PageId::Error, reading ? kCannotReadSource : kCannotWriteDestination, {}});
}

}  // namespace

bool CopyAllDisks(InstallSession& session, const CopyServices& services) {
    PageRunner& pages = services.pages;
    // The page outlives this copy, so its button holds what it needs by value.
    pages.CreateProgressPage([&session, &pages, confirmExit = services.confirmExit] {
        pages.ShowProgressPage(false);
        if (confirmExit())
            session.abortRequested = true;
        else
            pages.ShowProgressPage(true);
    });
    pages.SetProgressPosition(0);
    pages.ShowProgressPage(true);
    session.bytesCopied = 0;
    for (std::size_t disk = 0; disk < session.disks.size(); ++disk) {
        if (disk > 0 && !AskForDisk(session, services)) return false;
        const DiskFiles& files = session.disks[disk];
        for (std::size_t i = 0; i < files.sourceNames.size(); ++i) {
            pages.SetProgressFile(files.destNames[i]);
            const ExpandResult result = ExpandFile(session, files.sourceNames[i], files.destNames[i], pages);
            if (result != ExpandResult::Done) {
                ReportFailure(result, pages);
                return false;
            }
        }
    }
    return true;
}

}  // namespace kiva::setup
