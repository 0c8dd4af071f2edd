// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the help explains each command, and the text context help (Shift+F1) shows for it.
#include <QString>

namespace kiva {

// The help page and anchor of a command ("menu_view.html#color"); empty for a command without one.
QString HelpTopicOf(int commandId);

// The context help of a command: its name, its status-bar prompt and a link to its help topic.
// `name` is the menu text or the tooltip; mnemonics and shortcuts are dropped.
QString WhatsThisText(int commandId, QString name);

}  // namespace kiva
