// SPDX-License-Identifier: GPL-2.0-or-later
#include "dialogs/element_color_model.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kiva {
namespace {

constexpr int kCarbon = 5;
constexpr int kOxygen = 7;

ColorFields Typed(const ElementColorModel& model, std::string red, int row) {
    ColorFields fields = model.Fields();
    fields.red = std::move(red);
    fields.row = row;
    return fields;
}

ElementColorModel::Rows Changed() {
    ElementColorModel::Rows rows = DefaultElements();
    rows[0].color = MakeColor(1, 2, 3);
    rows[kCarbon].atomicRadius = 9.0f;
    return rows;
}

TEST(ElementColorModel, OpensOnTheFirstRowWithItsColourInTheEdits) {
    const ElementColorModel model(DefaultElements());
    EXPECT_EQ(model.Row(), 0);
    const ColorFields fields = model.Fields();
    EXPECT_EQ(fields.red, "192");
    EXPECT_EQ(fields.green, "192");
    EXPECT_EQ(fields.blue, "192");
    EXPECT_EQ(fields.row, 0);
}

TEST(ElementColorModel, ATypedValueBelongsToTheElementShownWhileItWasTyped) {
    ElementColorModel model(DefaultElements());
    model.SwitchElement(Typed(model, "0", kCarbon));  // carbon chosen: row 0 still shown
    ASSERT_EQ(model.Row(), kCarbon);
    EXPECT_EQ(model.Fields().red, "0");
    EXPECT_EQ(model.Fields().green, "255");  // carbon is green

    model.SwitchElement(Typed(model, "200", kOxygen));  // red 200 typed for carbon
    model.SwitchElement(Typed(model, model.Fields().red, 0));
    EXPECT_EQ(model.Table()[0].color, MakeColor(0, 192, 192));
    EXPECT_EQ(model.Table()[kCarbon].color, MakeColor(200, 255, 0));
    EXPECT_EQ(model.Table()[kOxygen].color, DefaultElements()[kOxygen].color);
    EXPECT_EQ(model.Fields().red, "0");  // back on the first row, the typed value shows
}

TEST(ElementColorModel, ValuesOutsideAByteAreRefusedInTheOrderBlueGreenRed) {
    ElementColorModel model(DefaultElements());
    ColorFields fields = model.Fields();
    fields.red = "256";
    fields.green = "12";
    fields.blue = "x";
    EXPECT_EQ(model.Read(fields), ColorEdit::Blue);
    EXPECT_EQ(model.Fields().green, "192");  // reading stopped before green
    fields.blue = "7";
    EXPECT_EQ(model.Read(fields), ColorEdit::Red);
    EXPECT_EQ(model.Fields().blue, "7");
    EXPECT_EQ(model.Fields().green, "12");
    for (const char* refused : {"-1", "", "1 2", "0x10", "99999999999", "2.5"}) {
        fields.red = refused;
        EXPECT_EQ(model.Read(fields), ColorEdit::Red) << refused;
    }
    fields.red = " 255 ";
    EXPECT_EQ(model.Read(fields), std::nullopt);
    EXPECT_STREQ(kColorRefusal, "Please enter an integer between 0 and 255.");
}

TEST(ElementColorModel, AnEmptiedEditWaitsWhileTypingButNotAtOk) {
    ElementColorModel model(DefaultElements());
    ColorFields fields = model.Fields();
    fields.green = "";
    fields.blue = "40";
    EXPECT_EQ(model.Read(fields, true), std::nullopt);
    EXPECT_EQ(model.Color(), MakeColor(192, 192, 40));  // the sample follows what was read
    EXPECT_EQ(model.Commit(fields), ColorEdit::Green);
}

TEST(ElementColorModel, ARefusedSwitchStaysOnTheElementItWasOn) {
    ElementColorModel model(DefaultElements());
    EXPECT_EQ(model.SwitchElement(Typed(model, "300", kCarbon)), ColorEdit::Red);
    EXPECT_EQ(model.Row(), 0);
    EXPECT_EQ(model.Fields().row, 0);
    EXPECT_EQ(model.Fields().red, "192");
}

TEST(ElementColorModel, OkStoresTheCurrentRowAndLeavesTheOthers) {
    ElementColorModel model(DefaultElements());
    model.SwitchElement(Typed(model, "192", kCarbon));
    EXPECT_EQ(model.Commit(Typed(model, "17", kCarbon)), std::nullopt);
    ElementColorModel::Rows expected = DefaultElements();
    expected[kCarbon].color = MakeColor(17, 255, 0);
    EXPECT_EQ(std::memcmp(model.Table().data(), expected.data(), sizeof expected), 0);
}

TEST(ElementColorModel, AChosenColourShowsButWaitsForTheNextCommit) {
    ElementColorModel model(DefaultElements());
    model.SetColor(MakeColor(10, 20, 30));
    EXPECT_EQ(model.Fields().blue, "30");
    EXPECT_EQ(model.Table()[0].color, DefaultElements()[0].color);
    model.Commit(model.Fields());
    EXPECT_EQ(model.Table()[0].color, MakeColor(10, 20, 30));
}

TEST(ElementColorModel, DefaultRestoresEveryFieldOfEveryRowRadiiIncluded) {
    ElementColorModel model(Changed());
    model.SwitchElement(Typed(model, "1", kCarbon));
    model.RestoreDefaults();
    EXPECT_EQ(model.Row(), kCarbon);
    EXPECT_EQ(model.Fields().green, "255");
    model.Commit(model.Fields());
    EXPECT_EQ(std::memcmp(model.Table().data(), DefaultElements().data(), sizeof(ElementColorModel::Rows)), 0);
}

}  // namespace
}  // namespace kiva
