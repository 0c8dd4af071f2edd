// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/help_commands.h"

#include <QApplication>
#include <QLabel>
#include <QWhatsThis>
#include <QWhatsThisClickedEvent>

#include "platform/message_box.h"

namespace kiva {

void ShowHelp(QWidget& mainWindow, const QString& page, const QString& directory) {
    auto* help = mainWindow.findChild<CHelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help) {
        if (directory.isEmpty()) {
            ShowMessageBox({&mainWindow, QApplication::applicationName(), MissingHelpMessage(), MessageButtons::Ok,
                            MessageIcon::Warning});
            return;
        }
        help = new CHelpWindow(directory, &mainWindow);
        // Beside the molecule windows, which start at the main window's top left.
        const QRect main = mainWindow.geometry();
        help->move(std::max(main.left(), main.right() - help->width() - 40), main.top() + 60);
    }
    help->ShowPage(page);
    help->show();
    help->raise();
    help->activateWindow();
}

int ShowHelpAlone() {
    QApplication::setApplicationName(QStringLiteral("Molecule"));
    const QString directory = FindHelpDirectory();
    if (directory.isEmpty()) {
        ShowMessageBox({nullptr, QApplication::applicationName(), MissingHelpMessage(), MessageButtons::Ok,
                        MessageIcon::Warning});
        return 1;
    }
    CHelpWindow help(directory);
    help.ShowPage(CHelpWindow::kContents);
    help.show();
    return QApplication::exec();
}

QString HelpPageForContext(bool documentActive) {
    return documentActive ? QStringLiteral("molecule_window.html") : CHelpWindow::kContents;
}

void EnterContextHelp() { QWhatsThis::enterWhatsThisMode(); }

ContextHelpFilter::ContextHelpFilter(QWidget& mainWindow, QLabel& statusText)
    : QObject(&mainWindow), mainWindow_(mainWindow), statusText_(&statusText), idleText_(statusText.text()) {
    qApp->installEventFilter(this);
}

bool ContextHelpFilter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::EnterWhatsThisMode:
        if (statusText_) statusText_->setText(QCoreApplication::translate("ContextHelpFilter", "Select an object on which to get Help"));
        break;
    case QEvent::LeaveWhatsThisMode:
        if (statusText_) statusText_->setText(idleText_);
        break;
    case QEvent::WhatsThisClicked:
        ShowHelp(mainWindow_, static_cast<QWhatsThisClickedEvent*>(event)->href());
        return true;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace kiva
