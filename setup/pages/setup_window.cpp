// SPDX-License-Identifier: GPL-2.0-or-later
#include "setup/pages/setup_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "setup/desktop_menu.h"
#include "setup/install_flow.h"
#include "setup/pages/page_layouts.h"
#include "setup/pages/qt_page_runner.h"
#include "setup/setup_messages.h"
#include "setup/setup_places.h"

namespace kiva::setup {

namespace {
constexpr int kBandHeight = 10;
constexpr int kFlowDelayMs = 500;
}  // namespace

CSetupView::CSetupView(FlowRunner runFlow, QWidget* parent) : QWidget(parent), runFlow_(std::move(runFlow)) {
    // Every pixel is painted, so the background is never erased first and does not flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    QTimer::singleShot(kFlowDelayMs, this, &CSetupView::StartFlow);
}

QColor CSetupView::BandColor(int row) {
    const int v = 128 - 2 * (row / kBandHeight);
    return v < 0 ? QColor(0, 0, 0) : QColor(0, v, v);
}

int CSetupView::TitleHeight(int screenWidth) {
    const int systemHeight = QFontMetrics(QApplication::font()).height();
    return screenWidth <= 640 ? systemHeight * 2 : systemHeight * 5 / 2;
}

void CSetupView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    for (int top = 0; top <= area.height(); top += kBandHeight)
        painter.fillRect(QRect(0, top, area.width() + 1, kBandHeight), BandColor(top));
    QFont title = QApplication::font();
    title.setWeight(QFont::Bold);
    title.setItalic(true);
    title.setPixelSize(TitleHeight(screen() ? screen()->geometry().width() : area.width()));
    painter.setFont(title);
    const QString text = PageCaption();
    const int baseline = QFontMetrics(title).ascent();
    painter.setPen(Qt::black);
    painter.drawText(area.left() + 25, area.top() + 25 + baseline, text);
    painter.setPen(Qt::white);
    painter.drawText(area.left() + 20, area.top() + 20 + baseline, text);
}

void CSetupView::StartFlow() {
    if (started_) return;
    started_ = true;
    runFlow_(window());
}

CMainFrame::CMainFrame(CSetupView::FlowRunner runFlow) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle(PageCaption());
    if (const QScreen* screen = QApplication::primaryScreen()) setGeometry(screen->geometry());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new CSetupView(
        [this, runFlow = std::move(runFlow)](QWidget* owner) {
            installed_ = runFlow(owner);
            flowFinished_ = true;
            close();
            return installed_;
        },
        this));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The flow ends the program itself, after its last page; until then its pages decide.
    if (flowFinished_)
        event->accept();
    else
        event->ignore();
}

void CMainFrame::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange && event->type() != QEvent::WindowStateChange) return;
    if (isMinimized()) {
        if (isActiveWindow()) setWindowState(windowState() & ~Qt::WindowMinimized);
        return;
    }
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isVisible() && window->isMinimized()) {
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            window->raise();
            window->activateWindow();
        }
}

CSetupView::FlowRunner InstallerFlow() {
    return [](QWidget* owner) {
        InstallSession session;
        QtPageRunner pages(owner);
        DesktopMenuManager menu(UserMenuPlaces());
        InstallFlow flow(session, pages, menu, ProcessSetupPlaces(), FileSystemFreeSpace());
        return flow.Run();
    };
}

}  // namespace kiva::setup
