// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The five substance selection dialogs. Each shows a SelectionModel and passes the user's clicks
// and typing to it; `selectedName` is the result after OK.
#include <QDialog>
#include <functional>

#include "dialogs/dialog_units.h"
#include "dialogs/selection_model.h"

class QLineEdit;
class QListWidget;

namespace kiva {

// Shows a "not found" message; tests replace it. The default is an information box captioned "Zelkora".
using NotFoundReporter = std::function<void(QWidget* owner, const QString& message)>;
void SetNotFoundReporter(NotFoundReporter reporter);

class SelectionDialog : public QDialog {
public:
    QString selectedName() const { return selectedName_; }

protected:
    SelectionDialog(QWidget* parent, const QString& title, int widthUnits, int heightUnits, SelectionModel& model);
    // The common controls, in dialog units.
    void AddSelectedEdit(const QString& label, int editId, QRect labelRect, QRect editRect);
    void AddMatchList(const QString& label, int listId, QRect labelRect, QRect listRect);
    void AddButtons(QRect ok, QRect cancel);
    // A list of keys; `chosen` receives the row the user selects, and the controls then show the model.
    QListWidget* AddKeyList(const QString& label, int listId, QRect labelRect, QRect listRect, int columnPixels,
                            const std::vector<std::string>& keys, std::function<void(int)> chosen);
    // The layout the metallic and non-metallic dialogs share, with their own ids, key lists and labels.
    struct KeyPairLayout {
        int editId, listId, positiveId, negativeId;
        QString positiveLabel, negativeLabel;
        QRect positiveLabelRect, positiveRect, negativeLabelRect, negativeRect;
        int positiveColumn, negativeColumn;
    };
    void BuildKeyPairDialog(class KeyPairSelection& selection, const KeyPairLayout& layout);

    // Copies the model's lines, highlight and name into the controls.
    void ShowModel();
    void Confirm();
    virtual void OnOk();
    void done(int result) override;

    DialogUnits units_;
    SelectionModel& model_;
    QLineEdit* edit_ = nullptr;
    QListWidget* matches_ = nullptr;

private:
    QString selectedName_;
};

class CMetallicDlg : public SelectionDialog {
public:
    CMetallicDlg(const MoleculeIndex& index, QWidget* parent = nullptr);

private:
    MetallicSelection selection_;
};

class CNonMetallicDlg : public SelectionDialog {
public:
    CNonMetallicDlg(const MoleculeIndex& index, QWidget* parent = nullptr);

private:
    NonMetallicSelection selection_;
};

class CHomoatomicDlg : public SelectionDialog {
public:
    CHomoatomicDlg(const MoleculeIndex& index, const ElementTable& elements, QWidget* parent = nullptr);

private:
    HomoatomicSelection selection_;
};

class CIndexDlg : public SelectionDialog {
public:
    CIndexDlg(const MoleculeIndex& index, QWidget* parent = nullptr);

private:
    IndexSelection selection_;
};

class COrganicDlg : public SelectionDialog {
public:
    COrganicDlg(const MoleculeIndex& index, QWidget* parent = nullptr);

private:
    void OnOk() override;
    OrganicSelection selection_;
};

}  // namespace kiva
