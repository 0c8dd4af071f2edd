// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// One installer page, built from its template. A button ends the page with its own id, except
// where the page checks its edit first (Continue on the destination and insert-disk pages) or
// the button acts without ending it (Abort Setup on the progress page).
#include <QDialog>
#include <functional>
#include <map>

#include "setup/page_runner.h"
#include "setup/pages/page_layouts.h"

class QLineEdit;

namespace kiva::setup {

// Shows the error page with a message while a page waits behind it.
using MessageShower = std::function<void(const std::string& message)>;

// The window property through which a page asks an X11 window manager for a toolbar window, one
// without minimise and maximise buttons, and its value.
inline constexpr const char* kX11WindowTypeProperty = "_q_xcb_wm_window_type";
inline constexpr int kX11ToolbarWindowType = 0x8;

class CSetupPage : public QDialog {
public:
    CSetupPage(const PageRequest& request, MessageShower showMessage, QWidget* parent = nullptr);

    // Shows the page modally until it ends. Unlike exec(), hiding the page for a message does
    // not end it.
    PageOutcome Run();
    // How the page ended: the button's id and the edit's accepted text.
    const PageOutcome& Outcome() const { return outcome_; }

    // A button that acts without ending the page.
    void SetButtonAction(int id, std::function<void()> action);
    // The static text or the bar with this id.
    void SetStaticText(int id, const QString& text);
    void SetProgress(std::int64_t position);

    void done(int result) override;
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Build();
    void Press(int id);

    const PageLayout& layout_;
    PageRequest request_;
    MessageShower showMessage_;
    QLineEdit* edit_ = nullptr;
    std::map<int, std::function<void()>> actions_;
    PageOutcome outcome_;
    bool accepted_ = false;  // the edit's text was accepted by the page's check
};

}  // namespace kiva::setup
