// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/substance_info_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kiva {

namespace {

QString BondingClassName(BondingClass bondingClass) {
    switch (bondingClass) {
    case BondingClass::Metal: return QCoreApplication::translate("CSubstanceInfoDlg", "Metal");
    case BondingClass::Atom: return QCoreApplication::translate("CSubstanceInfoDlg", "Atom");
    case BondingClass::Ionic: return QCoreApplication::translate("CSubstanceInfoDlg", "Ionic");
    case BondingClass::Molecule: return QCoreApplication::translate("CSubstanceInfoDlg", "Molecule");
    case BondingClass::CovalentNetwork: return QCoreApplication::translate("CSubstanceInfoDlg", "Covalent network");
    }
    return QString();
}

// Digits after a letter or a closing bracket are counts, written as subscripts: CaCO<sub>3</sub>.
QString FormulaHtml(const std::string& formula) {
    QString html;
    bool inCount = false;
    for (std::size_t i = 0; i < formula.size(); ++i) {
        const char c = formula[i];
        const bool digit = c >= '0' && c <= '9';
        if (digit && !inCount && i > 0) html += QStringLiteral("<sub>");
        if (!digit && inCount) html += QStringLiteral("</sub>");
        inCount = digit && (inCount || i > 0);
        html += QString(QChar(c)).toHtmlEscaped();
    }
    if (inCount) html += QStringLiteral("</sub>");
    return html;
}

QLabel* Value(const QString& text, QWidget* parent, Qt::TextFormat format = Qt::PlainText) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(format);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);  // a student may copy a value
    label->setWordWrap(true);
    return label;
}

QString Length(float angstrom) { return QCoreApplication::translate("CSubstanceInfoDlg", "%1 Å").arg(static_cast<double>(angstrom), 0, 'f', 4); }
QString Angle(float degrees) { return QCoreApplication::translate("CSubstanceInfoDlg", "%1°").arg(static_cast<double>(degrees), 0, 'f', 3); }

}  // namespace

CSubstanceInfoDlg::CSubstanceInfoDlg(const SubstanceFacts& facts, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("CSubstanceInfoDlg", "Substance Information"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    form->addRow(QCoreApplication::translate("CSubstanceInfoDlg", "Name:"), Value(QString::fromStdString(facts.name), this));
    form->addRow(QCoreApplication::translate("CSubstanceInfoDlg", "Formula:"), Value(FormulaHtml(facts.formula), this, Qt::RichText));
    form->addRow(QCoreApplication::translate("CSubstanceInfoDlg", "Bonding:"), Value(BondingClassName(facts.bondingClass), this));
    if (!facts.description.empty()) form->addRow(QCoreApplication::translate("CSubstanceInfoDlg", "Description:"), Value(QString::fromStdString(facts.description), this));
    if (facts.cell) {
        const CellFacts& cell = *facts.cell;
        form->addRow(QCoreApplication::translate("CSubstanceInfoDlg", "Cell edges a, b, c:"), Value(QCoreApplication::translate("CSubstanceInfoDlg", "%1, %2, %3").arg(Length(cell.cell.a), Length(cell.cell.b), Length(cell.cell.c)), this));
        form->addRow(QCoreApplication::translate("CSubstanceInfoDlg", "Cell angles α, β, γ:"),
                     Value(QCoreApplication::translate("CSubstanceInfoDlg", "%1, %2, %3").arg(Angle(cell.cell.alpha), Angle(cell.cell.beta), Angle(cell.cell.gamma)), this));
        if (!cell.spaceGroup.empty()) form->addRow(QCoreApplication::translate("CSubstanceInfoDlg", "Space group:"), Value(QString::fromStdString(cell.spaceGroup), this));
        form->addRow(QCoreApplication::translate("CSubstanceInfoDlg", "Atoms in the cell:"), Value(cell.atomCount > 0 ? QString::number(cell.atomCount) : QCoreApplication::translate("CSubstanceInfoDlg", "not known"), this));
        form->addRow(QCoreApplication::translate("CSubstanceInfoDlg", "Formula units per cell (Z):"),
                     Value(cell.formulaUnits > 0 ? QString::number(cell.formulaUnits) : QCoreApplication::translate("CSubstanceInfoDlg", "not known"), this));
    } else {
        form->addRow(QCoreApplication::translate("CSubstanceInfoDlg", "Crystal:"), Value(QCoreApplication::translate("CSubstanceInfoDlg", "no crystal structure"), this));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

}  // namespace kiva
