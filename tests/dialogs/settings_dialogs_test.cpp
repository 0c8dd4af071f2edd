// SPDX-License-Identifier: GPL-2.0-or-later
// The three settings dialogs driven as a user drives them: typing, choosing and clicking.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "dialogs/element_color_dialog.h"
#include "dialogs/print_size_dialog.h"
#include "dialogs/unit_cell_multiples_dialog.h"
#include "platform/color_dialog.h"
#include "platform/message_box.h"

namespace kiva {
namespace {

constexpr int kCarbon = 5;

template <typename Widget>
Widget* Control(QWidget& dialog, int id) {
    auto* widget = dialog.findChild<Widget*>(QString::number(id));
    EXPECT_NE(widget, nullptr) << id;
    return widget;
}

// Replaces the text of an edit as a user does: select it all, then type.
void Retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void ClickRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

class SettingsDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ReplaceMessageBoxHandler([this](const MessageRequest& request) {
            messages.push_back(request.text);
            return MessageAnswer::Ok;
        });
    }
    void TearDown() override {
        ReplaceMessageBoxHandler({});
        ReplaceColorDialogHandler({});
    }
    void Show(QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    QStringList messages;
};

TEST_F(SettingsDialogs, ColorDialogCommitsATypedValueWhenAnotherElementIsChosen) {
    CElementColorDlg dialog(DefaultElements());
    Show(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Color of Element");
    QListWidget* elements = Control<QListWidget>(dialog, 1024);
    ASSERT_EQ(elements->count(), kElementRows);
    EXPECT_EQ(elements->item(kCarbon)->text(), "C");
    EXPECT_EQ(elements->currentRow(), 0);
    QLineEdit* red = Control<QLineEdit>(dialog, 1019);
    EXPECT_EQ(red->text(), "192");

    Retype(red, "10");
    ClickRow(elements, kCarbon);
    EXPECT_EQ(Control<QLineEdit>(dialog, 1020)->text(), "255");  // carbon's green
    ClickRow(elements, 0);
    EXPECT_EQ(red->text(), "10");
    QTest::mouseClick(Control<QPushButton>(dialog, 1), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.rows()[0].color, MakeColor(10, 192, 192));
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(SettingsDialogs, ColorDialogRefuses256AndPutsTheFocusOnTheWrongValue) {
    CElementColorDlg dialog(DefaultElements());
    Show(dialog);
    QLineEdit* green = Control<QLineEdit>(dialog, 1020);
    Retype(green, "256");
    ASSERT_EQ(messages, QStringList{"Please enter an integer between 0 and 255."});
    EXPECT_EQ(QApplication::focusWidget(), green);
    EXPECT_EQ(green->selectedText(), "256");

    QTest::mouseClick(Control<QPushButton>(dialog, 1), Qt::LeftButton);
    EXPECT_EQ(messages.size(), 2);  // once for OK, not twice
    EXPECT_TRUE(dialog.isVisible());
    Retype(green, "");
    EXPECT_EQ(messages.size(), 2);  // an emptied edit waits for its value
}

TEST_F(SettingsDialogs, ColorDialogSampleAndChooserShowTheEditedColour) {
    std::optional<QColor> initial;
    ReplaceColorDialogHandler([&](QColor start, QWidget*) -> std::optional<QColor> {
        initial = start;
        return QColor(0, 128, 255);
    });
    CElementColorDlg dialog(DefaultElements());
    Show(dialog);
    QWidget* sample = Control<QWidget>(dialog, 1025);
    const auto sampleCentre = [&] { return sample->grab().toImage().pixelColor(sample->rect().center()); };
    EXPECT_EQ(sampleCentre(), QColor(192, 192, 192));
    Retype(Control<QLineEdit>(dialog, 1019), "255");
    Retype(Control<QLineEdit>(dialog, 1021), "0");
    EXPECT_EQ(sampleCentre(), QColor(255, 192, 0));

    QTest::mouseClick(Control<QPushButton>(dialog, 1022), Qt::LeftButton);
    EXPECT_EQ(initial, QColor(255, 192, 0));
    EXPECT_EQ(Control<QLineEdit>(dialog, 1021)->text(), "255");
    EXPECT_EQ(sampleCentre(), QColor(0, 128, 255));
    EXPECT_EQ(dialog.rows()[0].color, DefaultElements()[0].color);  // not stored before OK
}

TEST_F(SettingsDialogs, ColorDialogDefaultBringsBackTheBuiltInTable) {
    ElementColorModel::Rows changed = DefaultElements();
    for (ElementInfo& row : changed) {
        row.color = MakeColor(1, 2, 3);
        row.cationRadius = 5.0f;
    }
    CElementColorDlg dialog(changed);
    Show(dialog);
    QTest::mouseClick(Control<QPushButton>(dialog, 3), Qt::LeftButton);
    EXPECT_EQ(Control<QLineEdit>(dialog, 1019)->text(), "192");
    QTest::mouseClick(Control<QPushButton>(dialog, 1), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(std::memcmp(dialog.rows().data(), DefaultElements().data(), sizeof changed), 0);
}

TEST_F(SettingsDialogs, MultiplesDialogRefusesZeroSeventeenAndWordsWithItsTwoMessages) {
    CUnitCellMultiplesDlg dialog({2, 3, 4});
    Show(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Multiples of Unit Cell");
    QLineEdit* x = Control<QLineEdit>(dialog, 1012);
    QLineEdit* y = Control<QLineEdit>(dialog, 1013);
    QLineEdit* z = Control<QLineEdit>(dialog, 1014);
    EXPECT_EQ(QStringList({x->text(), y->text(), z->text()}), QStringList({"2", "3", "4"}));
    QPushButton* ok = Control<QPushButton>(dialog, 1);

    Retype(y, "0");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), y);
    Retype(z, "17");
    Retype(y, "5");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), z);
    EXPECT_EQ(z->selectedText(), "17");
    Retype(x, "lots");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), x);
    EXPECT_EQ(messages, QStringList({"Please enter an integer between 1 and 16.",
                                     "Please enter an integer between 1 and 16.",
                                     "Please enter a positive integer."}));
    EXPECT_TRUE(dialog.isVisible());

    Retype(x, "1");
    Retype(z, "16");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.multiples(), (std::array<int, 3>{1, 5, 16}));
}

TEST_F(SettingsDialogs, MultiplesDialogCancelKeepsTheValuesItWasGiven) {
    CUnitCellMultiplesDlg dialog({2, 3, 4});
    Show(dialog);
    Retype(Control<QLineEdit>(dialog, 1012), "9");
    QTest::mouseClick(Control<QPushButton>(dialog, 2), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.multiples(), (std::array<int, 3>{2, 3, 4}));
}

TEST_F(SettingsDialogs, PrintSizeDialogListsTheEightSizesAndOpensOnTheCurrentOne) {
    CPrintSizeDlg dialog(QStringLiteral("100"));
    Show(dialog);
    EXPECT_EQ(dialog.windowTitle(), "Print Size");
    QComboBox* sizes = Control<QComboBox>(dialog, 1143);
    QStringList items;
    for (int i = 0; i < sizes->count(); ++i) items << sizes->itemText(i);
    EXPECT_EQ(items, QStringList({"25", "50", "75", "100", "125", "150", "175", "200"}));
    EXPECT_FALSE(sizes->isEditable());
    EXPECT_EQ(sizes->currentText(), "100");
    sizes->setFocus();
    QTest::keyClick(sizes, Qt::Key_End);
    QTest::mouseClick(Control<QPushButton>(dialog, 1), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.printSize(), "200");

    CPrintSizeDlg unmatched(QStringLiteral("110"));
    EXPECT_EQ(unmatched.printSize(), "");
}

}  // namespace
}  // namespace kiva
