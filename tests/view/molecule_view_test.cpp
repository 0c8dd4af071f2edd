// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/molecule_view.h"

#include <set>

#include <cstdlib>

#include <gtest/gtest.h>

#include "render/scene_build.h"
#include "tests/support/catalogue_record.h"
#include "tests/support/sample_records.h"
#include "tests/view/view_test_support.h"
#include "view/commands.h"

namespace kiva {
namespace {

using testing::RecordingHost;

CompoundRecord MoleculeWithoutCrystal() {
    CompoundRecord record = testing::SampleSalt();
    record.basisAtoms.clear();
    return record;
}

class MoleculeViewTest : public ::testing::Test {
protected:
    MoleculeView& ViewOf(const CompoundRecord& record) {
        compound_ = record;
        view_.emplace(compound_, elements_, host_, motion_);
        view_->OnUpdate();
        return *view_;
    }
    CompoundRecord compound_;
    ElementTable elements_ = MakeDefaultElementTable();
    MotionTables motion_ = InitialMotionTables();
    RecordingHost host_;
    std::optional<MoleculeView> view_;
};

// Turns the view away from its initial orientation, as a drag would.
void Turn(ViewState& state) { state.viewTransform = Multiply(RotationZ(0.7f), state.viewTransform); }

TEST_F(MoleculeViewTest, UpdateStartsFromTheInitialViewButKeepsTheDisplaySettings) {
    MoleculeView& view = ViewOf(testing::SampleSalt());
    const Matrix4 initial = view.State().viewTransform;
    view.RunCommand(command::SpaceFilling);
    view.RunCommand(command::LowQuality);
    view.RunCommand(command::Axes);
    view.RunCommand(command::Coordination);
    ViewState& state = view.State();
    state.mouseMode = MouseMode::Translate;
    state.measureMode = MeasureMode::Angle;
    state.cellMultiples = {2, 3, 4};
    state.pickedCount = 2;
    Turn(state);

    view.OnUpdate();

    EXPECT_EQ(state.viewTransform, initial);
    EXPECT_EQ(state.cellMultiples, (std::array<int, 3>{1, 1, 1}));
    EXPECT_EQ(state.pickedCount, 0);
    EXPECT_EQ(state.displayModel, DisplayModel::SpaceFilling);
    EXPECT_EQ(state.displayQuality, DisplayQuality::Low);
    EXPECT_TRUE(state.showAxes);
    EXPECT_TRUE(state.showCoordination);
    EXPECT_EQ(state.mouseMode, MouseMode::Translate);
    EXPECT_EQ(state.measureMode, MeasureMode::Angle);
}

TEST_F(MoleculeViewTest, AnEmptyDocumentLeavesTheSceneEmpty) {
    MoleculeView& view = ViewOf(CompoundRecord{});
    EXPECT_EQ(view.State().atoms.size(), 0u);
    EXPECT_FALSE(view.AnimateStep());
    view.RunCommand(command::Liquid);
    EXPECT_FALSE(view.AnimateStep());
}

TEST_F(MoleculeViewTest, CrystalWithoutCrystalDataFallsBackToTheChemicalUnitWithOneMessage) {
    MoleculeView& view = ViewOf(MoleculeWithoutCrystal());
    view.RunCommand(command::CrystalSolid);
    EXPECT_EQ(host_.noCrystalMessages, 1);
    EXPECT_EQ(view.State().displayState, DisplayState::ChemicalUnit);
    EXPECT_GT(view.State().atoms.size(), 0u);
}

TEST_F(MoleculeViewTest, CrystalChosenBeforeAnyStructureWarnsAtTheFirstUpdate) {
    MoleculeView& view = ViewOf(CompoundRecord{});
    view.RunCommand(command::CrystalSolid);
    EXPECT_EQ(host_.noCrystalMessages, 0);
    EXPECT_EQ(view.State().displayState, DisplayState::CrystalSolid);

    compound_ = MoleculeWithoutCrystal();
    view.OnUpdate();
    EXPECT_EQ(host_.noCrystalMessages, 1);
    EXPECT_EQ(view.State().displayState, DisplayState::ChemicalUnit);
}

TEST_F(MoleculeViewTest, CrystalDataKeepsTheCrystalAcrossUpdates) {
    MoleculeView& view = ViewOf(testing::SampleSalt());
    view.RunCommand(command::CrystalSolid);
    view.OnUpdate();
    EXPECT_EQ(host_.noCrystalMessages, 0);
    EXPECT_EQ(view.State().displayState, DisplayState::CrystalSolid);
}

TEST_F(MoleculeViewTest, ModelSwitchKeepsTheOrientationAndStateSwitchResetsIt) {
    MoleculeView& view = ViewOf(testing::SampleSalt());
    Turn(view.State());
    const Matrix4 turned = view.State().viewTransform;
    view.RunCommand(command::SpaceFilling);
    view.RunCommand(command::LowQuality);
    EXPECT_EQ(view.State().viewTransform, turned);
    view.RunCommand(command::CrystalSolid);
    EXPECT_NE(view.State().viewTransform, turned);
}

TEST_F(MoleculeViewTest, ResetRestoresTheLoadedViewAndClearsPicks) {
    MoleculeView& view = ViewOf(testing::SampleSalt());
    const Matrix4 initial = view.State().viewTransform;
    Turn(view.State());
    view.State().pickedCount = 3;
    view.RunCommand(command::Reset);
    EXPECT_EQ(view.State().viewTransform, initial);
    EXPECT_EQ(view.State().pickedCount, 0);
}

TEST_F(MoleculeViewTest, OnlyTheLiquidAndTheGasAnimate) {
    MoleculeView& view = ViewOf(testing::SampleSalt());
    EXPECT_FALSE(view.AnimateStep());
    for (const int state : {command::Liquid, command::Gas}) {
        view.RunCommand(state);
        EXPECT_TRUE(view.AnimateStep());
        EXPECT_EQ(DrawOrder(view.State()).size(), view.State().atoms.size() + view.State().bonds.size());
    }
    view.RunCommand(command::CrystalSolid);
    EXPECT_FALSE(view.AnimateStep());
}

// The enable and check rules of every view command in every display state.
TEST_F(MoleculeViewTest, CommandRulesInEveryDisplayState) {
    MoleculeView& view = ViewOf(testing::SampleSalt());
    const int states[] = {command::CrystalSolid, command::ChemicalUnit, command::Liquid, command::Gas};
    for (const int shown : states) {
        view.RunCommand(shown);
        const bool navigation = shown == command::CrystalSolid || shown == command::ChemicalUnit;
        for (const int state : states) {
            EXPECT_TRUE(view.QueryCommand(state).enabled);
            EXPECT_EQ(view.QueryCommand(state).checked, state == shown) << state << " in " << shown;
        }
        EXPECT_EQ(view.QueryCommand(command::Reset).enabled, navigation) << shown;
        EXPECT_FALSE(view.QueryCommand(command::Reset).checkable);
        EXPECT_EQ(view.QueryCommand(command::CellFrame).enabled, shown == command::CrystalSolid) << shown;
        EXPECT_EQ(view.QueryCommand(command::CellFrame).checked, shown == command::CrystalSolid) << shown;
        EXPECT_EQ(view.QueryCommand(command::UnitCellMultiples).enabled, shown == command::CrystalSolid) << shown;
        for (const int always : {command::BallAndStick, command::SpaceFilling, command::LowQuality,
                                 command::HighQuality, command::Axes, command::Coordination, command::ElementColor,
                                 command::PrintSize, command::FilePrint, command::FilePrintPreview})
            EXPECT_TRUE(view.QueryCommand(always).enabled) << always << " in " << shown;
    }
}

TEST_F(MoleculeViewTest, ChecksFollowModelQualityAndOverlays) {
    MoleculeView& view = ViewOf(testing::SampleSalt());
    EXPECT_TRUE(view.QueryCommand(command::BallAndStick).checked);
    EXPECT_TRUE(view.QueryCommand(command::HighQuality).checked);
    EXPECT_FALSE(view.QueryCommand(command::Axes).checked);
    view.RunCommand(command::SpaceFilling);
    view.RunCommand(command::LowQuality);
    view.RunCommand(command::Axes);
    EXPECT_FALSE(view.QueryCommand(command::BallAndStick).checked);
    EXPECT_TRUE(view.QueryCommand(command::SpaceFilling).checked);
    EXPECT_TRUE(view.QueryCommand(command::LowQuality).checked);
    EXPECT_FALSE(view.QueryCommand(command::HighQuality).checked);
    EXPECT_TRUE(view.QueryCommand(command::Axes).checked);
    view.RunCommand(command::Axes);
    EXPECT_FALSE(view.QueryCommand(command::Axes).checked);
}

TEST_F(MoleculeViewTest, CellFrameKeepsItsValueOutsideTheCrystal) {
    MoleculeView& view = ViewOf(testing::SampleSalt());
    view.RunCommand(command::CrystalSolid);
    view.RunCommand(command::CellFrame);  // off
    view.RunCommand(command::ChemicalUnit);
    EXPECT_FALSE(view.QueryCommand(command::CellFrame).checked);
    view.RunCommand(command::CrystalSolid);
    EXPECT_FALSE(view.QueryCommand(command::CellFrame).checked);
    view.RunCommand(command::CellFrame);  // on again
    view.RunCommand(command::Gas);
    EXPECT_FALSE(view.QueryCommand(command::CellFrame).checked);
    EXPECT_TRUE(view.State().showCellFrame);
}

TEST_F(MoleculeViewTest, WholeMoleculesRebuildTheCrystalAndStayForTheNextCrystal) {
    MoleculeView& view = ViewOf(testing::CatalogueRecord("CaCO3"));
    EXPECT_FALSE(view.QueryCommand(command::WholeMolecules).enabled);  // the chemical unit
    view.RunCommand(command::CrystalSolid);
    const std::size_t cut = view.State().atoms.size();
    EXPECT_FALSE(view.QueryCommand(command::WholeMolecules).checked);
    view.State().pickedCount = 1;
    view.RunCommand(command::WholeMolecules);
    EXPECT_TRUE(view.QueryCommand(command::WholeMolecules).checked);
    EXPECT_NE(view.State().atoms.size(), cut);
    EXPECT_EQ(view.State().pickedCount, 0);
    view.RunCommand(command::ChemicalUnit);
    EXPECT_FALSE(view.QueryCommand(command::WholeMolecules).checked);
    view.RunCommand(command::CrystalSolid);
    EXPECT_TRUE(view.QueryCommand(command::WholeMolecules).checked);
    view.RunCommand(command::WholeMolecules);
    EXPECT_EQ(view.State().atoms.size(), cut);
}

// Labels are off in a new view, checkable in every state, and change only the picture.
TEST_F(MoleculeViewTest, AtomLabelsTurnOnAndOffInThePictureAlone) {
    MoleculeView& view = ViewOf(testing::CatalogueRecord("NaCl"));
    view.RunCommand(command::CrystalSolid);
    const CommandStatus off = view.QueryCommand(command::AtomLabels);
    EXPECT_TRUE(off.served && off.enabled && off.checkable && !off.checked);
    const std::vector<std::uint8_t> plain = view.RenderPicture().colour;
    const std::size_t atoms = view.State().atoms.size();
    view.RunCommand(command::AtomLabels);
    EXPECT_TRUE(view.QueryCommand(command::AtomLabels).checked);
    EXPECT_NE(view.RenderPicture().colour, plain);
    EXPECT_EQ(view.RenderPicture(view.Area(), {}).colour, view.RenderPicture().colour);  // prints and copies too
    EXPECT_EQ(view.State().atoms.size(), atoms);
    view.RunCommand(command::AtomLabels);
    EXPECT_EQ(view.RenderPicture().colour, plain);
    EXPECT_EQ(host_.noLabelFontMessages, 0);
}

// Without the font the labels stay off, and the user hears why.
TEST_F(MoleculeViewTest, AtomLabelsStayOffWithoutTheirFont) {
    setenv("XDG_DATA_DIRS", "/nonexistent/share", 1);
    setenv("XDG_DATA_HOME", "/nonexistent/home", 1);
    MoleculeView& view = ViewOf(testing::CatalogueRecord("NaCl"));
    view.RunCommand(command::AtomLabels);
    EXPECT_FALSE(view.QueryCommand(command::AtomLabels).checked);
    EXPECT_EQ(host_.noLabelFontMessages, 1);
}

TEST_F(MoleculeViewTest, CommandsOfOtherPartsAreLeftToThem) {
    MoleculeView& view = ViewOf(testing::SampleSalt());
    for (const int id : {command::FileSave, command::Homoatomic}) {
        EXPECT_FALSE(view.QueryCommand(id).served) << id;
        EXPECT_FALSE(view.RunCommand(id)) << id;
    }
}

TEST_F(MoleculeViewTest, MultiplesRebuildTheCrystalFittedToThePictureAndClearThePicks) {
    MoleculeView& view = ViewOf(testing::SampleSalt());
    view.RunCommand(command::CrystalSolid);
    ASSERT_EQ(view.State().atoms.size(), 27u);  // 14 sodium and 13 chloride ions in one cell
    const Matrix4 oneCell = view.State().viewTransform;
    Turn(view.State());
    view.State().pickedCount = 2;

    view.SetCellMultiples({2, 2, 2});
    EXPECT_EQ(view.State().atoms.size(), 125u);  // 5 x 5 x 5 lattice points
    EXPECT_EQ(view.State().pickedCount, 0);
    EXPECT_GT(view.State().viewTransform.m[3][3], 1.5f * oneCell.m[3][3]);  // a pixel spans more angstrom
    ViewState fresh = view.State();
    ResetView(fresh);
    EXPECT_EQ(view.State().viewTransform, fresh.viewTransform);
    EXPECT_EQ(DrawOrder(view.State()).size(), 125u + view.State().bonds.size());
}

TEST_F(MoleculeViewTest, MultiplesWithoutCrystalDataWaitForTheNextDocumentUpdate) {
    MoleculeView& view = ViewOf(MoleculeWithoutCrystal());
    const std::size_t atoms = view.State().atoms.size();
    const int invalidations = host_.invalidations;
    view.SetCellMultiples({3, 3, 3});
    EXPECT_EQ(view.State().cellMultiples, (std::array<int, 3>{3, 3, 3}));
    EXPECT_EQ(view.State().atoms.size(), atoms);
    EXPECT_EQ(host_.invalidations, invalidations);
    view.OnUpdate();
    EXPECT_EQ(view.State().cellMultiples, (std::array<int, 3>{1, 1, 1}));
}

TEST_F(MoleculeViewTest, ANewElementTableRecoloursAndResizesEveryAtomWithoutARebuild) {
    MoleculeView& view = ViewOf(testing::SampleSalt());
    view.RunCommand(command::CrystalSolid);
    Turn(view.State());
    const ViewState before = view.State();
    const int invalidations = host_.invalidations;
    ElementInfo& sodium = elements_.rows[10];
    ASSERT_STREQ(sodium.symbol, "Na");
    sodium.color = MakeColor(255, 128, 0);
    sodium.cationRadius = 1.5f;

    view.ApplyElementTable();
    int sodiumIons = 0;
    for (std::size_t i = 0; i < before.atoms.size(); ++i) {
        const SceneAtom& atom = view.State().atoms[i];
        const bool isSodium = atom.symbol[0] == 'N';
        sodiumIons += isSodium;
        EXPECT_EQ(atom.color, isSodium ? MakeColor(255, 128, 0) : before.atoms[i].color);
        EXPECT_FLOAT_EQ(atom.radius, isSodium ? 1.5f : before.atoms[i].radius);
        EXPECT_EQ(atom.picture, before.atoms[i].picture);
    }
    EXPECT_EQ(sodiumIons, 14);
    EXPECT_EQ(view.State().viewTransform, before.viewTransform);
    EXPECT_EQ(host_.invalidations, invalidations + 1);
}

TEST_F(MoleculeViewTest, ThePrintoutIsTheShadedPictureOnWhiteWhateverTheScreenShows) {
    MoleculeView& view = ViewOf(testing::SampleSalt());
    view.RunCommand(command::LowQuality);
    EXPECT_FLOAT_EQ(view.PrintScale(), 1.0f);
    const std::vector<std::uint8_t> printed = view.RenderPicture(view.Area(), {255, true}).colour;
    const auto pixel = [&](int x, int row) { return &printed[(static_cast<std::size_t>(row) * kPictureSize + x) * 3]; };
    EXPECT_EQ(pixel(5, 5)[0], 255);  // blue, green and red of the background
    EXPECT_EQ(pixel(5, 5)[1], 255);
    EXPECT_EQ(pixel(5, 5)[2], 255);
    EXPECT_EQ(pixel(0, 0)[1], 255);  // the green frame
    EXPECT_EQ(pixel(0, 0)[2], 0);
    // The chloride ion is shaded, not filled flat: across it the green runs through many shades.
    const SceneAtom& chloride = view.State().atoms[1];
    ASSERT_EQ(chloride.symbol[0], 'C');
    const int x = static_cast<int>(chloride.picture.x);
    const int row = kPictureSize - 1 - static_cast<int>(chloride.picture.y);
    std::set<int> shades;
    for (int across = x; pixel(across, row)[2] != 255; ++across) shades.insert(pixel(across, row)[1]);
    EXPECT_GT(shades.size(), 5u);
}

TEST_F(MoleculeViewTest, APictureAtAnotherSizeSpreadsTheLiquidOverItAndLeavesTheViewAsItWas) {
    MoleculeView& view = ViewOf(testing::SampleSalt());
    view.RunCommand(command::Liquid);
    view.AnimateStep();
    const ViewState before = view.State();
    const MotionTables motionBefore = motion_;
    const Picture& wide = view.RenderPicture({1360, 340}, {0, false});
    // The 340 square lies in the middle, from 510 to 850; the pool reaches beyond it on the left.
    int coloured = 0;
    for (int x = 0; x < 400; ++x)
        for (int row = 0; row < wide.height; ++row)
            if (wide.colour[(static_cast<std::size_t>(row) * static_cast<std::size_t>(wide.width) + static_cast<std::size_t>(x)) * 3 + 1] != 0) {
                ++coloured;
                break;
            }
    EXPECT_GT(coloured, 20);
    EXPECT_EQ(view.Area(), before.pictureArea);
    EXPECT_EQ(motion_.liquidSpin, motionBefore.liquidSpin);  // the window's motion goes on where it stood
}

TEST(Commands, TooltipsAreTheStringsSecondLine) {
    EXPECT_EQ(command::StringsOf(command::Translate).tooltip, "Translate (Move)");
    EXPECT_EQ(command::StringsOf(command::ZoomIn).tooltip, "Zoom In");
    EXPECT_EQ(command::StringsOf(command::CellFrame).prompt, "Show or hide the unit cell frame");
    EXPECT_TRUE(command::StringsOf(12345).prompt.empty());
}

}  // namespace
}  // namespace kiva
