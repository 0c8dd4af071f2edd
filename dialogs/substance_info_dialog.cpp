// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/substance_info_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "dialogs/substance_fact_rows.h"

namespace kiva {

namespace {

QLabel* Value(const QString& text, QWidget* parent, Qt::TextFormat format = Qt::PlainText) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(format);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);  // a student may copy a value
    label->setWordWrap(true);
    return label;
}

}  // namespace

CSubstanceInfoDlg::CSubstanceInfoDlg(const SubstanceFacts& facts, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("CSubstanceInfoDlg", "Substance Information"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    form->addRow(QCoreApplication::translate("CSubstanceInfoDlg", "Name:"), Value(QString::fromStdString(DisplayName(facts)), this));
    if (!facts.description.empty()) form->addRow(QCoreApplication::translate("CSubstanceInfoDlg", "Description:"), Value(QString::fromStdString(facts.description), this));
    for (const FactRow& row : SubstanceFactRows(facts))
        form->addRow(row.label, Value(row.value, this, row.rich ? Qt::RichText : Qt::PlainText));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

}  // namespace kiva
