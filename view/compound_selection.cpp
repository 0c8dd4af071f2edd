// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/compound_selection.h"

#include <QApplication>
#include <QDir>

#include "chem/compound_title.h"
#include "chem/shared_data.h"
#include "dialogs/selection_dialogs.h"
#include "platform/binary_archive.h"
#include "platform/message_box.h"
#include "platform/translations.h"
#include "view/commands.h"
#include "view/view_document.h"

namespace kiva {

namespace {

// Runs one dialog and returns its name after OK.
template <typename Dialog, typename... Arguments>
std::optional<QString> Run(QWidget* owner, const Arguments&... arguments) {
    Dialog dialog(arguments..., owner);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.selectedName();
}

std::optional<QString> RunRealDialog(int commandId, QWidget* owner) {
    const SharedData& data = TheSharedData();
    switch (commandId) {
    case command::Homoatomic: return Run<CHomoatomicDlg>(owner, data.moleculeIndex, data.elementTable);
    case command::Metallic: return Run<CMetallicDlg>(owner, data.moleculeIndex);
    case command::NonMetallic: return Run<CNonMetallicDlg>(owner, data.moleculeIndex);
    case command::Organic: return Run<COrganicDlg>(owner, data.moleculeIndex);
    case command::Index: return Run<CIndexDlg>(owner, data.moleculeIndex);
    default: return std::nullopt;
    }
}

SelectionDialogRunner& Runner() {
    static SelectionDialogRunner runner;  // empty: the real dialogs
    return runner;
}

// The wait cursor for as long as the lookup runs, however it ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

bool IsSelectionCommand(int id) {
    return id == command::Homoatomic || id == command::Metallic || id == command::NonMetallic ||
           id == command::Organic || id == command::Index;
}

SelectionDialogRunner ReplaceSelectionDialogRunner(SelectionDialogRunner runner) {
    return std::exchange(Runner(), std::move(runner));
}

std::optional<QString> RunSelectionDialog(int commandId, QWidget* owner) {
    return Runner() ? Runner()(commandId, owner) : RunRealDialog(commandId, owner);
}

QString BondingClassSuffixText(std::int32_t bondingClass) {
    return TranslatedText(kBondingClassContext, BondingClassSuffix(bondingClass));
}

void ViewDocument::SetSubstanceTitle(const QString& name) {
    SetTitle(name + BondingClassSuffixText(Compound().bondingClass));
}

void SelectCompound(ViewDocument& document, const QString& name, QWidget* owner) {
    const SharedData& data = TheSharedData();
    bool found = false;
    try {
        const WaitCursor wait;
        found = LoadCompoundByName(data.moleculeIndex, data.moleculeDataPath, name.toStdString(), document.Compound());
    } catch (const FileException& error) {
        ShowMessageBox({owner, QApplication::applicationName(), QString::fromStdString(error.what()),
                        MessageButtons::Ok, MessageIcon::Warning});
        return;
    }
    if (!found) {
        ShowMessageBox({owner, QStringLiteral("Zelkora"),
                        QCoreApplication::translate("CompoundSelection", "Cannot find the compound \"%1\".").arg(name),
                        MessageButtons::Ok, MessageIcon::Question});
        return;
    }
    document.SetPathName(QDir::current().absoluteFilePath(name));
    document.SetFromCatalogue(true);
    document.SetSubstanceTitle(name);
    document.UpdateAllViews();
}

}  // namespace kiva
