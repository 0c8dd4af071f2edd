// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>

#include "setup/pages/setup_window.h"

namespace kiva::setup {
namespace {

TEST(CSetupView, PaintsCyanBandsFadingToBlackUnderAShadowedTitle) {
    EXPECT_EQ(CSetupView::BandColor(0), QColor(0, 128, 128));
    EXPECT_EQ(CSetupView::BandColor(19), QColor(0, 126, 126));
    EXPECT_EQ(CSetupView::BandColor(639), QColor(0, 2, 2));
    EXPECT_EQ(CSetupView::BandColor(640), QColor(0, 0, 0));
    EXPECT_EQ(CSetupView::BandColor(5000), QColor(0, 0, 0));

    CSetupView view([](QWidget*) { return true; });
    view.resize(400, 700);
    const QImage image = view.grab().toImage();
    EXPECT_EQ(QColor(image.pixel(399, 100)), QColor(0, 108, 108));
    EXPECT_EQ(QColor(image.pixel(200, 695)), QColor(0, 0, 0));
    int white = 0;
    int black = 0;
    for (int y = 20; y < 20 + CSetupView::TitleHeight(1024); ++y)
        for (int x = 20; x < 300; ++x) {
            const QColor pixel(image.pixel(x, y));
            white += pixel == QColor(255, 255, 255);
            black += pixel == QColor(0, 0, 0);
        }
    EXPECT_GT(white, 100) << "the title";
    EXPECT_GT(black, 20) << "its shadow";
}

TEST(CMainFrame, StartsTheFlowHalfASecondAfterCreationAndClosesAfterIt) {
    QElapsedTimer clock;
    qint64 startedAfter = -1;
    bool closeIgnoredDuringFlow = false;
    CMainFrame* framePointer = nullptr;
    clock.start();
    CMainFrame frame([&](QWidget* owner) {
        startedAfter = clock.elapsed();
        closeIgnoredDuringFlow = !owner->close();
        return false;
    });
    framePointer = &frame;
    frame.show();
    EXPECT_FALSE(frame.close()) << "the window stays until its flow has ended";
    QTest::qWait(300);
    EXPECT_EQ(startedAfter, -1);
    QTRY_VERIFY_WITH_TIMEOUT(framePointer->flowFinished(), 3000);
    EXPECT_GE(startedAfter, 450);
    EXPECT_TRUE(closeIgnoredDuringFlow);
    EXPECT_FALSE(frame.isVisible());
    EXPECT_FALSE(frame.installed()) << "an installation that did not finish exits non-zero";
}

TEST(CMainFrame, BringsBackAMinimisedPageWhenItIsActivatedAgain) {
    CMainFrame frame([](QWidget*) { return false; });
    frame.show();
    QWidget page(&frame, Qt::Tool);
    page.show();
    page.setWindowState(Qt::WindowMinimized);
    frame.setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(page.isMinimized());
    frame.setWindowState(Qt::WindowNoState);  // as when the user switches back to the installer
    EXPECT_FALSE(page.isMinimized());
    EXPECT_TRUE(page.isVisible());
}

}  // namespace
}  // namespace kiva::setup
