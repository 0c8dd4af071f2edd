// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/help_window.h"

#include <QAction>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>

#include "chem/shared_data.h"
#include "platform/file_search.h"

namespace kiva {

QString FindHelpDirectory() {
    const auto index = FindDataFile("help/index.html", ProcessStartUpPlaces().searchDirectories);
    return index ? QFileInfo(QString::fromStdString(*index)).absolutePath() : QString();
}

QString MissingHelpMessage() {
    return QStringLiteral("The help cannot be found.\nIts pages belong in a folder \"help\" beside the program "
                          "or in share/kiva/help; reinstall the program to bring them back.");
}

CHelpWindow::CHelpWindow(QString directory, QWidget* parent)
    : QMainWindow(parent, Qt::Window), directory_(std::move(directory)) {
    setWindowTitle(QStringLiteral("Zelkora Help"));
    browser_ = new QTextBrowser(this);
    browser_->setSearchPaths({directory_});
    browser_->setOpenExternalLinks(true);
    setCentralWidget(browser_);
    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setMovable(false);
    bar->addAction(QStringLiteral("&Contents"), this, [this] { ShowPage(kContents); });
    QAction* back = bar->addAction(QStringLiteral("&Back"), browser_, &QTextBrowser::backward);
    QAction* forward = bar->addAction(QStringLiteral("&Forward"), browser_, &QTextBrowser::forward);
    // Without a window manager the window has no close box of its own.
    QAction* close = bar->addAction(QStringLiteral("C&lose"), this, &QWidget::close);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)});
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QStringLiteral("Zelkora Help") : title + QStringLiteral(" - Zelkora Help"));
    });
    resize(640, 560);
}

void CHelpWindow::ShowPage(const QString& page) {
    const QString file = page.section(QLatin1Char('#'), 0, 0);
    const QString anchor = page.section(QLatin1Char('#'), 1);
    const bool known = QFileInfo::exists(directory_ + QLatin1Char('/') + file);
    QUrl url = QUrl::fromLocalFile(directory_ + QLatin1Char('/') + (known ? file : kContents));
    if (known && !anchor.isEmpty()) url.setFragment(anchor);
    browser_->setSource(url);
}

}  // namespace kiva
