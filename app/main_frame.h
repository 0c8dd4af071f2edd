// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// CMainFrame: the maximized main window. It holds the document windows, the menus (one set
// without a document, one with), the accelerators and the status bar, and routes every command
// id to whoever serves it: the active view, its document, this frame, then the application,
// which it knows only by the commands it asks of it.
#include <QMainWindow>
#include <map>
#include <memory>

#include "app/application_commands.h"
#include "app/document_manager.h"
#include "app/menu_tables.h"
#include "app/recent_files.h"
#include "view/molecule_view.h"

class CChildFrame;
class CKivaView;
class QAction;
class QMdiArea;
class QMenu;
class QMimeData;

class CMainFrame final : public QMainWindow {
    Q_OBJECT
public:
    static inline const QString kTitle = QStringLiteral("Zelkora");

    CMainFrame(const QString& profilePath, kiva::ApplicationCommands& application);
    ~CMainFrame() override;

    kiva::DocumentManager& Documents() { return *documents_; }
    kiva::RecentFileList& RecentFiles() { return recentFiles_; }
    QMdiArea* MdiArea() const { return mdiArea_; }
    CChildFrame* ActiveFrame() const;
    CKivaView* ActiveView() const;

    // The action that carries a command id; null for an id no menu or key uses.
    QAction* Action(int id) const;
    // Every menu and toolbar item enabled and checked by the rules of whoever serves it, and the
    // menu set and title that fit the active window.
    void UpdateCommands();
    kiva::CommandStatus QueryCommand(int id) const;
    // Runs the command when it is enabled; otherwise does nothing, as for an unserved key.
    void ExecuteCommand(int id);

    // Opens a document file in a new window; false with one message when it cannot be read.
    bool OpenDocumentFile(const QString& path);
    // Every local file of a drop, each in a window of its own.
    void OpenDroppedFiles(const QMimeData& dropped);

    const QString& ProfilePath() const { return profilePath_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    QMenu* CreateMenu(const kiva::MenuItem& item);
    void CreateMenus();
    void CreateStatusBar();
    void ConnectDocuments();
    void ShowMenuSet(bool documentMenu);
    void UpdateRecentFileItems();
    // The open document windows at the end of the Window menu, numbered, the active one checked.
    void UpdateWindowList();
    void UpdateTitle();
    void ChooseAndOpen();
    void OpenRecentFile(int index);
    void ArrangeIcons();

    QString profilePath_;
    kiva::ApplicationCommands& application_;
    QMdiArea* mdiArea_ = nullptr;
    std::unique_ptr<kiva::DocumentManager> documents_;
    kiva::RecentFileList recentFiles_;
    std::map<int, QAction*> actions_;
    std::vector<QMenu*> noDocumentMenus_;
    std::vector<QMenu*> documentMenus_;
    std::vector<QAction*> recentPlaceholders_;
    QMenu* windowMenu_ = nullptr;
    std::vector<QAction*> windowListItems_;
    bool showingDocumentMenu_ = false;
    bool settingTitle_ = false;
    bool fitWindow_ = false;  // the picture fills its document window; kept in the profile
};
