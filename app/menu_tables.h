// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The viewer's two menus and its accelerator table, as data the main frame builds from.
#include <QKeySequence>
#include <QtGlobal>
#include <string_view>
#include <vector>

namespace kiva {

// A command item (id and text), a submenu (text and items) or a separator (neither).
// The text may name a shortcut after a tab, as "&New\tCtrl+N".
struct MenuItem {
    std::string_view text;
    int id = 0;
    std::vector<MenuItem> items;
};

// Where the recent-file list goes in the File menus: the grayed placeholder's text.
inline constexpr std::string_view kRecentFilePlaceholder = QT_TRANSLATE_NOOP("Menu", "Recent File");

// The texts of the tables are translated in the context "Menu".
inline constexpr const char* kMenuContext = "Menu";

// Menu 128, shown while no document window is open.
const std::vector<MenuItem>& NoDocumentMenu();
// Menu 129, shown while a document window is active.
const std::vector<MenuItem>& DocumentMenu();

struct Accelerator {
    QKeySequence key;
    int id;
};

// Accelerator table 128. Close has no key: its menu text shows Ctrl+W, which nothing binds.
const std::vector<Accelerator>& AcceleratorTable();

}  // namespace kiva
