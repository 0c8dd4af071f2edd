// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's help: HTML pages in a folder "help" found like the data files, shown in a window
// of their own with Contents, Back and Forward.
#include <QMainWindow>

class QTextBrowser;

namespace kiva {

// The folder of the help pages, the first "help" holding index.html in the data files' search
// directories; empty when no help is installed.
QString FindHelpDirectory();

// What the user is told when the help pages are missing.
QString MissingHelpMessage();

class CHelpWindow final : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString kContents = QStringLiteral("index.html");

    explicit CHelpWindow(QString directory, QWidget* parent = nullptr);

    // A page of the help, with an optional anchor ("menu_view.html#color"); a page the help lacks
    // shows the contents.
    void ShowPage(const QString& page);
    QTextBrowser* Browser() const { return browser_; }

private:
    QString directory_;
    QTextBrowser* browser_ = nullptr;
};

}  // namespace kiva
