// SPDX-License-Identifier: GPL-2.0-or-later
// Measuring catalogue substances by clicking their atoms and resting the pointer on them; every
// expected value comes from the substance's own coordinates, computed here.
#include "view/measurements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

#include "chem/fixed_text.h"
#include "render/projection.h"
#include "tests/support/catalogue_record.h"
#include "tests/view/view_test_support.h"

namespace kiva {
namespace {

using testing::CatalogueRecord;
using testing::Click;
using testing::Move;
using testing::WindowPoint;
using testing::WindowPointOf;

constexpr const char* kAngstrom = "\xC3\x85";  // Å in UTF-8

struct Vec {
    double x, y, z;
};
Vec Of(const AtomSite& site) { return {site.position.x, site.position.y, site.position.z}; }
Vec Minus(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec CrossOf(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double DegreesBetween(Vec a, Vec b) {
    return std::acos(Dot(a, b) / std::sqrt(Dot(a, a) * Dot(b, b))) * 180 / std::numbers::pi;
}

std::string OneDecimal(const char* label, double degrees) {
    char text[64];
    std::snprintf(text, sizeof text, "%s=%.1f degree", label, degrees);
    return text;
}

class Measurements : public testing::ViewTest {
protected:
    // Clicks an atom where it shows; it must be the one on top there, or the click means another.
    void ClickAtom(MoleculeView& view, int atom) {
        const SceneAtom& shown = view.State().atoms[static_cast<std::size_t>(atom)];
        ASSERT_EQ(HitTestAtom(view.State(), ScreenPoint(shown.picture)), atom) << TextOf(shown.symbol);
        Click(view, WindowPointOf(shown));
    }
    void ClickAtoms(MoleculeView& view, std::initializer_list<int> atoms) {
        for (const int atom : atoms) ClickAtom(view, atom);
    }
    void HoverOn(MoleculeView& view, int atom) { Move(view, WindowPointOf(view.State().atoms[static_cast<std::size_t>(atom)])); }
};

TEST_F(Measurements, TheNaClDistanceInTheCrystalIsHalfTheCellEdge) {
    MoleculeView& view = Show(CatalogueRecord("NaCl"), command::CrystalSolid);
    view.RunCommand(command::Distance);
    const ViewState& state = view.State();
    const double expected = compound.cell.a / 2.0;  // Na at a corner, Cl at the middle of the edge
    EXPECT_NEAR(expected, 2.82, 0.005);

    // A sodium ion and a neighbouring chloride ion, both on top where they show.
    const auto visible = [&](std::size_t i) { return HitTestAtom(state, ScreenPoint(state.atoms[i].picture)) == static_cast<int>(i); };
    int sodium = -1, chloride = -1;
    for (std::size_t i = 0; i < state.atoms.size() && chloride < 0; ++i) {
        if (TextOf(state.atoms[i].symbol) != "Na+" || !visible(i)) continue;
        for (std::size_t j = 0; j < state.atoms.size() && chloride < 0; ++j)
            if (TextOf(state.atoms[j].symbol) == "Cl-" && visible(j) &&
                std::fabs(Length(Subtract(state.atoms[i].position, state.atoms[j].position)) - expected) < 1e-3) {
                sodium = static_cast<int>(i);
                chloride = static_cast<int>(j);
            }
    }
    ASSERT_GE(chloride, 0);
    ClickAtoms(view, {sodium, chloride});

    EXPECT_EQ(state.pickedCount, 2);
    // The pointer jumped to the middle of the two atoms, and the tooltip shows the distance there.
    const PicturePoint a = ScreenPoint(state.atoms[static_cast<std::size_t>(sodium)].picture);
    const PicturePoint b = ScreenPoint(state.atoms[static_cast<std::size_t>(chloride)].picture);
    const PicturePoint middle{(a.x + b.x) / 2, (a.y + b.y) / 2};
    ASSERT_FALSE(host.pointerMoves.empty());
    EXPECT_EQ(host.pointerMoves.back(), middle);
    EXPECT_EQ(host.tipShownAt, middle);
    EXPECT_EQ(host.ShownText(), std::string("Distance=2.82 ") + kAngstrom);

    // A German window writes the decimal comma, and the position's coordinates apart by semicolons.
    ReadoutWords german;
    german.distance = "Abstand";
    german.decimalPoint = ",";
    EXPECT_EQ(MeasuredValue(state, german), std::string("Abstand=2,82 ") + kAngstrom);
    const std::string position = PositionReadout(state.atoms[static_cast<std::size_t>(chloride)], german);
    EXPECT_EQ(position.find('.'), std::string::npos) << position;
    EXPECT_NE(position.find("; "), std::string::npos) << position;
}

TEST_F(Measurements, TheAngleOfWaterShowsAtTheVertexAndTheAtomBeyondIt) {
    MoleculeView& view = Show(CatalogueRecord("H2O"));
    view.RunCommand(command::Angle);
    const std::vector<AtomSite>& sites = compound.unitAtoms;  // O, H, H
    ASSERT_EQ(TextOf(sites[0].symbol), "O");
    ClickAtoms(view, {1, 0, 2});

    const double angle = DegreesBetween(Minus(Of(sites[1]), Of(sites[0])), Minus(Of(sites[2]), Of(sites[0])));
    EXPECT_NEAR(angle, 104.0, 0.5);
    EXPECT_EQ(host.pointerMoves.back(), ScreenPoint(view.State().atoms[0].picture));
    EXPECT_EQ(host.ShownText(), OneDecimal("Angle", angle));

    // More than 16 pixels from the vertex, the hydrogen under the pointer tells its position.
    HoverOn(view, 1);
    EXPECT_EQ(host.ShownText().rfind("H 0 (", 0), 0u) << host.ShownText();
}

// A handout lists the atoms picked so far and, once the selection is complete, its value.
TEST_F(Measurements, TheReadOutsOfAMeasurementUnderWayGrowWithEachPick) {
    MoleculeView& view = Show(CatalogueRecord("H2O"));
    EXPECT_TRUE(MeasurementReadouts(view.State()).empty());
    view.RunCommand(command::Angle);
    EXPECT_TRUE(MeasurementReadouts(view.State()).empty());
    ClickAtoms(view, {1, 0});
    std::vector<std::string> readouts = MeasurementReadouts(view.State());
    ASSERT_EQ(readouts.size(), 2u);
    EXPECT_EQ(readouts[0], PositionReadout(view.State().atoms[1]));
    EXPECT_EQ(readouts[1].rfind("O 0 (", 0), 0u) << readouts[1];
    EXPECT_FALSE(MeasuredValue(view.State()));

    ClickAtom(view, 2);
    readouts = MeasurementReadouts(view.State());
    ASSERT_EQ(readouts.size(), 4u);
    EXPECT_EQ(readouts[3], host.ShownText());  // the value the tooltip shows at the vertex
    view.RunCommand(command::Reset);  // clears the picks
    EXPECT_TRUE(MeasurementReadouts(view.State()).empty());
}

TEST_F(Measurements, TorsionAnglesOfAPlanarChainAreZeroAndOneHundredEighty) {
    MoleculeView& view = Show(CatalogueRecord("1,3-Butadiene"));
    view.RunCommand(command::TorsionAngle);
    const std::vector<AtomSite>& sites = compound.unitAtoms;  // C1 C2 C3 C4, then the hydrogens
    const auto torsion = [&](int a, int b, int c, int d) {
        const Vec bond = Minus(Of(sites[c]), Of(sites[b]));
        return DegreesBetween(CrossOf(bond, Minus(Of(sites[a]), Of(sites[b]))),
                              CrossOf(bond, Minus(Of(sites[d]), Of(sites[b]))));
    };

    ClickAtoms(view, {0, 1, 2, 3});  // the carbon chain: the ends on opposite sides of C2-C3
    EXPECT_NEAR(torsion(0, 1, 2, 3), 180.0, 0.05);
    EXPECT_EQ(host.ShownText(), "Torsion Angle=180.0 degree");

    ClickAtoms(view, {0, 1, 2, 7});  // C1 and the hydrogen of C3 on the same side
    EXPECT_NEAR(torsion(0, 1, 2, 7), 0.0, 0.05);
    EXPECT_EQ(host.ShownText(), "Torsion Angle=0.0 degree");
}

TEST_F(Measurements, PositionReadOutOfASodiumIon) {
    MoleculeView& view = Show(CatalogueRecord("NaCl"));
    ASSERT_EQ(TextOf(view.State().atoms[0].symbol), "Na+");
    HoverOn(view, 0);
    char radius[32];
    std::snprintf(radius, sizeof radius, "%.2f", static_cast<double>(LookupElement(elements, "Na+", 1).radius));
    EXPECT_EQ(host.ShownText(), std::string("Na+ 1 (1.41, 0.00, 0.00) R=") + radius + " " + kAngstrom);

    view.RunCommand(command::Position);  // off: nothing to show over the atom
    HoverOn(view, 0);
    EXPECT_FALSE(host.tipShownAt);
}

TEST_F(Measurements, AnUnchangedReadOutIsNotSentAgain) {
    MoleculeView& view = Show(CatalogueRecord("NaCl"));
    const WindowPoint atom = WindowPointOf(view.State().atoms[0]);
    Move(view, atom);
    Move(view, {atom.x + 1, atom.y});
    Move(view, {5, 5});  // the background hides the tooltip
    EXPECT_FALSE(host.tipShownAt);
    Move(view, atom);
    EXPECT_TRUE(host.tipShownAt);
    EXPECT_EQ(host.tipTexts.size(), 1u);
}

TEST_F(Measurements, TheXAxisIsNamedWhereNoAtomCoversIt) {
    MoleculeView& view = Show(CatalogueRecord("H2O"));
    view.RunCommand(command::Axes);
    const ViewState& state = view.State();
    const Vector3D origin = TransformPoint(state.viewTransform, {0, 0, 0});
    const Vector3D end = TransformPoint(state.viewTransform, {state.axisLength, 0, 0});
    const PicturePoint onAxis = ScreenPoint(Add(origin, Scale(0.9f, Subtract(end, origin))));
    ASSERT_EQ(HitTestAtom(state, onAxis), -1);
    view.MouseMove(onAxis);
    EXPECT_EQ(host.ShownText(), "Axis X");

    view.RunCommand(command::Axes);  // hidden axes have no name
    view.MouseMove(onAxis);
    EXPECT_FALSE(host.tipShownAt);
}

TEST_F(Measurements, PicksFollowTheTableOfTheSelection) {
    MoleculeView& view = Show(CatalogueRecord("H2O"));
    const ViewState& state = view.State();
    ClickAtom(view, 0);  // no measurement on: nothing is picked
    EXPECT_EQ(state.pickedCount, 0);

    view.RunCommand(command::Distance);
    const int invalidations = host.invalidations;
    ClickAtoms(view, {0, 0});  // the same atom twice counts once
    EXPECT_EQ(state.pickedCount, 1);
    EXPECT_EQ(host.invalidations, invalidations + 1);
    Click(view, {5, 5});  // the background changes nothing
    EXPECT_EQ(state.pickedCount, 1);

    ClickAtom(view, 1);
    EXPECT_EQ(state.pickedCount, 2);
    ClickAtom(view, 2);  // a third atom after a complete distance starts a new one
    EXPECT_EQ(state.pickedCount, 1);
    EXPECT_EQ(state.pickedAtoms[0], 2);
    ClickAtom(view, 0);
    ClickAtom(view, 0);  // a complete selection starts over even with one of its own atoms
    EXPECT_EQ(state.pickedCount, 1);
    EXPECT_EQ(state.pickedAtoms[0], 0);
}

TEST_F(Measurements, TheTopMostOfTwoOverlappingAtomsIsPicked) {
    MoleculeView& view = Show(CatalogueRecord("NaCl"));  // Na+ on +x, Cl- on -x
    view.RunCommand(command::Distance);
    ViewState& state = view.State();
    const auto lookAlongX = [&](float angle) {
        // Turned so that the x axis points at the viewer (angle -90 degrees) or away from them.
        Matrix4 m = Multiply(Translation({170, 170, 170}), UniformScale(60));
        m = Multiply(m, RotationY(angle));
        state.viewTransform = Multiply(m, Translation(Scale(-1, state.rotationCentre)));
        ProjectScene(state, motion);
    };
    const auto pi = static_cast<float>(std::numbers::pi);
    lookAlongX(-pi / 2);
    EXPECT_EQ(ScreenPoint(state.atoms[0].picture), ScreenPoint(state.atoms[1].picture));
    Click(view, WindowPointOf(state.atoms[0]));
    EXPECT_EQ(state.pickedAtoms[0], 0);

    view.RunCommand(command::Distance);
    view.RunCommand(command::Distance);
    lookAlongX(pi / 2);
    Click(view, WindowPointOf(state.atoms[0]));
    EXPECT_EQ(state.pickedAtoms[0], 1);
}

TEST_F(Measurements, APickZoneIsTheDrawnDiscAtLeastThatOfAHalfAngstromAtom) {
    ViewState state;
    state.viewTransform.m[3][3] = 0.1f;  // a pixel is 0.1 angstrom
    SceneAtom atom{};
    atom.radius = 1.5f;  // 15 pixels, a ball of 5
    atom.picture = {100.7f, 100.2f, 0};
    state.atoms.Append(atom);
    state.drawOrder.order = {0};
    EXPECT_EQ(HitTestAtom(state, {104, 100}), 0);
    EXPECT_EQ(HitTestAtom(state, {105, 100}), -1);
    EXPECT_EQ(HitTestAtom(state, {103, 103}), 0);
    state.displayModel = DisplayModel::SpaceFilling;
    EXPECT_EQ(HitTestAtom(state, {114, 100}), 0);
    EXPECT_EQ(HitTestAtom(state, {115, 100}), -1);
    state.atoms[0].radius = 0.2f;  // counts as 0.5 angstrom: 5 pixels
    EXPECT_EQ(HitTestAtom(state, {104, 100}), 0);
    EXPECT_EQ(HitTestAtom(state, {105, 100}), -1);
    state.atoms[0].radius = std::nanf("");  // a damaged radius picks nothing
    EXPECT_EQ(HitTestAtom(state, {100, 100}), -1);
}

TEST_F(Measurements, TurningAndZoomingKeepThePicksAndTheMeasureCommandsClearThem) {
    MoleculeView& view = Show(CatalogueRecord("H2O"));
    const ViewState& state = view.State();
    view.RunCommand(command::Angle);
    ClickAtoms(view, {1, 0});
    testing::Drag(view, {{100, 100}, {140, 120}});
    view.RunCommand(command::ZoomOut);
    view.RunCommand(command::Rock);
    view.AnimateStep();
    EXPECT_EQ(state.pickedCount, 2);
    EXPECT_TRUE(view.QueryCommand(command::Angle).checked);

    view.RunCommand(command::Angle);  // chosen again: measuring stops and the marks go
    EXPECT_EQ(state.pickedCount, 0);
    EXPECT_EQ(state.measureMode, MeasureMode::None);
    view.RunCommand(command::Distance);
    ClickAtom(view, 0);
    view.RunCommand(command::TorsionAngle);
    EXPECT_EQ(state.pickedCount, 0);
    EXPECT_TRUE(view.QueryCommand(command::TorsionAngle).checked);
    EXPECT_FALSE(view.QueryCommand(command::Distance).checked);

    // A new scene has new atoms: a state change and a document update take the picks away.
    ClickAtom(view, 0);
    view.RunCommand(command::ChemicalUnit);
    EXPECT_EQ(state.pickedCount, 0);
    ClickAtom(view, 0);
    view.OnUpdate();
    EXPECT_EQ(state.pickedCount, 0);
    EXPECT_EQ(state.measureMode, MeasureMode::TorsionAngle);
}

}  // namespace
}  // namespace kiva
