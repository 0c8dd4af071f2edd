// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The installer's window: a frameless window over the whole screen, painted in dark cyan bands
// with the shadowed title, from which the pages run. Half a second after it appears the flow
// starts; when the flow ends the window closes and the program with it.
#include <QWidget>
#include <functional>

namespace kiva::setup {

class CSetupView : public QWidget {
public:
    // Runs the installer's flow; the real one reads Setup.ini and shows the pages. True when the
    // program was installed.
    using FlowRunner = std::function<bool(QWidget* owner)>;

    explicit CSetupView(FlowRunner runFlow, QWidget* parent = nullptr);

    // The band colour at a row of the window: dark cyan fading to black downwards.
    static QColor BandColor(int row);
    // The title's pixel height for a screen of this width.
    static int TitleHeight(int screenWidth);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void StartFlow();

    FlowRunner runFlow_;
    bool started_ = false;
};

class CMainFrame : public QWidget {
public:
    explicit CMainFrame(CSetupView::FlowRunner runFlow);

    bool flowFinished() const { return flowFinished_; }
    // Whether the flow installed the program; the process exits non-zero otherwise, so a script
    // never takes an incomplete or cancelled installation for a success.
    bool installed() const { return installed_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // A minimise that happens anyway is undone when the installer is activated again: the frame
    // and every page it hid come back.
    void changeEvent(QEvent* event) override;

private:
    bool flowFinished_ = false;
    bool installed_ = false;
};

// The installer as the program runs it: Setup.ini beside the program, the user's home directory
// and application menu.
CSetupView::FlowRunner InstallerFlow();

}  // namespace kiva::setup
