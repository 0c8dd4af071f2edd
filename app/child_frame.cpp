// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/child_frame.h"

#include <QAction>
#include <QCoreApplication>
#include <QMdiArea>
#include <algorithm>
#include <QMenu>

#include "app/kiva_doc.h"
#include "view/kiva_view.h"

namespace {

// Qt's own item, in whichever language Qt speaks; a variable, so that our translations leave it out.
bool IsMaximizeItem(const QAction& action) {
    const char* maximize = "Ma&ximize";
    return action.text() == QCoreApplication::translate("QMdiSubWindow", maximize);
}

}  // namespace

CChildFrame::CChildFrame(CKivaDoc& document, CKivaView* view) : document_(document), view_(view) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWidget(view);
    setMaximumSize(kFrameSize);
    resize(kFrameSize);
    // The system menu would otherwise offer Maximize and bind Ctrl+W to Close, which the viewer
    // leaves unbound.
    for (QAction* action : systemMenu()->actions()) {
        if (IsMaximizeItem(*action)) action->setVisible(false);
        QList<QKeySequence> keys = action->shortcuts();
        keys.removeAll(QKeySequence(Qt::CTRL | Qt::Key_W));
        action->setShortcuts(keys);
    }
    // The heating panel widens the view beside its picture, and the frame with it: the fixed
    // picture keeps its size, the fitted one the room it had, as far as the workspace allows.
    connect(view_, &CKivaView::fixedSizeChanged, this, [this, panel = 0]() mutable {
        const int widened = view_->FixedViewSize().width() - CKivaView::kViewSize;
        const int change = widened - panel;
        panel = widened;
        if (!view_->FitsWindow()) {
            const QSize size = kFrameSize + QSize(widened, 0);
            setMaximumSize(size);
            resize(size);
        } else if (!isMaximized() && change != 0) {
            const int room = mdiArea() ? mdiArea()->viewport()->width() - x() : width() + change;
            resize(std::clamp(width() + change, minimumWidth(), std::max(room, minimumWidth())), height());
        }
    });
    connect(&document_, &CKivaDoc::titleChanged, this, &CChildFrame::UpdateTitle);
    connect(&document_, &CKivaDoc::viewsChanged, this, &CChildFrame::UpdateTitle);
    UpdateTitle();
}

// The view dies after this body, and the document then tells its frames about it: this one
// must no longer hear.
CChildFrame::~CChildFrame() { disconnect(&document_, nullptr, this, nullptr); }

QString CChildFrame::FrameTitle() const {
    const auto& views = document_.Views();
    if (views.size() < 2) return document_.Title();
    const auto position = std::find(views.begin(), views.end(), view_) - views.begin();
    return QStringLiteral("%1:%2").arg(document_.Title()).arg(position + 1);
}

void CChildFrame::SetFitWindow(bool fit) {
    if (view_->FitsWindow() == fit) return;
    view_->SetFitWindow(fit);
    if (fit) {
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    } else {
        setWindowFlag(Qt::WindowMaximizeButtonHint, false);
        if (isMaximized()) showNormal();
        const QSize size = kFrameSize + (view_->FixedViewSize() - QSize(CKivaView::kViewSize, CKivaView::kViewSize));
        setMaximumSize(size);
        resize(size);
    }
    for (QAction* action : systemMenu()->actions())
        if (IsMaximizeItem(*action)) action->setVisible(fit);
    show();
}

void CChildFrame::UpdateTitle() { setWindowTitle(FrameTitle()); }
