// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The 20 x 20 toolbar images of the molecule view, drawn as vectors at whatever size and
// device pixel ratio they are asked for, so they stay crisp on HiDPI screens.
#include <QIcon>

namespace kiva {

// The image of a view command; blank for a command that has none.
QIcon ToolIcon(int commandId);

}  // namespace kiva
