// SPDX-License-Identifier: GPL-2.0-or-later
// The information window shows every fact it is given, and says what a molecule lacks.
#include "dialogs/substance_info_dialog.h"

#include <QFormLayout>
#include <QLabel>

#include <gtest/gtest.h>

namespace kiva {
namespace {

QStringList Texts(const QDialog& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

// The value the dialog's form shows in the row labelled `label`; empty when it has no such row.
QString ValueBeside(const QDialog& dialog, const QString& label) {
    for (const QFormLayout* form : dialog.findChildren<QFormLayout*>())
        for (int row = 0; row < form->rowCount(); ++row) {
            const QLayoutItem* name = form->itemAt(row, QFormLayout::LabelRole);
            const QLayoutItem* value = form->itemAt(row, QFormLayout::FieldRole);
            const auto* nameLabel = name ? qobject_cast<const QLabel*>(name->widget()) : nullptr;
            const auto* valueLabel = value ? qobject_cast<const QLabel*>(value->widget()) : nullptr;
            if (nameLabel && valueLabel && nameLabel->text() == label) return valueLabel->text();
        }
    return QString();
}

TEST(CSubstanceInfoDlg, ShowsTheCellAndItsFormulaUnits) {
    SubstanceFacts facts;
    facts.name = "CaCO3";
    facts.formula = "CaCO3";
    facts.bondingClass = BondingClass::Ionic;
    facts.description = "Calcium carbonate";
    facts.cell = CellFacts{{4.99f, 4.99f, 17.06f, 90, 90, 120}, "R -3 c :H", 30, 6};
    const QStringList texts = Texts(CSubstanceInfoDlg(facts));
    EXPECT_TRUE(texts.contains(QStringLiteral("CaCO<sub>3</sub>")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Ionic")));
    EXPECT_TRUE(texts.contains(QStringLiteral("R -3 c :H")));
    EXPECT_TRUE(texts.contains(QStringLiteral("30")));
    EXPECT_TRUE(texts.contains(QStringLiteral("6")));
    EXPECT_TRUE(texts.contains(QStringLiteral("4.9900 Å, 4.9900 Å, 17.0600 Å")));
    EXPECT_TRUE(texts.contains(QStringLiteral("90.000°, 90.000°, 120.000°")));
}

// A cell whose atoms are no whole number of formula units: Z is not known, never 0.
TEST(CSubstanceInfoDlg, SaysTheFormulaUnitsAreNotKnownWhereTheyCannotBeWorkedOut) {
    SubstanceFacts facts;
    facts.name = "Odd";
    facts.formula = "NaCl";
    facts.bondingClass = BondingClass::Ionic;
    facts.cell = CellFacts{{5.64f, 5.64f, 5.64f, 90, 90, 90}, "F m -3 m", 7, 0};
    const CSubstanceInfoDlg dialog(facts);
    EXPECT_EQ(ValueBeside(dialog, QStringLiteral("Atoms in the cell:")), QStringLiteral("7"));
    EXPECT_EQ(ValueBeside(dialog, QStringLiteral("Formula units per cell (Z):")), QStringLiteral("not known"));
}

SubstanceFacts WithPoints(PhasePoints points) {
    SubstanceFacts facts;
    facts.name = "X";
    facts.formula = "X";
    facts.phasePoints = points;
    return facts;
}

// Kelvin and Celsius each rounded on their own, a true minus sign, and a tenth below 100 K.
TEST(CSubstanceInfoDlg, ShowsWhereASubstanceMeltsAndBoils) {
    const CSubstanceInfoDlg water(WithPoints({273.15, 373.15, PhaseNote::None}));
    EXPECT_EQ(ValueBeside(water, QStringLiteral("Melting point:")), QStringLiteral("273 K (0 °C)"));
    EXPECT_EQ(ValueBeside(water, QStringLiteral("Boiling point:")), QStringLiteral("373 K (100 °C)"));
    const CSubstanceInfoDlg nitrogen(WithPoints({63.15, 77.36, PhaseNote::None}));
    EXPECT_EQ(ValueBeside(nitrogen, QStringLiteral("Boiling point:")), QStringLiteral("77.4 K (\u2212195.8 °C)"));
    const CSubstanceInfoDlg brine(WithPoints({272.9, 373.15, PhaseNote::None}));
    EXPECT_EQ(ValueBeside(brine, QStringLiteral("Melting point:")), QStringLiteral("273 K (0 °C)")) << "never -0";
}

TEST(CSubstanceInfoDlg, SaysASubstanceDecomposesOrSublimesInsteadOfMelting) {
    const CSubstanceInfoDlg calcite(WithPoints({1098.0, std::nullopt, PhaseNote::Decomposes}));
    EXPECT_EQ(ValueBeside(calcite, QStringLiteral("Melting point:")), QStringLiteral("decomposes at 1098 K (825 °C)"));
    EXPECT_EQ(ValueBeside(calcite, QStringLiteral("Boiling point:")), QString());
    const CSubstanceInfoDlg dryIce(WithPoints({std::nullopt, 194.7, PhaseNote::Sublimes}));
    EXPECT_EQ(ValueBeside(dryIce, QStringLiteral("Melting point:")), QStringLiteral("sublimes at 195 K (\u221278 °C)"));
    EXPECT_EQ(ValueBeside(dryIce, QStringLiteral("Boiling point:")), QString());
}

// Helium alone does not freeze; a point no source gives is left out, never shown as frozen.
TEST(CSubstanceInfoDlg, SaysHeliumDoesNotFreezeAndLeavesOutWhatTheTableLacks) {
    const CSubstanceInfoDlg helium(WithPoints({std::nullopt, 4.216, PhaseNote::None}));
    EXPECT_EQ(ValueBeside(helium, QStringLiteral("Melting point:")), QStringLiteral("does not freeze at normal pressure"));
    EXPECT_EQ(ValueBeside(helium, QStringLiteral("Boiling point:")), QStringLiteral("4.2 K (\u2212268.9 °C)"));
    const CSubstanceInfoDlg vinylacetylene(WithPoints({std::nullopt, 278.25, PhaseNote::None}));
    EXPECT_EQ(ValueBeside(vinylacetylene, QStringLiteral("Melting point:")), QString());
    EXPECT_EQ(ValueBeside(vinylacetylene, QStringLiteral("Boiling point:")), QStringLiteral("278 K (5 °C)"));
    const CSubstanceInfoDlg saltpetre(WithPoints({607.15, std::nullopt, PhaseNote::None}));
    EXPECT_EQ(ValueBeside(saltpetre, QStringLiteral("Melting point:")), QStringLiteral("607 K (334 °C)"));
    EXPECT_EQ(ValueBeside(saltpetre, QStringLiteral("Boiling point:")), QString());
    EXPECT_EQ(ValueBeside(CSubstanceInfoDlg(WithPoints({})), QStringLiteral("Melting point:")), QString());
}

TEST(CSubstanceInfoDlg, SaysAMoleculeHasNoCrystal) {
    SubstanceFacts facts;
    facts.name = "Benzene";
    facts.formula = "C6H6";
    const QStringList texts = Texts(CSubstanceInfoDlg(facts));
    EXPECT_TRUE(texts.contains(QStringLiteral("C<sub>6</sub>H<sub>6</sub>")));
    EXPECT_TRUE(texts.contains(QStringLiteral("no crystal structure")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Formula units per cell (Z):")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Melting point:"))) << "a file's substance has no phase points";
}

}  // namespace
}  // namespace kiva
