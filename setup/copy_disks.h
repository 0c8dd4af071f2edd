// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Copying every disk: the progress page, the prompt for each further disk, and the messages of
// a failed copy.
#include <functional>

#include "setup/install_session.h"
#include "setup/page_runner.h"

namespace kiva::setup {

struct CopyServices {
    PageRunner& pages;
    std::function<bool()> confirmExit;  // runs the confirm-exit page; true when the user exits
    ContinueChecker checkSource;        // the insert-disk page's check of a typed directory
};

// Copies the files of every disk in order into session.installPath. False after a failure, which
// has been reported, or after the user chose to exit.
bool CopyAllDisks(InstallSession& session, const CopyServices& services);

}  // namespace kiva::setup
