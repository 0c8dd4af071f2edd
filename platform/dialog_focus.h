// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Without a window manager nobody hands the keyboard back to a window when a dialog or message
// box over it closes, so shortcuts and typing go nowhere until a click. The owner takes it back.

class QApplication;

namespace kiva {

void ReturnFocusAfterDialogs(QApplication& application);

}  // namespace kiva
