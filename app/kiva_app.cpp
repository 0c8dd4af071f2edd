// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/kiva_app.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>

#include <QPrinter>
#include <QPrinterInfo>

#include "app/child_frame.h"
#include "app/desktop_integration.h"
#include "app/instance_channel.h"
#include "app/main_frame.h"
#include "app/printer_choice.h"
#include "app/shell_command.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/print_dialogs.h"
#include "view/commands.h"
#include "view/kiva_view.h"
#include "view/printing.h"
#include "view/tool_icons.h"

CKivaApp::CKivaApp() = default;

CKivaApp::~CKivaApp() = default;

bool CKivaApp::InitInstance(const QStringList& files, const Options& options) {
    QStringList paths;
    for (const QString& file : files) paths << QFileInfo(file).absoluteFilePath();
    if (options.singleInstance && !paths.isEmpty() && kiva::HandFilesToRunningViewer(paths)) return false;

    StartUp(options);
    if (options.registerWithDesktop) kiva::RegisterWithDesktop(kiva::UserDesktopPlaces(), QApplication::applicationFilePath());
    if (options.singleInstance) {
        instanceServer_ = std::make_unique<kiva::InstanceServer>();
        connect(instanceServer_.get(), &kiva::InstanceServer::filesReceived, this, [this](const QStringList& received) {
            for (const QString& path : received) mainFrame_->OpenDocumentFile(path);
            mainFrame_->activateWindow();
            mainFrame_->raise();
        });
        instanceServer_->Listen();
    }
    // Without a window manager a maximize request is not honoured; the screen's size stands in.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) mainFrame_->setGeometry(screen->availableGeometry());
    mainFrame_->showMaximized();

    if (paths.isEmpty()) {
        mainFrame_->ExecuteCommand(kiva::command::FileNew);
    } else {
        // A file that fails to open has had its message; the viewer stays open for the others.
        for (const QString& path : paths) mainFrame_->OpenDocumentFile(path);
    }

    // A coarse timer may fire up to 5 % early; the animation's frames are at least 100 ms apart.
    idleTimer_.setTimerType(Qt::PreciseTimer);
    idleTimer_.setInterval(kFrameMilliseconds);
    connect(&idleTimer_, &QTimer::timeout, this, &CKivaApp::OnIdle);
    idleTimer_.start();
    return true;
}

void CKivaApp::StartUp(const Options& options) {
    QApplication::setApplicationName(QStringLiteral("Molecule"));
    QApplication::setWindowIcon(kiva::ToolIcon(kiva::command::ChemicalUnit));
    kiva::SetUpSharedPrinter([profile = options.profilePath](QPrinter& printer) {
        kiva::RestorePrinterChoice(printer, profile);
    });
    mainFrame_ = std::make_unique<CMainFrame>(options.profilePath, *this);
}

int CKivaApp::PrintFiles(const kiva::ShellCommand& command, const Options& options) {
    StartUp(options);
    const auto fail = [](const QString& message) {
        kiva::ShowMessageBox({nullptr, QApplication::applicationName(), message, kiva::MessageButtons::Ok,
                              kiva::MessageIcon::Warning});
        return 1;
    };
    QPrinter& printer = kiva::SharedPrinter();
    if (command.kind == kiva::ShellCommand::Kind::PrintTo) {
        if (QPrinterInfo::printerInfo(command.printer).isNull())
            return fail(tr("The printer \"%1\" is not installed.").arg(command.printer));
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(command.printer);
    }
    if (!kiva::HasPrintTarget(printer)) return fail(kiva::NoPrinterMessage());
    // The desktop's Print action started from a menu names no file: the user chooses one.
    QStringList files = command.files;
    if (files.isEmpty()) {
        const kiva::DocumentTemplate& type = mainFrame_->Documents().Template();
        const QString chosen = kiva::ChooseFile({nullptr, false, QString(), type.filterName, type.extension});
        if (chosen.isEmpty()) return 0;
        files << chosen;
    }

    std::vector<kiva::MoleculeView*> pictures;
    for (const QString& file : files)
        if (CChildFrame* frame = mainFrame_->Documents().OpenDocument(QFileInfo(file).absoluteFilePath()))
            pictures.push_back(&frame->View()->Molecule());
    if (pictures.empty()) return 1;  // each file had its message
    printer.setDocName(QFileInfo(files.constFirst()).fileName());
    if (!kiva::PrintPictures(printer, pictures, kiva::ScreenWidthOf(*mainFrame_))) return fail(kiva::PrintFailureMessage(printer));
    return pictures.size() == static_cast<std::size_t>(files.size()) ? 0 : 1;
}

bool CKivaApp::OnIdle() {
    CKivaView* view = mainFrame_->ActiveView();
    const bool drew = view && view->AnimateStep();
    mainFrame_->UpdateCommands();
    return drew;
}

bool CKivaApp::SaveAllModified(QWidget* mainWindow) {
    return kiva::ShowMessageBox({mainWindow, QStringLiteral("Zelkora"), tr("Do you really want to quit?"),
                                 kiva::MessageButtons::YesNo, kiva::MessageIcon::Question}) ==
           kiva::MessageAnswer::Yes;
}

void CKivaApp::OnAppAbout(QWidget* mainWindow) {
    kiva::ShowMessageBox({mainWindow, tr("About Zelkora"),
                          tr("Zelkora\n\nKiva %1: a three-dimensional molecule viewer for the "
                                         "classroom.\nBuilt with Qt %2.\n\n"
                                         "Kiva is free software: you may share and change it under the "
                                         "GNU General Public License, version 2 or (at your option) any "
                                         "later version. It comes with no warranty. The licence is in "
                                         "the file COPYING that comes with the program.")
                              .arg(QStringLiteral(KIVA_VERSION), QString::fromLatin1(qVersion())),
                          kiva::MessageButtons::Ok, kiva::MessageIcon::Information});
}
