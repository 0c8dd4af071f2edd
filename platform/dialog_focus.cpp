// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/dialog_focus.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

namespace kiva {

namespace {

class DialogFocusReturn final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Hide || !watched->isWidgetType()) return false;
        const auto* dialog = static_cast<QWidget*>(watched);
        if (dialog->windowType() != Qt::Dialog || !dialog->parentWidget()) return false;
        // Asked once the hide is through: a window manager has given the focus back by then. The
        // owner is the timer's context, so a closed owner cancels the call.
        QWidget* owner = dialog->parentWidget()->window();
        QTimer::singleShot(0, owner, [owner] {
            if (owner->isVisible() && !QApplication::activeWindow()) owner->activateWindow();
        });
        return false;
    }
};

}  // namespace

void ReturnFocusAfterDialogs(QApplication& application) {
    application.installEventFilter(new DialogFocusReturn(&application));
}

}  // namespace kiva
