// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QSettings>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "app/child_frame.h"
#include "app/help_commands.h"
#include "app/kiva_doc.h"
#include "app/printer_choice.h"
#include "platform/file_dialogs.h"
#include "platform/profile_settings.h"
#include "platform/translations.h"
#include "view/commands.h"
#include "view/help_topics.h"
#include "view/kiva_view.h"

namespace {

using namespace kiva::command;

bool IsRecentFile(int id) { return id >= FileRecent1 && id < FileRecent1 + kRecentFileCount; }

// The picture size in the profile: "Fixed" (the default) or "FitWindow".
const QString kPictureSizeKey = QStringLiteral("View/PictureSize");
const QString kFitWindow = QStringLiteral("FitWindow");
const QString kFixed = QStringLiteral("Fixed");

QString MenuText(std::string_view text) { return kiva::TranslatedText(kiva::kMenuContext, text); }

}  // namespace

CMainFrame::CMainFrame(const QString& profilePath, kiva::ApplicationCommands& application)
    : profilePath_(profilePath), application_(application), recentFiles_(profilePath) {
    fitWindow_ = QSettings(profilePath_, QSettings::IniFormat).value(kPictureSizeKey).toString() == kFitWindow;
    kiva::SetProfilePath(profilePath_);  // the export dialogs keep their choices there
    setWindowTitle(kTitle);
    mdiArea_ = new QMdiArea(this);
    setCentralWidget(mdiArea_);
    documents_ = std::make_unique<kiva::DocumentManager>(*mdiArea_);
    CreateActions();
    CreateMenus();
    CreateStatusBar();
    ConnectDocuments();
    setAcceptDrops(true);
    UpdateCommands();
}

// The document windows close before the menus and actions they use.
CMainFrame::~CMainFrame() { documents_.reset(); }

void CMainFrame::CreateActions() {
    const auto ensureAction = [this](int id) {
        if (id == 0 || actions_.count(id)) return;
        auto* action = new QAction(this);
        action->setData(id);
        action->setStatusTip(kiva::TranslatedText(kStringsContext, StringsOf(id).prompt));
        connect(action, &QAction::triggered, this, [this, id] { ExecuteCommand(id); });
        actions_[id] = action;
    };
    for (const auto* menu : {&kiva::NoDocumentMenu(), &kiva::DocumentMenu()})
        for (const kiva::MenuItem& top : *menu)
            for (const kiva::MenuItem& item : top.items) {
                ensureAction(item.id);
                for (const kiva::MenuItem& sub : item.items) ensureAction(sub.id);
            }
    for (int i = 0; i < kRecentFileCount; ++i) ensureAction(FileRecent1 + i);
    // Keys work whichever menu shows, so every accelerator's action sits on the window itself.
    for (const kiva::Accelerator& accelerator : kiva::AcceleratorTable()) {
        ensureAction(accelerator.id);
        QAction* action = actions_.at(accelerator.id);
        action->setShortcuts(action->shortcuts() << accelerator.key);
        addAction(action);
    }
}

QMenu* CMainFrame::CreateMenu(const kiva::MenuItem& item) {
    auto* menu = new QMenu(MenuText(item.text), this);
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    for (const kiva::MenuItem& entry : item.items) {
        if (entry.text.empty()) {
            menu->addSeparator();
        } else if (!entry.items.empty()) {
            menu->addMenu(CreateMenu(entry));
        } else if (entry.text == kiva::kRecentFilePlaceholder) {
            QAction* placeholder = menu->addAction(MenuText(entry.text));
            placeholder->setData(entry.id);
            placeholder->setEnabled(false);
            recentPlaceholders_.push_back(placeholder);
            for (int i = 0; i < kRecentFileCount; ++i) menu->addAction(actions_.at(FileRecent1 + i));
        } else {
            QAction* action = actions_.at(entry.id);
            // A bound key shows as the action's shortcut; an unbound one stays in the text.
            const QString text = MenuText(entry.text);
            action->setText(action->shortcuts().isEmpty() ? text : text.section(QLatin1Char('\t'), 0, 0));
            action->setWhatsThis(kiva::WhatsThisText(entry.id, text));
            menu->addAction(action);
        }
    }
    return menu;
}

void CMainFrame::CreateMenus() {
    for (const kiva::MenuItem& item : kiva::NoDocumentMenu()) noDocumentMenus_.push_back(CreateMenu(item));
    for (const kiva::MenuItem& item : kiva::DocumentMenu()) {
        documentMenus_.push_back(CreateMenu(item));
        if (std::any_of(item.items.begin(), item.items.end(), [](const kiva::MenuItem& entry) { return entry.id == WindowNew; }))
            windowMenu_ = documentMenus_.back();
    }
    if (windowMenu_) connect(windowMenu_, &QMenu::aboutToShow, this, &CMainFrame::UpdateWindowList);
    ShowMenuSet(false);
}

void CMainFrame::CreateStatusBar() {
    auto* message = new QLabel(tr("For Help, press F1"));
    message->setObjectName(QStringLiteral("idleText"));
    statusBar()->addWidget(message, 1);
    // Qt cannot read the lock keys' states, so the indicators show dimmed, as when off.
    for (const char* indicator : {"CAPS", "NUM", "SCRL"}) {
        auto* pane = new QLabel(QString::fromLatin1(indicator));
        pane->setObjectName(QString::fromLatin1(indicator));
        pane->setAlignment(Qt::AlignCenter);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        pane->setEnabled(false);
        statusBar()->addPermanentWidget(pane);
    }
    new kiva::ContextHelpFilter(*this, *message);
    setWhatsThis(tr("<p><b>Zelkora</b></p><p>Choose a substance from the Molecule menu; it shows "
                    "in a window of its own.</p><p><a href=\"index.html\">Contents of the help</a></p>"));
}

void CMainFrame::ConnectDocuments() {
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateCommands);
    connect(documents_.get(), &kiva::DocumentManager::frameCreated, this, [this](CChildFrame* frame) {
        connect(frame->View(), &CKivaView::commandRan, this, &CMainFrame::UpdateCommands);
        connect(&frame->Document(), &CKivaDoc::titleChanged, this, &CMainFrame::UpdateTitle);
        // Maximizing sets a main title of Qt's own.
        connect(frame, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::UpdateTitle);
        connect(frame, &QObject::destroyed, this, &CMainFrame::UpdateCommands, Qt::QueuedConnection);
    });
    connect(documents_.get(), &kiva::DocumentManager::fileUsed, this, [this](const QString& path) {
        recentFiles_.Add(path);
        UpdateRecentFileItems();
    });
    UpdateRecentFileItems();
}

CChildFrame* CMainFrame::ActiveFrame() const { return qobject_cast<CChildFrame*>(mdiArea_->currentSubWindow()); }

CKivaView* CMainFrame::ActiveView() const {
    CChildFrame* frame = ActiveFrame();
    return frame ? frame->View() : nullptr;
}

QAction* CMainFrame::Action(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

kiva::CommandStatus CMainFrame::QueryCommand(int id) const {
    const kiva::CommandStatus enabled{true, true, false, false};
    CChildFrame* frame = ActiveFrame();
    if (frame) {
        const kiva::CommandStatus status = frame->View()->QueryCommand(id);
        if (status.served) return status;
        if (id == FileClose || id == FileSave || id == FileSaveAs) return enabled;
        if (id == WindowNew || id == WindowCascade || id == WindowTile || id == WindowArrange) return enabled;
    }
    if (id == ViewStatusBar) return {true, true, true, !statusBar()->isHidden()};
    if (id == PictureFixed || id == PictureFitWindow) return {true, frame != nullptr, true, (id == PictureFitWindow) == fitWindow_};
    if (id == FileNew || id == FileOpen || id == AppAbout || id == AppExit) return enabled;
    if (id == FilePrintSetup || id == Help || id == ContextHelp) return enabled;
    if (IsRecentFile(id) && id - FileRecent1 < recentFiles_.Files().size()) return enabled;
    return {};
}

void CMainFrame::ExecuteCommand(int id) {
    if (!QueryCommand(id).enabled) return;
    CChildFrame* frame = ActiveFrame();
    if (frame && frame->View()->RunCommand(id)) {
        UpdateCommands();
        return;
    }
    switch (id) {
    case FileNew: documents_->NewDocument(); break;
    case FileOpen: ChooseAndOpen(); break;
    case FileClose: documents_->CloseDocument(frame->Document()); break;
    case FileSave: documents_->SaveDocument(frame->Document()); break;
    case FileSaveAs: documents_->SaveDocumentAs(frame->Document()); break;
    case WindowNew: documents_->NewWindow(frame->Document()); break;
    case WindowCascade: mdiArea_->cascadeSubWindows(); break;
    case WindowTile: mdiArea_->tileSubWindows(); break;
    case WindowArrange: ArrangeIcons(); break;
    case ViewStatusBar: statusBar()->setHidden(!statusBar()->isHidden()); break;
    case PictureFixed:
    case PictureFitWindow:
        fitWindow_ = id == PictureFitWindow;
        QSettings(profilePath_, QSettings::IniFormat).setValue(kPictureSizeKey, fitWindow_ ? kFitWindow : kFixed);
        break;
    case AppAbout: application_.OnAppAbout(this); break;
    case FilePrintSetup: kiva::RunPrintSetup(this, profilePath_); break;
    case Help: kiva::ShowHelp(*this, kiva::HelpPageForContext(frame != nullptr)); break;
    case ContextHelp: kiva::EnterContextHelp(); break;
    case AppExit: close(); break;
    default:
        if (IsRecentFile(id)) OpenRecentFile(id - FileRecent1);
        break;
    }
    UpdateCommands();
}

void CMainFrame::UpdateCommands() {
    ShowMenuSet(ActiveFrame() != nullptr);
    for (const auto& [id, action] : actions_) {
        const kiva::CommandStatus status = QueryCommand(id);
        action->setEnabled(status.enabled);
        action->setCheckable(status.checkable);
        action->setChecked(status.checked);
    }
    for (QMdiSubWindow* window : mdiArea_->subWindowList())
        if (auto* frame = qobject_cast<CChildFrame*>(window)) {
            frame->SetFitWindow(fitWindow_);
            frame->View()->UpdateToolBars();
        }
    UpdateTitle();
}

void CMainFrame::ShowMenuSet(bool documentMenu) {
    if (documentMenu == showingDocumentMenu_ && !menuBar()->actions().isEmpty()) return;
    showingDocumentMenu_ = documentMenu;
    menuBar()->clear();
    for (QMenu* menu : documentMenu ? documentMenus_ : noDocumentMenus_) menuBar()->addMenu(menu);
}

void CMainFrame::UpdateRecentFileItems() {
    const QStringList& files = recentFiles_.Files();
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* action = actions_.at(FileRecent1 + i);
        action->setVisible(i < files.size());
        action->setText(recentFiles_.MenuText(i));
    }
    for (QAction* placeholder : recentPlaceholders_) placeholder->setVisible(files.isEmpty());
}

void CMainFrame::UpdateWindowList() {
    for (QAction* item : windowListItems_) delete item;
    windowListItems_.clear();
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList();
    if (!windowMenu_ || windows.isEmpty()) return;
    windowListItems_.push_back(windowMenu_->addSeparator());
    for (qsizetype i = 0; i < windows.size(); ++i) {
        auto* frame = qobject_cast<CChildFrame*>(windows[i]);
        if (!frame) continue;
        // The first nine are chosen by their digit; a '&' of the title is a letter, not a key.
        const QString title = QString(frame->FrameTitle()).replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QString::number(i + 1);
        QAction* item = windowMenu_->addAction(number + QLatin1Char(' ') + title);
        item->setCheckable(true);
        item->setChecked(frame == ActiveFrame());
        connect(item, &QAction::triggered, this, [this, window = QPointer<QMdiSubWindow>(frame)] {
            if (window) mdiArea_->setActiveSubWindow(window);
        });
        windowListItems_.push_back(item);
    }
}

// "Zelkora - Untitled-1" while a document window is active, maximized or not.
void CMainFrame::UpdateTitle() {
    CChildFrame* frame = ActiveFrame();
    const QString title = frame ? kTitle + QStringLiteral(" - ") + frame->FrameTitle() : kTitle;
    if (windowTitle() == title) return;
    // A maximized document window hears of every new main title through its filter of this
    // window's events and adds " - [its title]"; this title names the document already, so its
    // change goes past that filter, and this one goes first.
    settingTitle_ = true;
    installEventFilter(this);
    setWindowTitle(title);
    settingTitle_ = false;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this && settingTitle_ && event->type() == QEvent::WindowTitleChange) return true;
    return QMainWindow::eventFilter(watched, event);
}

bool CMainFrame::OpenDocumentFile(const QString& path) {
    const bool opened = documents_->OpenDocument(path) != nullptr;
    UpdateCommands();
    return opened;
}

void CMainFrame::ChooseAndOpen() {
    const kiva::DocumentTemplate& type = documents_->Template();
    const QString path = kiva::ChooseFile({this, false, QString(), type.openFilters, type.extension});
    if (!path.isEmpty()) OpenDocumentFile(path);
}

// A recent file that no longer opens leaves the list.
void CMainFrame::OpenRecentFile(int index) {
    const QString path = recentFiles_.Files().value(index);
    if (!OpenDocumentFile(path)) {
        recentFiles_.Remove(path);
        UpdateRecentFileItems();
    }
}

// The minimized windows in a row along the bottom of the area, left to right.
void CMainFrame::ArrangeIcons() {
    int x = 0;
    for (QMdiSubWindow* window : mdiArea_->subWindowList()) {
        if (!window->isMinimized()) continue;
        window->move(x, mdiArea_->viewport()->height() - window->height());
        x += window->width();
    }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (application_.SaveAllModified(this))
        event->accept();
    else
        event->ignore();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    // The files open once the drop has ended, so a message about one never keeps the program the
    // files came from waiting.
    auto dropped = std::make_shared<QMimeData>();
    dropped->setUrls(event->mimeData()->urls());
    QTimer::singleShot(0, this, [this, dropped] { OpenDroppedFiles(*dropped); });
}

void CMainFrame::OpenDroppedFiles(const QMimeData& dropped) {
    for (const QUrl& url : dropped.urls())
        if (url.isLocalFile()) OpenDocumentFile(url.toLocalFile());
    activateWindow();
}
