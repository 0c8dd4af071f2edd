// SPDX-License-Identifier: GPL-2.0-or-later
// The information window shows every fact it is given, and says what a molecule lacks.
#include "dialogs/substance_info_dialog.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace kiva {
namespace {

QStringList Texts(const QDialog& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    return texts;
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

TEST(CSubstanceInfoDlg, SaysAMoleculeHasNoCrystal) {
    SubstanceFacts facts;
    facts.name = "Benzene";
    facts.formula = "C6H6";
    const QStringList texts = Texts(CSubstanceInfoDlg(facts));
    EXPECT_TRUE(texts.contains(QStringLiteral("C<sub>6</sub>H<sub>6</sub>")));
    EXPECT_TRUE(texts.contains(QStringLiteral("no crystal structure")));
    EXPECT_FALSE(texts.contains(QStringLiteral("Formula units per cell (Z):")));
}

}  // namespace
}  // namespace kiva
