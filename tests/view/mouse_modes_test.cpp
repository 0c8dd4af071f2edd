// SPDX-License-Identifier: GPL-2.0-or-later
// Turning, moving, rocking and zooming the model with synthetic presses and drags, as the
// window passes them on.
#include "view/mouse_modes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "render/scene_build.h"
#include "render/view_moves.h"
#include "tests/support/catalogue_record.h"
#include "tests/view/view_test_support.h"

namespace kiva {
namespace {

using testing::CatalogueRecord;
using testing::Drag;
using testing::Move;
using testing::Press;
using testing::Release;
using testing::WindowPoint;

constexpr int kNavigationCommands[] = {command::Rotate,   command::Translate, command::Rock,
                                       command::ZoomIn,   command::ZoomOut,   command::Position,
                                       command::Distance, command::Angle,     command::TorsionAngle};

void ExpectNear(Vector3D actual, Vector3D expected, float tolerance) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

void ExpectNear(const Matrix4& actual, const Matrix4& expected, float tolerance) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(actual.m[i][j], expected.m[i][j], tolerance) << i << "," << j;
}

// The model's size on screen: the picture distance of two atoms.
float ShownLength(const ViewState& state, std::size_t a, std::size_t b) {
    const Vector3D d = Subtract(state.atoms[a].picture, state.atoms[b].picture);
    return std::hypot(d.x, d.y);
}

class MouseModes : public testing::ViewTest {
protected:
    MoleculeView& Salt(int stateCommand = command::CrystalSolid) { return Show(CatalogueRecord("NaCl"), stateCommand); }
};

TEST_F(MouseModes, PressAndReleaseWithoutMotionChangeNothing) {
    MoleculeView& view = Salt();
    for (const int mode : {command::Rotate, command::Translate}) {
        view.RunCommand(mode);
        const Matrix4 before = view.State().viewTransform;
        const int invalidations = host.invalidations;
        Drag(view, {{170, 170}, {170, 170}});
        EXPECT_EQ(view.State().viewTransform, before);
        EXPECT_EQ(host.invalidations, invalidations);
    }
}

TEST_F(MouseModes, TranslateMovesTheModelWithThePointerAtAnyZoom) {
    MoleculeView& view = Salt();
    view.RunCommand(command::Translate);
    for (const int zoom : {0, command::ZoomIn, command::ZoomIn, command::ZoomOut, command::ZoomOut, command::ZoomOut}) {
        if (zoom) view.RunCommand(zoom);
        const Vector3D centre = PictureCentre(view.State());
        const Vector3D atom = view.State().atoms[7].picture;
        // 10 pixels right and 5 down on the screen, where picture y grows upwards.
        Drag(view, {{100, 100}, {104, 101}, {110, 105}});
        ExpectNear(PictureCentre(view.State()), {centre.x + 10, centre.y - 5, centre.z}, 1e-3f);
        ExpectNear(view.State().atoms[7].picture, {atom.x + 10, atom.y - 5, atom.z}, 1e-3f);
    }
}

TEST_F(MouseModes, RotateTurnsAboutTheCentreWhereverTheModelWasMovedAndZoomed) {
    MoleculeView& view = Salt();
    view.RunCommand(command::Translate);
    Drag(view, {{170, 170}, {130, 200}});
    view.RunCommand(command::ZoomIn);
    view.RunCommand(command::Rotate);
    const Vector3D centre = PictureCentre(view.State());
    const Vector3D atom = view.State().atoms[0].picture;
    Drag(view, {{200, 100}, {220, 110}, {250, 150}, {180, 160}});
    ExpectNear(PictureCentre(view.State()), centre, 1e-3f);
    const Vector3D turned = Subtract(view.State().atoms[0].picture, atom);
    EXPECT_GT(std::fabs(turned.x) + std::fabs(turned.y) + std::fabs(turned.z), 1.0f);
    // A turn keeps every distance from the centre.
    EXPECT_NEAR(Length(Subtract(view.State().atoms[0].picture, centre)), Length(Subtract(atom, centre)), 1e-2f);
}

TEST_F(MouseModes, ADragToTheRightAcrossTheCentreTurnsTheFrontToTheRight) {
    MoleculeView& view = Salt();
    const ViewState& state = view.State();
    const Vector3D centre = PictureCentre(state);
    const std::vector<SceneAtom> before = state.atoms.items;
    const int y = kPictureSize - 1 - static_cast<int>(centre.y);
    Drag(view, {{static_cast<int>(centre.x) - 2, y}, {static_cast<int>(centre.x) + 2, y}});
    // A small turn about the picture's vertical axis: heights stay, and what is well in front of
    // the centre goes right.
    int frontAtoms = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_NEAR(state.atoms[i].picture.y, before[i].picture.y, 0.1f) << i;  // the centre lies between pixels
        if (before[i].picture.z > centre.z + 5) {
            EXPECT_GT(state.atoms[i].picture.x, before[i].picture.x) << i;
            ++frontAtoms;
        }
    }
    EXPECT_GT(frontAtoms, 0);
}

TEST_F(MouseModes, ZoomInThenOutRestoresTheSizeAndFiveZoomInsGrowByOnePointTwoToTheFifth) {
    MoleculeView& view = Salt();
    const ViewState& state = view.State();
    const Vector3D centre = PictureCentre(state);
    const float size = ShownLength(state, 0, 1);
    const float pixel = state.viewTransform.m[3][3];

    view.RunCommand(command::ZoomIn);
    view.RunCommand(command::ZoomOut);
    EXPECT_NEAR(ShownLength(state, 0, 1), size, size * 1e-5f);
    EXPECT_NEAR(state.viewTransform.m[3][3], pixel, pixel * 1e-5f);

    for (int i = 0; i < 5; ++i) view.RunCommand(command::ZoomIn);
    EXPECT_NEAR(ShownLength(state, 0, 1) / size, std::pow(1.2, 5), 1e-4);
    ExpectNear(PictureCentre(state), centre, 1e-3f);
}

TEST_F(MouseModes, TheLiquidAndTheGasIgnoreTheMouseAndDisableTheNineCommands) {
    MoleculeView& view = Salt();
    view.RunCommand(command::Translate);
    view.RunCommand(command::Distance);
    for (const int state : {command::Liquid, command::Gas}) {
        view.RunCommand(state);
        view.AnimateStep();
        const Matrix4 before = view.State().viewTransform;
        for (const int id : kNavigationCommands) {
            EXPECT_FALSE(view.QueryCommand(id).enabled) << id;
            EXPECT_TRUE(view.QueryCommand(id).served) << id;
        }
        Drag(view, {{100, 100}, {150, 120}});
        EXPECT_FALSE(view.HoldsMouse());
        EXPECT_EQ(view.State().viewTransform, before);
        // Resting on an atom or clicking it shows and picks nothing.
        for (std::size_t i = 0; i < view.State().atoms.size(); i += 7) {
            const testing::WindowPoint atom = testing::WindowPointOf(view.State().atoms[i]);
            Move(view, atom);
            Drag(view, {atom});
        }
        EXPECT_EQ(view.State().pickedCount, 0);
        EXPECT_TRUE(host.tipTexts.empty());
    }
    view.RunCommand(command::ChemicalUnit);
    for (const int id : kNavigationCommands) EXPECT_TRUE(view.QueryCommand(id).enabled) << id;
}

TEST_F(MouseModes, ModeButtonsCheckTheModeAndTheZoomButtonsCheckNothing) {
    MoleculeView& view = Salt();
    for (const int mode : {command::Rotate, command::Translate, command::Rock, command::Rotate, command::Rotate}) {
        view.RunCommand(mode);
        for (const int id : {command::Rotate, command::Translate, command::Rock})
            EXPECT_EQ(view.QueryCommand(id).checked, id == mode) << id;
    }
    EXPECT_FALSE(view.QueryCommand(command::ZoomIn).checkable);
    EXPECT_FALSE(view.QueryCommand(command::ZoomOut).checkable);
}

TEST_F(MouseModes, TwelveRockStepsReturnTheModelToWhereItStarted) {
    MoleculeView& view = Salt();
    view.RunCommand(command::Rock);
    const Matrix4 start = view.State().viewTransform;
    const Vector3D centre = PictureCentre(view.State());
    bool moved = false;
    for (int step = 0; step < 12; ++step) {
        ASSERT_TRUE(view.AnimateStep());
        moved = moved || !(view.State().viewTransform == start);
        ExpectNear(PictureCentre(view.State()), centre, 1e-3f);  // about the vertical axis through the centre
    }
    EXPECT_TRUE(moved);
    ExpectNear(view.State().viewTransform, start, 1e-4f);
}

TEST_F(MouseModes, TheRockPhaseIsSharedByEveryView) {
    MoleculeView& first = Salt();
    MoleculeView& second = NewWindow(command::CrystalSolid);
    first.RunCommand(command::Rock);
    for (int step = 0; step < 6; ++step) first.AnimateStep();  // the first half of a swing
    EXPECT_EQ(motion.rockSteps, 6);

    // The second view's swing starts where the shared phase stands: on the way back.
    second.RunCommand(command::Rock);
    ViewState expected = second.State();
    ASSERT_TRUE(second.AnimateStep());
    ApplyAboutCentre(expected, RotationY(static_cast<float>(-2 * kRadiansPerDegree)));
    ExpectNear(second.State().viewTransform, expected.viewTransform, 1e-5f);
    EXPECT_EQ(motion.rockSteps, 7);
}

TEST_F(MouseModes, RotateStopsTheSwingWhereItIsAndADragDoesNot) {
    MoleculeView& view = Salt();
    view.RunCommand(command::Rock);
    view.AnimateStep();
    const Matrix4 swinging = view.State().viewTransform;
    const int invalidations = host.invalidations;
    Drag(view, {{100, 100}, {160, 140}});  // a drag does nothing in the Rock mode, not even repaint
    EXPECT_EQ(view.State().viewTransform, swinging);
    EXPECT_EQ(host.invalidations, invalidations);
    EXPECT_TRUE(view.AnimateStep());

    view.RunCommand(command::Rotate);
    const Matrix4 stopped = view.State().viewTransform;
    EXPECT_FALSE(view.AnimateStep());
    EXPECT_EQ(view.State().viewTransform, stopped);
}

TEST_F(MouseModes, ResetRestoresTheInitialViewAndKeepsTheMouseMode) {
    MoleculeView& view = Salt();
    const Matrix4 initial = view.State().viewTransform;
    view.RunCommand(command::Translate);
    Drag(view, {{100, 100}, {150, 120}});
    view.RunCommand(command::ZoomOut);
    view.RunCommand(command::Reset);
    EXPECT_EQ(view.State().viewTransform, initial);
    EXPECT_EQ(view.State().mouseMode, MouseMode::Translate);

    // In the Rock mode the reset view is projected with one more step of the swing.
    view.RunCommand(command::Rock);
    view.RunCommand(command::Reset);
    EXPECT_EQ(view.State().mouseMode, MouseMode::Rock);
    EXPECT_TRUE(view.AnimateStep());
}

TEST_F(MouseModes, ALostGrabEndsTheDragWithoutTurning) {
    MoleculeView& view = Salt();
    Press(view, {100, 100});
    view.LoseMouse();
    const Matrix4 before = view.State().viewTransform;
    Move(view, {150, 150});
    Release(view, {150, 150});
    EXPECT_EQ(view.State().viewTransform, before);
}

}  // namespace
}  // namespace kiva

namespace kiva {
namespace {

// The pointer in device pixels of a picture scale times the 340 square, through the widget's
// mapping: the same gesture, scaled, gives the same picture points.
void DeviceGesture(MoleculeView& view, int scale, const std::vector<testing::WindowPoint>& path) {
    const PictureMap map = view.Map();
    const auto at = [&](testing::WindowPoint p) { return FromDevicePoint(map, {double(p.x * scale), double(p.y * scale)}); };
    view.MousePress(at(path.front()));
    for (const testing::WindowPoint& p : path) view.MouseMove(at(p));
    view.MouseRelease(at(path.back()));
}

class PictureScale : public testing::ViewTest {};

TEST_F(PictureScale, ADragAZoomAndADistancePickAt1020GiveWhatTheyGiveAt340) {
    compound = testing::CatalogueRecord("NaCl");
    MoleculeView& small = NewWindow(command::CrystalSolid);
    MoleculeView& large = NewWindow(command::CrystalSolid);
    large.SetPictureArea({1020, 1020});
    for (MoleculeView* view : {&small, &large}) {
        const int scale = view == &small ? 1 : 3;
        DeviceGesture(*view, scale, {{170, 170}, {190, 160}, {230, 150}});
        view->RunCommand(command::ZoomIn);
        view->RunCommand(command::Distance);
        for (std::size_t atom : {std::size_t{0}, std::size_t{1}}) {
            const testing::WindowPoint p = testing::WindowPointOf(view->State().atoms[atom]);
            DeviceGesture(*view, scale, {p});
        }
    }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_EQ(large.State().viewTransform.m[i][j], small.State().viewTransform.m[i][j]);
    EXPECT_EQ(large.State().pickedCount, 2);
    EXPECT_EQ(large.State().pickedAtoms, small.State().pickedAtoms);
    ASSERT_FALSE(host.tipTexts.empty());
    EXPECT_NE(host.tipTexts.back().find("Distance"), std::string::npos) << host.tipTexts.back();
    EXPECT_EQ(host.tipTexts[host.tipTexts.size() - 1], host.tipTexts[host.tipTexts.size() - 2]);
}

// An arrow key turns the model as a drag from the centre that turns it by 5 degrees; Shift turns
// it by 1, Ctrl moves it, and + and - zoom as the buttons do.
TEST_F(MouseModes, AnArrowKeyTurnsThePictureAsAFiveDegreeDragDoes) {
    MoleculeView& view = Salt();
    const Matrix4 start = view.State().viewTransform;
    ViewState dragged = view.State();
    const Vector3D centre = PictureCentre(dragged);
    const float lift = static_cast<float>(kPictureSize) - centre.z;
    const float reach = lift * std::tan(static_cast<float>(5 * kRadiansPerDegree));
    ApplyAboutCentre(dragged, RotationOnto({0, 0, lift}, {reach, 0, lift}));
    ASSERT_TRUE(view.KeyPress(MoleculeView::Key::Right, false, false));
    ExpectNear(view.State().viewTransform, dragged.viewTransform, 1e-5f);
    // Left turns it back about the same centre; Shift turns it by a fifth as much.
    ASSERT_TRUE(view.KeyPress(MoleculeView::Key::Left, false, false));
    ExpectNear(view.State().viewTransform, start, 1e-4f);
    ViewState fine = view.State();
    ApplyKeyTurn(fine, 0, 1, 1);
    ASSERT_TRUE(view.KeyPress(MoleculeView::Key::Up, true, false));
    ExpectNear(view.State().viewTransform, fine.viewTransform, 1e-6f);

    const Vector3D atom = view.State().atoms[0].picture;
    ASSERT_TRUE(view.KeyPress(MoleculeView::Key::Up, false, true));  // Ctrl: 10 pixels up
    ExpectNear(view.State().atoms[0].picture, Add(atom, {0, 10, 0}), 1e-3f);
    const float size = ShownLength(view.State(), 0, 1);
    ASSERT_TRUE(view.KeyPress(MoleculeView::Key::ZoomIn, false, false));
    EXPECT_NEAR(ShownLength(view.State(), 0, 1), size * kZoomInFactor, 1e-2f);
    ASSERT_TRUE(view.KeyPress(MoleculeView::Key::Rock, false, false));
    EXPECT_EQ(view.State().mouseMode, MouseMode::Rock);
    ASSERT_TRUE(view.KeyPress(MoleculeView::Key::Rock, false, false));
    EXPECT_EQ(view.State().mouseMode, MouseMode::Rotate);
    ASSERT_TRUE(view.KeyPress(MoleculeView::Key::Home, false, false));
    ViewState fresh = view.State();
    ResetView(fresh);
    ExpectNear(view.State().viewTransform, fresh.viewTransform, 1e-6f);
    // The liquid does not turn.
    view.RunCommand(command::Liquid);
    EXPECT_FALSE(view.KeyPress(MoleculeView::Key::Right, false, false));
}

}  // namespace
}  // namespace kiva
