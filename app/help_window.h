// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's help: HTML pages in a folder "help" found like the data files, shown in a window
// of their own with Contents, Back and Forward. Translated pages lie in a folder per language
// (help/de/index.html); a page without a translation shows in English.
#include <QMainWindow>
#include <string>
#include <vector>

class QTextBrowser;

namespace kiva {

// The folder of the help pages, the first "help" holding index.html in the data files' search
// directories; empty when no help is installed.
QString FindHelpDirectory();

// The file that shows a page of the help in `directory`: the page of the first of the languages
// that has it ("de" finds de/index.html), else the English page; empty when neither exists.
QString HelpPageFile(const QString& directory, const std::vector<std::string>& languages, const QString& page);

// What the user is told when the help pages are missing.
QString MissingHelpMessage();

class CHelpWindow final : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString kContents = QStringLiteral("index.html");

    // Pages in the languages the user's environment asks for, where the help has them.
    explicit CHelpWindow(QString directory, QWidget* parent = nullptr);

    // A page of the help, with an optional anchor ("menu_view.html#color"); a page the help lacks
    // shows the contents. A link between pages leads to the linked page in the user's language.
    void ShowPage(const QString& page);
    QTextBrowser* Browser() const { return browser_; }

private:
    QString directory_;
    std::vector<std::string> languages_;
    QTextBrowser* browser_ = nullptr;
};

}  // namespace kiva
