// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The installer's pages as Qt dialogs over the full-screen window.
#include <memory>

#include "setup/page_runner.h"

class QWidget;

namespace kiva::setup {

class CSetupPage;

class QtPageRunner : public PageRunner {
public:
    explicit QtPageRunner(QWidget* owner);
    ~QtPageRunner() override;

    PageOutcome RunPage(const PageRequest& request) override;
    void CreateProgressPage(std::function<void()> onAbortSetup) override;
    void ShowProgressPage(bool visible) override;
    void SetProgressFile(const std::string& destName) override;
    void SetProgressPosition(std::int64_t position) override;
    void ProcessEvents() override;
    void Wait(int milliseconds) override;

    CSetupPage* progressPage() const { return progress_.get(); }

private:
    QWidget* owner_;
    std::unique_ptr<CSetupPage> progress_;
};

}  // namespace kiva::setup
