// SPDX-License-Identifier: GPL-2.0-or-later
// The three dialogs that list substances by their keys: ions, covalences or an element.
#include <QCoreApplication>

#include "chem/shared_data.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/selection_dialogs.h"

namespace kiva {

void SelectionDialog::BuildKeyPairDialog(KeyPairSelection& selection, const KeyPairLayout& layout) {
    AddSelectedEdit(QCoreApplication::translate("SelectionDialog", "Selected &Compound:"), layout.editId, units_.Rect(8, 10, 68, 8), units_.Rect(80, 8, 90, 12));
    AddButtons(units_.Rect(180, 8, 50, 14), units_.Rect(180, 24, 50, 14));
    AddMatchList(QCoreApplication::translate("SelectionDialog", "&Select from:"), layout.listId, units_.Rect(8, 26, 68, 8), units_.Rect(10, 40, 218, 68));
    AddKeyList(layout.positiveLabel, layout.positiveId, layout.positiveLabelRect, layout.positiveRect,
               layout.positiveColumn, selection.PositiveKeys(), [&selection](int row) { selection.ChoosePositive(row); });
    AddKeyList(layout.negativeLabel, layout.negativeId, layout.negativeLabelRect, layout.negativeRect,
               layout.negativeColumn, selection.NegativeKeys(), [&selection](int row) { selection.ChooseNegative(row); });
}

CMetallicDlg::CMetallicDlg(const MoleculeIndex& index, QWidget* parent)
    : SelectionDialog(parent, QCoreApplication::translate("SelectionDialog", "Metallic Compounds"), 238, 177, selection_), selection_(index, &TheSharedData().catalogueLanguage) {
    BuildKeyPairDialog(selection_, {1003, 1002, 1000, 1001, QCoreApplication::translate("SelectionDialog", "&Positive Ions:"),
                                    QCoreApplication::translate("SelectionDialog", "&Negative Ions:"), units_.Rect(8, 112, 50, 8),
                                    units_.Rect(10, 124, 90, 44), units_.Rect(112, 112, 56, 8),
                                    units_.Rect(112, 124, 112, 44), 32, 40});
    MakeRoomForTexts(*this);
}

CNonMetallicDlg::CNonMetallicDlg(const MoleculeIndex& index, QWidget* parent)
    : SelectionDialog(parent, QCoreApplication::translate("SelectionDialog", "Non-Metallic Compounds"), 238, 177, selection_), selection_(index, &TheSharedData().catalogueLanguage) {
    BuildKeyPairDialog(selection_, {1008, 1009, 1010, 1011, QCoreApplication::translate("SelectionDialog", "&Positive Covalence:"),
                                    QCoreApplication::translate("SelectionDialog", "&Negative Covalence:"), units_.Rect(8, 112, 68, 8),
                                    units_.Rect(10, 124, 64, 44), units_.Rect(86, 112, 68, 8),
                                    units_.Rect(88, 124, 136, 44), 40, 40});
    MakeRoomForTexts(*this);
}

CHomoatomicDlg::CHomoatomicDlg(const MoleculeIndex& index, const ElementTable& elements, QWidget* parent)
    : SelectionDialog(parent, QCoreApplication::translate("SelectionDialog", "Homoatomic Substance"), 238, 149, selection_), selection_(index, elements, &TheSharedData().catalogueLanguage) {
    AddSelectedEdit(QCoreApplication::translate("SelectionDialog", "&Selected Substance:"), 1017, units_.Rect(8, 10, 68, 8), units_.Rect(80, 8, 90, 12));
    AddButtons(units_.Rect(180, 8, 50, 14), units_.Rect(180, 24, 50, 14));
    AddMatchList(QCoreApplication::translate("SelectionDialog", "Select &from:"), 1016, units_.Rect(8, 26, 68, 8), units_.Rect(10, 40, 218, 40));
    AddKeyList(QCoreApplication::translate("SelectionDialog", "&Elements:"), 1015, units_.Rect(8, 84, 40, 8), units_.Rect(10, 96, 218, 44), 32,
               selection_.ElementKeys(), [this](int row) { selection_.ChooseElement(row); });
    MakeRoomForTexts(*this);
}

CIndexDlg::CIndexDlg(const MoleculeIndex& index, QWidget* parent)
    : SelectionDialog(parent, QCoreApplication::translate("SelectionDialog", "Index"), 238, 135, selection_), selection_(index, &TheSharedData().catalogueLanguage) {
    AddSelectedEdit(QCoreApplication::translate("SelectionDialog", "Selected &Compound:"), 1013, units_.Rect(8, 10, 68, 8), units_.Rect(80, 8, 90, 12));
    AddMatchList(QCoreApplication::translate("SelectionDialog", "&Select from:"), 1014, units_.Rect(8, 26, 68, 8), units_.Rect(10, 40, 218, 88));
    AddButtons(units_.Rect(180, 8, 50, 14), units_.Rect(180, 25, 50, 14));
    ShowModel();
    MakeRoomForTexts(*this);
}

}  // namespace kiva
