// SPDX-License-Identifier: GPL-2.0-or-later
// The page's session over the built catalogue, as the page drives it: its selections open what
// the desktop's would, its messages are the desktop's in the page's language, and an address
// gives the picture kiva-render gives for the same options.
#include "web/page_session.h"

#include <gtest/gtest.h>

#include "render/render_picture.h"
#include "tools/render/render_options.h"
#include "view/commands.h"

namespace kiva::web {
namespace {

const std::string kCatalogue = KIVA_CATALOGUE_DIR;

TEST(PageSession, OpensNaClThroughTheMetallicIonsAndShowsItsCrystal) {
    PageSession page(kCatalogue);
    ASSERT_EQ(page.Error(), "");
    page.OpenSelection(SelectionKind::Metallic);
    const std::vector<std::string> positive = page.KeysOf(0), negative = page.KeysOf(1);
    const auto row = [](const std::vector<std::string>& keys, const std::string& key) {
        return static_cast<int>(std::find(keys.begin(), keys.end(), key) - keys.begin());
    };
    page.ChooseKey(0, row(positive, "Na"));
    page.ChooseKey(1, row(negative, "Cl"));
    EXPECT_EQ(page.Selection()->SelectedName(), "NaCl");
    EXPECT_EQ(page.ConfirmSelection(), std::string());
    EXPECT_EQ(page.SubstanceName(), "NaCl");
    EXPECT_TRUE(page.RunCommand(command::CrystalSolid));
    EXPECT_EQ(page.View().State().displayState, DisplayState::CrystalSolid);
    EXPECT_EQ(page.Description().substr(0, 13), "NaCl, crystal");
}

TEST(PageSession, SaysWhatIsNotFoundInThePagesLanguage) {
    PageSession page(kCatalogue);
    page.SetLanguage("de", {{{"SelectionModel", "Cannot find the compound \"%s\"."}, "Die Verbindung \"%s\" gibt es nicht."},
                            {{"CompoundSelection", "Cannot find the compound \"%1\"."}, "Nicht gefunden: \"%1\"."}},
                     ",");
    page.OpenSelection(SelectionKind::Index).EditChanged("Unobtainium");
    EXPECT_EQ(page.ConfirmSelection(), "Die Verbindung \"Unobtainium\" gibt es nicht.");
    std::string message;
    EXPECT_FALSE(page.Open("Unobtainium", message));
    EXPECT_EQ(message, "Nicht gefunden: \"Unobtainium\".");
    // A translated name opens its substance, as the desktop's Index does.
    page.OpenSelection(SelectionKind::Index).EditChanged("Kochsalz");
    EXPECT_EQ(page.ConfirmSelection(), std::string());
    EXPECT_EQ(page.SubstanceName(), "NaCl");
}

TEST(PageSession, AnAddressGivesKivaRendersPictureOrItsComplaint) {
    PageSession page(kCatalogue);
    std::string message;
    ASSERT_TRUE(page.StartFrom("substance=NaCl&state=crystal&multiples=2,2,2&model=space&size=340x340&bare", message)) << message;
    EXPECT_TRUE(page.FixedSize());
    render_tool::RenderOptions options;
    options.name = "NaCl";
    options.state = DisplayState::CrystalSolid;
    options.multiples = {2, 2, 2};
    options.model = DisplayModel::SpaceFilling;
    CompoundRecord compound;
    MoleculeIndex index;
    index.path = kCatalogue + "/Index.dat";
    ASSERT_TRUE(LoadMoleculeIndex(index));
    ASSERT_TRUE(LoadCompoundByName(index, kCatalogue + "/Molecule.dat", "NaCl", compound));
    PictureBuffers buffers;
    const Picture& expected = RenderPicture(render_tool::PrepareView(options, compound, MakeDefaultElementTable()), {0, true, false}, buffers);
    const std::vector<std::uint8_t>& rgba = page.Rgba();
    ASSERT_EQ(rgba.size(), expected.colour.size() / 3 * 4);
    for (std::size_t i = 0; i < expected.colour.size() / 3; ++i) {
        ASSERT_EQ(rgba[4 * i], expected.colour[3 * i + 2]) << i;
        ASSERT_EQ(rgba[4 * i + 1], expected.colour[3 * i + 1]) << i;
        ASSERT_EQ(rgba[4 * i + 2], expected.colour[3 * i]) << i;
    }
    EXPECT_FALSE(page.StartFrom("substance=NaCl&multiples=0,1,1", message));
    EXPECT_EQ(message, "bad value for --multiples");
    EXPECT_FALSE(page.StartFrom("substance=Unobtainium", message));
    EXPECT_NE(message.find("Unobtainium"), std::string::npos);
}

TEST(PageSession, RunsOnlyEnabledCommandsAndStartsTheLiquidAtOnce) {
    PageSession page(kCatalogue);
    std::string message;
    ASSERT_TRUE(page.Open("H2O", message));
    EXPECT_FALSE(page.QueryCommand(command::UnitCellMultiples).enabled);  // the chemical unit
    EXPECT_FALSE(page.RunCommand(command::UnitCellMultiples));
    const std::vector<std::uint8_t> unit = page.Rgba();
    EXPECT_TRUE(page.RunCommand(command::Liquid));
    EXPECT_NE(page.Rgba(), unit);  // its first frame is projected, not an empty picture
    EXPECT_FALSE(page.RunCommand(command::Distance));  // no measuring in the moving liquid
    EXPECT_TRUE(page.QueryCommand(command::SmoothEdges).checked);
    EXPECT_TRUE(page.RunCommand(command::SmoothEdges));
    EXPECT_FALSE(page.QueryCommand(command::SmoothEdges).checked);
}

TEST(PageSession, RecoloursAnElementInThePictureAndRefusesARowItDoesNotHave) {
    PageSession page(kCatalogue);
    std::string message;
    ASSERT_TRUE(page.Open("H2O", message));
    const std::vector<std::uint8_t> before = page.Rgba();
    int oxygen = 0;
    while (std::string(page.Elements().rows[static_cast<std::size_t>(oxygen)].symbol) != "O") ++oxygen;
    EXPECT_TRUE(page.SetElementColour(oxygen, MakeColor(0, 0, 255)));
    EXPECT_NE(page.Rgba(), before);
    EXPECT_FALSE(page.SetElementColour(-1, 0));
    EXPECT_FALSE(page.SetElementColour(page.Elements().count, 0));
}

TEST(PageSession, RecordsTheFlatPictureForThePagesCanvas) {
    PageSession page(kCatalogue);
    std::string message;
    ASSERT_TRUE(page.Open("H2O", message));
    const std::vector<std::int32_t>& calls = page.LowQualityCalls();
    ASSERT_GT(calls.size(), 1u);
    EXPECT_EQ(static_cast<std::size_t>(calls[0]), calls.size() - 1);
    int ellipses = 0;
    for (std::size_t at = 1; at < calls.size();) {
        const auto call = static_cast<DrawCall>(calls[at]);
        ellipses += call == DrawCall::Ellipse;
        at += 1 + (call == DrawCall::FillRect ? 5 : call == DrawCall::SetPen ? 2 : call == DrawCall::SetBrush ? 1 : call == DrawCall::SetNoBrush ? 0 : 4);
    }
    EXPECT_EQ(ellipses, 3);  // O and two H
}

}  // namespace
}  // namespace kiva::web
