// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The Molecule menu: each command runs its selection dialog and loads the chosen substance into
// the view's document.
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace kiva {

class ViewDocument;

// " - (Ionic)" and the other bonding-class suffixes of a title, in the user's language.
QString BondingClassSuffixText(std::int32_t bondingClass);

// Whether a command id is one of the five selection commands.
bool IsSelectionCommand(int id);

// Runs the command's dialog modally over `owner`; the chosen name after OK, nothing after Cancel.
// Tests replace it; an empty replacement restores the real dialogs.
using SelectionDialogRunner = std::function<std::optional<QString>(int commandId, QWidget* owner)>;
SelectionDialogRunner ReplaceSelectionDialogRunner(SelectionDialogRunner runner);
std::optional<QString> RunSelectionDialog(int commandId, QWidget* owner);

// Loads `name` from the catalogue into the document under a wait cursor. A name the index lacks is
// reported as "Cannot find the compound" and changes nothing; a found one becomes the document's
// path and, with its bonding class, its title, and every view of the document rebuilds.
void SelectCompound(ViewDocument& document, const QString& name, QWidget* owner);

}  // namespace kiva
