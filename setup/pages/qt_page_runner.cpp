// SPDX-License-Identifier: GPL-2.0-or-later
#include "setup/pages/qt_page_runner.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "setup/pages/setup_page.h"

namespace kiva::setup {

QtPageRunner::QtPageRunner(QWidget* owner) : owner_(owner) {}

QtPageRunner::~QtPageRunner() = default;

PageOutcome QtPageRunner::RunPage(const PageRequest& request) {
    CSetupPage page(request, [this](const std::string& message) { RunPage({PageId::Error, message, {}}); }, owner_);
    return page.Run();
}

void QtPageRunner::CreateProgressPage(std::function<void()> onAbortSetup) {
    progress_ = std::make_unique<CSetupPage>(PageRequest{PageId::Progress, {}, {}}, nullptr, owner_);
    progress_->SetButtonAction(result::kAbortSetup, std::move(onAbortSetup));
}

void QtPageRunner::ShowProgressPage(bool visible) {
    if (progress_) progress_->setVisible(visible);
}

void QtPageRunner::SetProgressFile(const std::string& destName) {
    if (progress_) progress_->SetStaticText(control::kCurrentFile, QString::fromStdString(destName));
}

void QtPageRunner::SetProgressPosition(std::int64_t position) {
    if (progress_) progress_->SetProgress(position);
}

void QtPageRunner::ProcessEvents() { QCoreApplication::processEvents(); }

void QtPageRunner::Wait(int milliseconds) {
    // The window keeps painting while the program manager is given its time.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace kiva::setup
