// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/color_dialog.h"

#include <QColorDialog>

namespace kiva {

namespace {

ColorDialogHandler& InstalledHandler() {
    static ColorDialogHandler handler;
    return handler;
}

}  // namespace

std::optional<QColor> ChooseColor(QColor initial, QWidget* owner) {
    if (const ColorDialogHandler& handler = InstalledHandler()) return handler(initial, owner);
    const QColor chosen = QColorDialog::getColor(initial, owner);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

ColorDialogHandler ReplaceColorDialogHandler(ColorDialogHandler handler) {
    return std::exchange(InstalledHandler(), std::move(handler));
}

}  // namespace kiva
