// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/help_window.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolBar>

#include "chem/shared_data.h"
#include "platform/file_search.h"
#include "platform/ui_language.h"

namespace kiva {

QString FindHelpDirectory() {
    const auto index = FindDataFile("help/index.html", ProcessStartUpPlaces().searchDirectories);
    return index ? QFileInfo(QString::fromStdString(*index)).absolutePath() : QString();
}

QString HelpPageFile(const QString& directory, const std::vector<std::string>& languages, const QString& page) {
    for (const std::string& language : languages) {
        const QString translated = directory + QLatin1Char('/') + QString::fromStdString(language) + QLatin1Char('/') + page;
        if (QFileInfo(translated).isFile()) return translated;
    }
    const QString english = directory + QLatin1Char('/') + page;
    return QFileInfo(english).isFile() ? english : QString();
}

QString MissingHelpMessage() {
    return CHelpWindow::tr("The help cannot be found.\nIts pages belong in a folder \"help\" beside the program "
                           "or in share/kiva/help; reinstall the program to bring them back.");
}

CHelpWindow::CHelpWindow(QString directory, QWidget* parent)
    : QMainWindow(parent, Qt::Window), directory_(std::move(directory)), languages_(UiLanguages(ProcessEnvironment())) {
    setWindowTitle(tr("Zelkora Help"));
    browser_ = new QTextBrowser(this);
    browser_->setSearchPaths({directory_});
    // Links between pages go through ShowPage, which picks each page's language.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (!url.isLocalFile()) {
            QDesktopServices::openUrl(url);
            return;
        }
        const QString page = QFileInfo(url.toLocalFile()).fileName();
        ShowPage(url.hasFragment() ? page + QLatin1Char('#') + url.fragment() : page);
    });
    setCentralWidget(browser_);
    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    bar->addAction(tr("&Contents"), this, [this] { ShowPage(kContents); });
    QAction* back = bar->addAction(tr("&Back"), browser_, &QTextBrowser::backward);
    QAction* forward = bar->addAction(tr("&Forward"), browser_, &QTextBrowser::forward);
    // Without a window manager the window has no close box of its own.
    QAction* close = bar->addAction(tr("C&lose"), this, &QWidget::close);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)});
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? tr("Zelkora Help") : tr("%1 - Zelkora Help").arg(title));
    });
    resize(640, 560);
}

void CHelpWindow::ShowPage(const QString& page) {
    const QString file = page.section(QLatin1Char('#'), 0, 0);
    const QString anchor = page.section(QLatin1Char('#'), 1);
    const QString found = HelpPageFile(directory_, languages_, file);
    QUrl url = QUrl::fromLocalFile(found.isEmpty() ? HelpPageFile(directory_, languages_, kContents) : found);
    if (!found.isEmpty() && !anchor.isEmpty()) url.setFragment(anchor);
    browser_->setSource(url);
}

}  // namespace kiva
