// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/substance_fact_rows.h"

#include <QCoreApplication>

namespace kiva {

namespace {

QString Length(float angstrom) { return QCoreApplication::translate("CSubstanceInfoDlg", "%1 Å").arg(static_cast<double>(angstrom), 0, 'f', 4); }
QString Angle(float degrees) { return QCoreApplication::translate("CSubstanceInfoDlg", "%1°").arg(static_cast<double>(degrees), 0, 'f', 3); }
QString CountOrUnknown(int count) { return count > 0 ? QString::number(count) : QCoreApplication::translate("CSubstanceInfoDlg", "not known"); }

}  // namespace

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

std::vector<FactRow> SubstanceFactRows(const SubstanceFacts& facts) {
    std::vector<FactRow> rows = {{QCoreApplication::translate("CSubstanceInfoDlg", "Formula:"), FormulaHtml(facts.formula), true},
                                 {QCoreApplication::translate("CSubstanceInfoDlg", "Bonding:"), BondingClassName(facts.bondingClass)}};
    if (!facts.cell) {
        rows.push_back({QCoreApplication::translate("CSubstanceInfoDlg", "Crystal:"), QCoreApplication::translate("CSubstanceInfoDlg", "no crystal structure")});
        return rows;
    }
    const CellFacts& cell = *facts.cell;
    rows.push_back({QCoreApplication::translate("CSubstanceInfoDlg", "Cell edges a, b, c:"), QCoreApplication::translate("CSubstanceInfoDlg", "%1, %2, %3").arg(Length(cell.cell.a), Length(cell.cell.b), Length(cell.cell.c))});
    rows.push_back({QCoreApplication::translate("CSubstanceInfoDlg", "Cell angles α, β, γ:"),
                    QCoreApplication::translate("CSubstanceInfoDlg", "%1, %2, %3").arg(Angle(cell.cell.alpha), Angle(cell.cell.beta), Angle(cell.cell.gamma))});
    if (!cell.spaceGroup.empty()) rows.push_back({QCoreApplication::translate("CSubstanceInfoDlg", "Space group:"), QString::fromStdString(cell.spaceGroup)});
    rows.push_back({QCoreApplication::translate("CSubstanceInfoDlg", "Atoms in the cell:"), CountOrUnknown(cell.atomCount)});
    rows.push_back({QCoreApplication::translate("CSubstanceInfoDlg", "Formula units per cell (Z):"), CountOrUnknown(cell.formulaUnits)});
    return rows;
}

}  // namespace kiva
