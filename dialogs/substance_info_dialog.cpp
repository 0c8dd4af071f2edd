// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/substance_info_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kiva {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("CSubstanceInfoDlg", text); }

QString BondingClassName(BondingClass bondingClass) {
    switch (bondingClass) {
    case BondingClass::Metal: return Tr("Metal");
    case BondingClass::Atom: return Tr("Atom");
    case BondingClass::Ionic: return Tr("Ionic");
    case BondingClass::Molecule: return Tr("Molecule");
    case BondingClass::CovalentNetwork: return Tr("Covalent network");
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

QString Length(float angstrom) { return Tr("%1 Å").arg(static_cast<double>(angstrom), 0, 'f', 4); }
QString Angle(float degrees) { return Tr("%1°").arg(static_cast<double>(degrees), 0, 'f', 3); }

}  // namespace

CSubstanceInfoDlg::CSubstanceInfoDlg(const SubstanceFacts& facts, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Tr("Substance Information"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    form->addRow(Tr("Name:"), Value(QString::fromStdString(facts.name), this));
    form->addRow(Tr("Formula:"), Value(FormulaHtml(facts.formula), this, Qt::RichText));
    form->addRow(Tr("Bonding:"), Value(BondingClassName(facts.bondingClass), this));
    if (!facts.description.empty()) form->addRow(Tr("Description:"), Value(QString::fromStdString(facts.description), this));
    if (facts.cell) {
        const CellFacts& cell = *facts.cell;
        form->addRow(Tr("Cell edges a, b, c:"), Value(Tr("%1, %2, %3").arg(Length(cell.cell.a), Length(cell.cell.b), Length(cell.cell.c)), this));
        form->addRow(Tr("Cell angles α, β, γ:"),
                     Value(Tr("%1, %2, %3").arg(Angle(cell.cell.alpha), Angle(cell.cell.beta), Angle(cell.cell.gamma)), this));
        if (!cell.spaceGroup.empty()) form->addRow(Tr("Space group:"), Value(QString::fromStdString(cell.spaceGroup), this));
        form->addRow(Tr("Atoms in the cell:"), Value(cell.atomCount > 0 ? QString::number(cell.atomCount) : Tr("not known"), this));
        form->addRow(Tr("Formula units per cell (Z):"),
                     Value(cell.formulaUnits > 0 ? QString::number(cell.formulaUnits) : Tr("not known"), this));
    } else {
        form->addRow(Tr("Crystal:"), Value(Tr("no crystal structure"), this));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    setMinimumWidth(420);
}

}  // namespace kiva
