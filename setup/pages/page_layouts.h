// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The installer's page templates: each page's size, texts, edit, bitmaps and buttons, placed in
// dialog units. A button's id is also the result of the page it ends.
#include <QRect>
#include <QSize>
#include <QString>
#include <string>
#include <vector>

#include "setup/page_runner.h"

namespace kiva::setup {

enum class ControlKind {
    Text,           // a static text, wrapped within its rectangle
    Edit,           // a one-line edit holding the page's text
    Agreement,      // the read-only, scrolled licence agreement
    Group,          // a group box framing the controls placed inside it
    Button,
    DefaultButton,  // pressed by Enter
    Progress,       // a bar from 0 to 100
    SetupBitmap,    // the installer's picture, at every page's top left
    WelcomeBitmap,  // the welcome page's picture
};

// The ids of the controls that are not buttons.
namespace control {
inline constexpr int kProgressBar = 1000;
inline constexpr int kAgreement = 1003;
inline constexpr int kPathEdit = 1004;  // the destination or the next disk's directory
inline constexpr int kCurrentFile = 1006;
inline constexpr int kMessage = 1010;
}  // namespace control

struct ControlLayout {
    ControlKind kind;
    QString text;
    int id = 0;
    QRect units;  // x, y, width, height in dialog units
};

// What closing a page with its close box or Escape gives.
inline constexpr int kCloseIgnored = -1;  // the page cannot be closed that way
inline constexpr int kCloseCancels = 2;   // neither a button nor a wanted ending

struct PageLayout {
    PageId page;
    QSize units;
    bool closeBox = false;  // a close box in the title bar
    int closeResult = kCloseCancels;
    std::vector<ControlLayout> controls;
};

const PageLayout& LayoutOf(PageId page);

// Every page's caption.
QString PageCaption();

// A control's text and a message of the installer's logic, in the user's language.
QString ControlText(const ControlLayout& control);
QString SetupMessageText(const std::string& message);

// The agreement shown on the licence page: a plain-words summary, then the licence itself with
// its hard line breaks joined so the text wraps to the page.
QString AgreementText();

// Joins a plain-text document's lines into paragraphs that can wrap: a full line followed by one
// indented no deeper continues the same paragraph; blank lines, short lines and deeper indents
// keep their breaks.
QString JoinWrappedLines(const QString& text);

}  // namespace kiva::setup
