// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The help commands of the main window: Help Topics (F1) and context help (Shift+F1).
#include <QObject>
#include <QPointer>

#include "app/help_window.h"

class QLabel;
class QWidget;

namespace kiva {

// Opens the help window over the main window at a page ("menu_view.html#color"), making it at
// its first use from the pages in `directory`. Without help pages the user gets one message.
void ShowHelp(QWidget& mainWindow, const QString& page, const QString& directory = FindHelpDirectory());

// `kiva --help-topics`: the help window alone, until it is closed. Without help pages, one
// message and the exit status 1.
int ShowHelpAlone();

// The page F1 opens: the document window's page while one is active, otherwise the contents.
QString HelpPageForContext(bool documentActive);

// Shift+F1: the next click on a menu item, button or window tells what it is instead of using it.
void EnterContextHelp();

// While context help is on, the status bar asks for the object to explain; a link clicked in an
// explanation opens the help at its topic.
class ContextHelpFilter final : public QObject {
public:
    ContextHelpFilter(QWidget& mainWindow, QLabel& statusText);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& mainWindow_;
    QPointer<QLabel> statusText_;
    QString idleText_;
};

}  // namespace kiva
