// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <filesystem>

#include "setup/directory_paths.h"
#include "setup/pages/page_layouts.h"
#include "setup/pages/qt_page_runner.h"
#include "setup/pages/setup_page.h"
#include "setup/setup_messages.h"
#include "tests/support/temp_dir.h"

namespace kiva::setup {
namespace {

using namespace result;

QPushButton* Button(const QWidget& page, int id) { return page.findChild<QPushButton*>(QString::number(id)); }

std::map<int, QString> Buttons(const QWidget& page) {
    std::map<int, QString> buttons;
    for (const QPushButton* button : page.findChildren<QPushButton*>()) buttons[button->objectName().toInt()] = button->text();
    return buttons;
}

TEST(CSetupPage, EveryPageHasItsCaptionBitmapAndButtons) {
    const std::map<PageId, std::map<int, QString>> expected = {
        {PageId::Licence, {{kAccept, "Accept"}, {kNo, "No"}}},
        {PageId::Welcome, {{kContinue, "Continue"}, {kExitSetup, "Exit Setup"}}},
        {PageId::Destination, {{kContinue, "&Continue"}, {kExitSetup, "E&xit Setup"}}},
        {PageId::ExistingCopy, {{kContinue, "Continue"}, {kBack, "Back"}}},
        {PageId::DiskSpace, {{kContinue, "Continue"}, {kExitSetup, "Exit Setup"}}},
        {PageId::InsertDisk, {{kContinue, "Continue"}, {kExitSetup, "Exit Setup"}}},
        {PageId::Progress, {{kAbortSetup, "Abort Setup"}}},
        {PageId::ConfirmExit, {{kResume, "&Resume"}, {kExitSetup, "E&xit Setup"}}},
        {PageId::Success, {{kDone, "Done"}}},
        {PageId::Error, {{kOk, "OK"}}},
    };
    for (const auto& [id, buttons] : expected) {
        const CSetupPage page({id, "preset", {}}, nullptr);
        EXPECT_EQ(page.windowTitle(), QStringLiteral("Zelkora 1.0 Setup"));
        EXPECT_EQ(Buttons(page), buttons) << static_cast<int>(id);
        EXPECT_TRUE(page.findChild<QLabel*>(QStringLiteral("setup bitmap"))) << static_cast<int>(id);
        const bool closeBox = id == PageId::Error || id == PageId::ExistingCopy;
        EXPECT_EQ(page.windowFlags().testFlag(Qt::WindowCloseButtonHint), closeBox) << static_cast<int>(id);
        EXPECT_EQ(page.windowType(), Qt::Tool) << "a window type given no minimise button";
        EXPECT_FALSE(page.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        ASSERT_TRUE(page.windowHandle()) << "the window exists before it is shown, so its type goes out with it";
        EXPECT_EQ(page.windowHandle()->property(kX11WindowTypeProperty).toInt(), kX11ToolbarWindowType)
            << "openbox draws no minimise or maximise on a toolbar window";
        EXPECT_EQ(page.windowHandle()->flags(), page.windowFlags()) << "the flags are back as the page asked";
    }
    const CSetupPage welcome({PageId::Welcome, {}, {}}, nullptr);
    EXPECT_TRUE(welcome.findChild<QLabel*>(QStringLiteral("welcome bitmap")));
    const CSetupPage destination({PageId::Destination, "/home/s/Kiva", {}}, nullptr);
    EXPECT_EQ(destination.findChild<QLineEdit*>(QString::number(control::kPathEdit))->text(), QStringLiteral("/home/s/Kiva"));
}

TEST(CSetupPage, EndsWithTheIdOfItsButtonOrItsCloseResult) {
    CSetupPage welcome({PageId::Welcome, {}, {}}, nullptr);
    welcome.show();
    Button(welcome, kExitSetup)->click();
    EXPECT_EQ(welcome.Outcome().result, kExitSetup);
    EXPECT_FALSE(welcome.isVisible());

    for (const auto& [id, closed] : {std::pair{PageId::ExistingCopy, kBack}, std::pair{PageId::Error, kOk},
                                     std::pair{PageId::Licence, 2}}) {
        CSetupPage page({id, {}, {}}, nullptr);
        page.show();
        page.close();
        EXPECT_EQ(page.Outcome().result, closed) << static_cast<int>(id);
    }
    CSetupPage progress({PageId::Progress, {}, {}}, nullptr);
    progress.show();
    progress.close();
    EXPECT_TRUE(progress.isVisible()) << "only Abort Setup leaves the progress page";
}

TEST(CSetupPage, ContinueChecksTheEditBeforeEndingThePage) {
    std::vector<std::string> messages;
    int checks = 0;
    const ContinueChecker check = [&](const std::string& text) -> ContinueCheck {
        ++checks;
        if (text.empty()) return {};
        if (text == "bad") return {ContinueCheck::Outcome::Refuse, "refused"};
        return {ContinueCheck::Outcome::Accept, "/home/" + text};
    };
    CSetupPage page({PageId::Destination, "", check}, [&](const std::string& m) { messages.push_back(m); });
    page.show();
    auto* edit = page.findChild<QLineEdit*>(QString::number(control::kPathEdit));
    Button(page, kContinue)->click();
    EXPECT_TRUE(page.isVisible());
    edit->setText(QStringLiteral("bad"));
    Button(page, kContinue)->click();
    EXPECT_EQ(messages, std::vector<std::string>{"refused"});
    EXPECT_TRUE(page.isVisible()) << "shown again after the message";
    edit->setText(QStringLiteral("apps"));
    Button(page, kContinue)->click();
    EXPECT_EQ(checks, 3);
    EXPECT_EQ(page.Outcome().result, kContinue);
    EXPECT_EQ(page.Outcome().text, "/home/apps");
}

TEST(CSetupPage, TheDiskPromptWantsADirectoryThatExists) {
    kiva::testing::TempDir dir;
    std::vector<std::string> messages;
    const ContinueChecker check = [&](const std::string& typed) { return CheckSourceDirectory(typed, "/home", dir.Path()); };
    CSetupPage page({PageId::InsertDisk, "", check}, [&](const std::string& m) { messages.push_back(m); });
    page.show();
    Button(page, kContinue)->click();
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(page.isVisible());
    page.findChild<QLineEdit*>(QString::number(control::kPathEdit))->setText(QString::fromStdString(dir.File("disk2")));
    Button(page, kContinue)->click();
    EXPECT_EQ(messages, std::vector<std::string>{kEnterCorrectSource});
    std::filesystem::create_directory(dir.File("disk2"));
    Button(page, kContinue)->click();
    EXPECT_EQ(page.Outcome().text, dir.File("disk2"));
}

TEST(CSetupPage, TheProgressBarShowsFullPastTheEndAndAbortKeepsThePage) {
    CSetupPage page({PageId::Progress, {}, {}}, nullptr);
    int aborts = 0;
    page.SetButtonAction(kAbortSetup, [&] { ++aborts; });
    page.show();
    auto* bar = page.findChild<QProgressBar*>(QString::number(control::kProgressBar));
    page.SetProgress(50);
    EXPECT_EQ(bar->value(), 50);
    page.SetProgress(250);
    EXPECT_EQ(bar->value(), 100);
    page.SetStaticText(control::kCurrentFile, QStringLiteral("help/index.html"));
    EXPECT_EQ(page.findChild<QLabel*>(QString::number(control::kCurrentFile))->text(), QStringLiteral("help/index.html"));
    Button(page, kAbortSetup)->click();
    EXPECT_EQ(aborts, 1);
    EXPECT_TRUE(page.isVisible());
}

TEST(CSetupPage, CentresItselfOnTheScreenWhenItOpensNotWhenItComesBack) {
    CSetupPage page({PageId::Success, {}, {}}, nullptr);
    page.show();
    const QPoint centre = QApplication::primaryScreen()->geometry().center();
    EXPECT_LE((page.frameGeometry().center() - centre).manhattanLength(), 1);

    // Moved by the user, minimised and back: the window system shows it again where it was.
    page.move(page.pos() + QPoint(40, 30));
    const QPoint moved = page.pos();
    page.setWindowState(Qt::WindowMinimized);
    page.setWindowState(Qt::WindowNoState);
    EXPECT_EQ(page.pos(), moved);
}

TEST(AgreementText, SummarisesThenShowsTheWholeLicence) {
    CSetupPage page({PageId::Licence, {}, {}}, nullptr);
    const auto* agreement = page.findChild<QPlainTextEdit*>(QString::number(control::kAgreement));
    ASSERT_TRUE(agreement);
    EXPECT_TRUE(agreement->isReadOnly());
    const QString text = agreement->toPlainText();
    EXPECT_TRUE(text.startsWith(QStringLiteral("KIVA USER LICENSE AGREEMENT")));
    EXPECT_LT(text.indexOf(QStringLiteral("In plain words")), text.indexOf(QStringLiteral("GNU GENERAL PUBLIC LICENSE")));
    EXPECT_TRUE(text.contains(QStringLiteral("Version 2, June 1991")));
    EXPECT_TRUE(text.contains(QStringLiteral("NO WARRANTY")));
}

TEST(JoinWrappedLines, JoinsFullLinesOfAParagraphAndKeepsOtherBreaks) {
    const QString text = QStringLiteral(
        "                    TITLE\n"
        "                       Subtitle\n"
        "\n"
        "  0. This License applies to any program or other work which contains\n"
        "a notice placed by the copyright holder.\n"
        "Short line\n"
        "next line\n");
    EXPECT_EQ(JoinWrappedLines(text), QStringLiteral(
                                          "                    TITLE\n"
                                          "                       Subtitle\n"
                                          "\n"
                                          "  0. This License applies to any program or other work which contains a "
                                          "notice placed by the copyright holder.\n"
                                          "Short line\n"
                                          "next line\n"));
}

TEST(QtPageRunner, RunsAPageUntilItsButtonIsPressed) {
    QtPageRunner runner(nullptr);
    QTimer::singleShot(0, [] {
        QWidget* page = QApplication::activeModalWidget();
        ASSERT_TRUE(page);
        EXPECT_EQ(page->findChild<QLabel*>(QString::number(control::kMessage))->text(), QStringLiteral("Setup is incomplete."));
        Button(*page, kOk)->click();
    });
    EXPECT_EQ(runner.RunPage({PageId::Error, kSetupIncomplete, {}}).result, kOk);

    runner.CreateProgressPage([] {});
    runner.ShowProgressPage(true);
    runner.SetProgressPosition(1 << 30);
    EXPECT_EQ(runner.progressPage()->findChild<QProgressBar*>(QString::number(control::kProgressBar))->value(), 100);
    runner.ShowProgressPage(false);
    EXPECT_FALSE(runner.progressPage()->isVisible());
}

}  // namespace
}  // namespace kiva::setup
