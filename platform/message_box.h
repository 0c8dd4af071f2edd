// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The program's message boxes go through one call that tests replace, so no test waits on a
// modal window.
#include <functional>

#include <QString>

class QWidget;

namespace kiva {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Information, Question, Warning, Critical };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    QWidget* owner = nullptr;
    QString caption;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

using MessageBoxHandler = std::function<MessageAnswer(const MessageRequest&)>;

// Shows a modal message box, or hands the request to the installed replacement.
MessageAnswer ShowMessageBox(const MessageRequest& request);

// Installs a replacement (an empty one restores the real box) and returns the previous one.
MessageBoxHandler ReplaceMessageBoxHandler(MessageBoxHandler handler);

}  // namespace kiva
