// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/selection_dialogs.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "chem/fixed_text.h"

namespace kiva {
namespace {

IndexEntry Entry(const char* name, SubstanceKind kind, const char* primary, const char* secondary = "") {
    IndexEntry entry{};
    SetText(entry.name, name);
    SetText(entry.primaryKey, primary);
    SetText(entry.secondaryKey, secondary);
    SetText(entry.description, "a substance for the tests");
    entry.kind = static_cast<std::int32_t>(kind);
    return entry;
}

template <typename Widget>
Widget* Control(QWidget& dialog, int id) {
    auto* widget = dialog.findChild<Widget*>(QString::number(id));
    EXPECT_NE(widget, nullptr) << id;
    return widget;
}

QStringList Lines(QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

void DoubleClickRow(QListWidget* list, int row) {
    const QRect rect = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

class SelectionDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        index.entries = {Entry("CoO", SubstanceKind::Metallic, "Other", "O"),
                         Entry("Ethanol", SubstanceKind::Organic, "Alcohol"),
                         Entry("Methanol", SubstanceKind::Organic, "Alcohol"),
                         Entry("NaCl", SubstanceKind::Metallic, "Na", "Cl"),
                         Entry("NiCl2", SubstanceKind::Metallic, "Other", "Cl")};
        index.count = static_cast<int>(index.entries.size());
        SetNotFoundReporter([this](QWidget*, const QString& message) { reported << message; });
    }
    MoleculeIndex index;
    QStringList reported;
};

TEST_F(SelectionDialogs, MetallicOtherListsItsCompoundsAndADoubleClickChoosesOne) {
    CMetallicDlg dialog(index);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Metallic Compounds");
    Control<QListWidget>(dialog, 1000)->setCurrentRow(17);  // "Other"
    QListWidget* compounds = Control<QListWidget>(dialog, 1002);
    EXPECT_EQ(Lines(compounds), (QStringList{"CoO - a substance for the tests", "NiCl2 - a substance for the tests"}));
    EXPECT_EQ(Control<QLineEdit>(dialog, 1003)->text(), "CoO");
    DoubleClickRow(compounds, 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedName(), "NiCl2");
}

TEST_F(SelectionDialogs, OkReturnsWhatTheEditHoldsAndCancelChangesNothing) {
    CMetallicDlg dialog(index);
    dialog.show();
    QTest::keyClicks(Control<QLineEdit>(dialog, 1003), "Anything");
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedName(), "Anything");
    CIndexDlg cancelled(index);
    cancelled.show();
    Control<QPushButton>(cancelled, 2)->click();
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
}

TEST_F(SelectionDialogs, DoubleClickOnAnEmptyEditDoesNothing) {
    CIndexDlg dialog(index);
    dialog.show();
    QListWidget* list = Control<QListWidget>(dialog, 1014);
    list->setCurrentRow(3);
    Control<QLineEdit>(dialog, 1013)->clear();
    emit list->itemDoubleClicked(list->item(3));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(reported.isEmpty());
}

TEST_F(SelectionDialogs, IndexSearchHighlightsTheFirstNameWithTheTypedBeginning) {
    CIndexDlg dialog(index);
    dialog.show();
    QListWidget* list = Control<QListWidget>(dialog, 1014);
    EXPECT_EQ(list->count(), 5);
    QLineEdit* edit = Control<QLineEdit>(dialog, 1013);
    QTest::keyClicks(edit, "Ni");
    EXPECT_EQ(list->currentRow(), 4);
    EXPECT_EQ(edit->text(), "Ni");
    QTest::keyClicks(edit, "x");
    EXPECT_EQ(list->currentRow(), 4);
    emit list->itemDoubleClicked(list->item(4));
    EXPECT_EQ(reported, QStringList{"Cannot find the compound \"Nix\"."});
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(SelectionDialogs, OrganicOkRefusesANameOfAnotherKind) {
    COrganicDlg dialog(index);
    dialog.show();
    Control<QPushButton>(dialog, 1)->click();  // empty: nothing at all
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(reported.isEmpty());
    Control<QRadioButton>(dialog, 1034)->click();  // Alcohol
    QListWidget* list = Control<QListWidget>(dialog, 1029);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentRow(), -1);
    QTest::keyClicks(Control<QLineEdit>(dialog, 1028), "NaCl");
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(reported, QStringList{"Cannot find the organic compound \"NaCl\"."});
    EXPECT_TRUE(dialog.isVisible());
    list->setCurrentRow(1);
    Control<QPushButton>(dialog, 1)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedName(), "Methanol");
}

// Tabbing into a list makes a row current without selecting it; only the user's selection chooses.
TEST_F(SelectionDialogs, FocusAloneChoosesNothingInAKeyListOrAMatchList) {
    index.entries = {Entry("H2", SubstanceKind::Homoatomic, "H"), Entry("Li2O", SubstanceKind::Metallic, "Li", "O"),
                     Entry("Na2O", SubstanceKind::Metallic, "Na", "O")};
    index.count = static_cast<int>(index.entries.size());
    const auto focusByTab = [](QDialog& dialog, QWidget* target) {
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        for (int presses = 0; presses < 20 && !target->hasFocus(); ++presses) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(target->hasFocus());
    };

    const ElementTable elements = MakeDefaultElementTable();
    CHomoatomicDlg homoatomic(index, elements);
    homoatomic.show();
    focusByTab(homoatomic, Control<QListWidget>(homoatomic, 1015));
    EXPECT_EQ(Control<QListWidget>(homoatomic, 1016)->count(), 0);
    EXPECT_EQ(Control<QLineEdit>(homoatomic, 1017)->text(), "");
    QTest::keyClick(Control<QListWidget>(homoatomic, 1015), Qt::Key_Space);  // the user selects H
    EXPECT_EQ(Control<QLineEdit>(homoatomic, 1017)->text(), "H2");

    CMetallicDlg metallic(index);
    metallic.show();
    focusByTab(metallic, Control<QListWidget>(metallic, 1000));  // Li becomes current, unchosen
    QListWidget* negative = Control<QListWidget>(metallic, 1001);
    QTest::mouseClick(negative->viewport(), Qt::LeftButton, {}, negative->visualItemRect(negative->item(2)).center());
    EXPECT_EQ(Control<QListWidget>(metallic, 1002)->count(), 0);
    EXPECT_EQ(Control<QLineEdit>(metallic, 1003)->text(), "");
    QListWidget* positive = Control<QListWidget>(metallic, 1000);
    QTest::mouseClick(positive->viewport(), Qt::LeftButton, {}, positive->visualItemRect(positive->item(3)).center());
    EXPECT_EQ(Control<QLineEdit>(metallic, 1003)->text(), "Na2O");

    CIndexDlg whole(index);
    whole.show();
    focusByTab(whole, Control<QListWidget>(whole, 1014));
    EXPECT_EQ(Control<QLineEdit>(whole, 1013)->text(), "");
    QTest::keyClick(Control<QListWidget>(whole, 1014), Qt::Key_Down);  // the arrow keys select
    EXPECT_EQ(Control<QLineEdit>(whole, 1013)->text(), "Li2O");
}

TEST_F(SelectionDialogs, LabelsAreNeverCutOffAndNothingOverlaps) {
    const ElementTable elements = MakeDefaultElementTable();
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<CMetallicDlg>(index));
    dialogs.push_back(std::make_unique<CNonMetallicDlg>(index));
    dialogs.push_back(std::make_unique<CHomoatomicDlg>(index, elements));
    dialogs.push_back(std::make_unique<CIndexDlg>(index));
    dialogs.push_back(std::make_unique<COrganicDlg>(index));
    const QString shots = qEnvironmentVariable("KIVA_SCREENSHOT_DIR");
    for (const auto& dialog : dialogs) {
        dialog->show();
        QTest::qWait(20);
        const std::string title = dialog->windowTitle().toStdString();
        for (const QWidget* child : dialog->findChildren<QWidget*>()) {
            if (!child->isVisible() || child->parentWidget() != dialog.get()) continue;
            EXPECT_TRUE(dialog->rect().contains(child->geometry())) << title;
            if (qobject_cast<const QLabel*>(child) || qobject_cast<const QAbstractButton*>(child)) {
                EXPECT_GE(child->width(), child->sizeHint().width()) << title << " " << child->objectName().toStdString();
            }
        }
        const auto buttons = dialog->findChildren<QAbstractButton*>();
        for (const QAbstractButton* a : buttons) {
            for (const QAbstractButton* b : buttons) {
                if (a == b) continue;
                EXPECT_FALSE(a->geometry().intersects(b->geometry())) << a->text().toStdString() << " / " << b->text().toStdString();
            }
        }
        if (!shots.isEmpty()) dialog->grab().save(QDir(shots).filePath(dialog->windowTitle() + ".png"));
    }
}

}  // namespace
}  // namespace kiva
