// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/substance_fact_rows.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

#include "platform/translations.h"

namespace kiva {

namespace {

QString Length(float angstrom) { return QCoreApplication::translate("CSubstanceInfoDlg", "%1 Å").arg(LocalNumber(static_cast<double>(angstrom), 4)); }
QString Angle(float degrees) { return QCoreApplication::translate("CSubstanceInfoDlg", "%1°").arg(LocalNumber(static_cast<double>(degrees), 3)); }
QString CountOrUnknown(int count) { return count > 0 ? QString::number(count) : QCoreApplication::translate("CSubstanceInfoDlg", "not known"); }

constexpr double kZeroCelsiusK = 273.15;
constexpr double kTenthsBelowK = 100;

// A rounded value with a true minus sign, and never "−0".
QString Rounded(double value, int decimals) {
    const double scale = decimals == 0 ? 1 : 10;
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0) rounded = 0;
    QString text = LocalNumber(rounded, decimals);
    if (text.startsWith(QLatin1Char('-'))) text.replace(0, 1, QChar(0x2212));
    return text;
}

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

QString TemperatureText(double kelvin) {
    const int decimals = kelvin < kTenthsBelowK ? 1 : 0;
    return QCoreApplication::translate("CSubstanceInfoDlg", "%1 K (%2 °C)")
        .arg(Rounded(kelvin, decimals), Rounded(kelvin - kZeroCelsiusK, decimals));
}

std::vector<FactRow> PhasePointRows(const PhasePoints& points) {
    const QString melting = QCoreApplication::translate("CSubstanceInfoDlg", "Melting point:");
    const QString boiling = QCoreApplication::translate("CSubstanceInfoDlg", "Boiling point:");
    std::vector<FactRow> rows;
    switch (points.note) {
    case PhaseNote::Decomposes:
        if (points.meltingK)
            rows.push_back({melting, QCoreApplication::translate("CSubstanceInfoDlg", "decomposes at %1").arg(TemperatureText(*points.meltingK))});
        return rows;
    case PhaseNote::Sublimes:
        if (points.boilingK)
            rows.push_back({melting, QCoreApplication::translate("CSubstanceInfoDlg", "sublimes at %1").arg(TemperatureText(*points.boilingK))});
        return rows;
    case PhaseNote::None:
        if (points.meltingK)
            rows.push_back({melting, TemperatureText(*points.meltingK)});
        else if (NeverFreezes(points))
            rows.push_back({melting, QCoreApplication::translate("CSubstanceInfoDlg", "does not freeze at normal pressure")});
        if (points.boilingK) rows.push_back({boiling, TemperatureText(*points.boilingK)});
        return rows;
    }
    return rows;
}

std::vector<FactRow> SubstanceFactRows(const SubstanceFacts& facts) {
    std::vector<FactRow> rows;
    if (!facts.commonNames.empty()) {
        QStringList names;
        for (const std::string& name : facts.commonNames) names << QString::fromStdString(name);
        rows.push_back({QCoreApplication::translate("CSubstanceInfoDlg", "Also called:"), names.join(QStringLiteral(", "))});
    }
    rows.push_back({QCoreApplication::translate("CSubstanceInfoDlg", "Formula:"), FormulaHtml(facts.formula), true});
    rows.push_back({QCoreApplication::translate("CSubstanceInfoDlg", "Bonding:"), BondingClassName(facts.bondingClass)});
    if (facts.phasePoints)
        for (FactRow& row : PhasePointRows(*facts.phasePoints)) rows.push_back(std::move(row));
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
