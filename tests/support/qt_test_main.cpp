// SPDX-License-Identifier: GPL-2.0-or-later
// GoogleTest's main for tests of Qt widgets: one application object, on the offscreen platform
// unless the caller chose another.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
