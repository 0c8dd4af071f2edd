// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The system colour chooser, behind a call that tests replace.
#include <QColor>
#include <functional>
#include <optional>

class QWidget;

namespace kiva {

// The chosen colour, or nothing when the user cancelled.
using ColorDialogHandler = std::function<std::optional<QColor>(QColor initial, QWidget* owner)>;

std::optional<QColor> ChooseColor(QColor initial, QWidget* owner);
// Installs a replacement (an empty one restores the real chooser) and returns the previous one.
ColorDialogHandler ReplaceColorDialogHandler(ColorDialogHandler handler);

}  // namespace kiva
