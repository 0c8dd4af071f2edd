// SPDX-License-Identifier: GPL-2.0-or-later
#include "view/molecule_view.h"

#include "render/render_picture.h"
#include "render/scene_build.h"
#include "view/commands.h"
#include "view/mouse_modes.h"
#include "render/lattice_plane.h"
#include "render/view_moves.h"

namespace kiva {

MoleculeView::MoleculeView(const CompoundRecord& compound, const ElementTable& elements, ViewHost& host,
                           MotionTables& motion)
    : compound_(compound), elements_(elements), host_(host), motion_(motion) {}

void MoleculeView::OnUpdate() {
    if (!HoldsStructure()) return;
    if (!HasCrystalData() && state_.displayState == DisplayState::CrystalSolid) {
        host_.ShowNoCrystalMessage();
        state_.displayState = DisplayState::ChemicalUnit;
    }
    state_.cellMultiples = {1, 1, 1};
    BuildCellVectors(state_, compound_.cell);
    RebuildScene();
    Project();
}

bool MoleculeView::AnimateStep() {
    if (!HoldsStructure()) return false;
    if (state_.displayState == DisplayState::Heating) {
        if (!heating_) return false;
        heating_->Advance(kHeatingStepsPerFrame);
        PlaceCopies(state_, copyShape_, heating_->Run());
        Project();
        return true;
    }
    const bool fluid = state_.displayState == DisplayState::Liquid || state_.displayState == DisplayState::Gas;
    if (!fluid && state_.mouseMode != MouseMode::Rock) return false;
    Project();
    return true;
}

const Picture& MoleculeView::RenderPicture(PictureArea area, PictureStyle style) const {
    if (BoundedPictureArea(area.width, area.height) == state_.pictureArea) return kiva::RenderPicture(state_, style, picture_);
    return kiva::RenderPicture(ViewAtArea(state_, motion_, area), style, picture_);
}

void MoleculeView::SetPictureArea(PictureArea area) {
    const PictureArea bounded = BoundedPictureArea(area.width, area.height);
    if (bounded == state_.pictureArea) return;
    state_.pictureArea = bounded;
    host_.InvalidatePicture();
}

void MoleculeView::SetCellMultiples(const std::array<int, 3>& multiples) {
    state_.cellMultiples = multiples;
    if (!HasCrystalData()) return;
    RebuildScene();
    Project();
}

void MoleculeView::ApplyElementTable() {
    for (SceneAtom& atom : state_.atoms.items) ApplyElementLook(atom, elements_);
    host_.InvalidatePicture();
}

void MoleculeView::DrawLowQuality(Canvas& canvas) { DrawLowQuality(canvas, PictureMap{}); }

void MoleculeView::DrawLowQuality(Canvas& canvas, const PictureMap& map) {
    DrawSceneGdi(state_, canvas, map, state_.showLabels ? picture_.lettering.Font() : nullptr);
}

bool MoleculeView::InNavigationState() const {
    return state_.displayState == DisplayState::CrystalSolid || state_.displayState == DisplayState::ChemicalUnit;
}

// The state, model, quality, overlay, reset, mouse, measurement, settings and print commands;
// the selection commands belong to their own code. The settings dialogs and the printing run in
// the window that hosts the view.
CommandStatus MoleculeView::QueryCommand(int id) const {
    const auto checkItem = [](bool checked) { return CommandStatus{true, true, true, checked}; };
    // Moving and measuring work only on the crystal and the chemical unit.
    const bool navigation = InNavigationState();
    const auto navigationItem = [navigation](bool checked) { return CommandStatus{true, navigation, true, checked}; };
    const DisplayState shown = state_.displayState;
    if (const CommandStatus heating = QueryHeatingCommand(id); heating.served) return heating;
    switch (id) {
    case command::ChemicalUnit: return checkItem(shown == DisplayState::ChemicalUnit);
    case command::CrystalSolid: return checkItem(shown == DisplayState::CrystalSolid);
    case command::Liquid: return checkItem(shown == DisplayState::Liquid);
    case command::Gas: return checkItem(shown == DisplayState::Gas);
    case command::BallAndStick: return checkItem(state_.displayModel == DisplayModel::BallAndStick);
    case command::SpaceFilling: return checkItem(state_.displayModel == DisplayModel::SpaceFilling);
    case command::LowQuality: return checkItem(state_.displayQuality == DisplayQuality::Low);
    case command::HighQuality: return checkItem(state_.displayQuality == DisplayQuality::High);
    case command::Axes: return checkItem(state_.showAxes);
    case command::Coordination: return checkItem(state_.showCoordination);
    case command::AtomLabels: return checkItem(state_.showLabels);
    case command::Polyhedra: {
        const bool crystal = shown == DisplayState::CrystalSolid;
        return {true, crystal, true, crystal && state_.showPolyhedra};
    }
    case command::LatticePlane: {
        const bool crystal = shown == DisplayState::CrystalSolid;
        return {true, crystal, true, crystal && state_.latticePlane.has_value()};
    }
    case command::CellFrame: {
        const bool crystal = shown == DisplayState::CrystalSolid;
        return {true, crystal, true, crystal && state_.showCellFrame};
    }
    case command::WholeMolecules: {
        const bool crystal = shown == DisplayState::CrystalSolid;
        return {true, crystal, true, crystal && state_.wholeMolecules};
    }
    case command::Reset: return {true, navigation, false, false};
    case command::UnitCellMultiples: return {true, shown == DisplayState::CrystalSolid, false, false};
    case command::SubstanceInformation: return {true, HoldsStructure(), false, false};
    case command::ExportPicture:
    case command::ExportAnimation:
    case command::PrintHandout: return {true, HoldsStructure(), false, false};
    case command::ElementColor:
    case command::PrintSize:
    case command::FilePrint:
    case command::FilePrintDirect:
    case command::FilePrintPreview: return {true, true, false, false};
    case command::Rotate: return navigationItem(state_.mouseMode == MouseMode::Rotate);
    case command::Translate: return navigationItem(state_.mouseMode == MouseMode::Translate);
    case command::Rock: return navigationItem(state_.mouseMode == MouseMode::Rock);
    case command::ZoomIn:
    case command::ZoomOut: return {true, navigation, false, false};
    case command::Position: return navigationItem(state_.showPosition);
    case command::Distance: return navigationItem(state_.measureMode == MeasureMode::Distance);
    case command::Angle: return navigationItem(state_.measureMode == MeasureMode::Angle);
    case command::TorsionAngle: return navigationItem(state_.measureMode == MeasureMode::TorsionAngle);
    default: return {};
    }
}

bool MoleculeView::RunCommand(int id) {
    if (RunHeatingCommand(id)) return true;
    switch (id) {
    case command::ChemicalUnit: ShowChemicalUnit(); break;
    case command::CrystalSolid: ShowCrystalSolid(); break;
    case command::Liquid: ShowFluid(DisplayState::Liquid); break;
    case command::Gas: ShowFluid(DisplayState::Gas); break;
    case command::BallAndStick: state_.displayModel = DisplayModel::BallAndStick; break;
    case command::SpaceFilling: state_.displayModel = DisplayModel::SpaceFilling; break;
    case command::LowQuality: state_.displayQuality = DisplayQuality::Low; break;
    case command::HighQuality: state_.displayQuality = DisplayQuality::High; break;
    case command::Axes: state_.showAxes = !state_.showAxes; break;
    case command::CellFrame: state_.showCellFrame = !state_.showCellFrame; break;
    case command::Coordination: state_.showCoordination = !state_.showCoordination; break;
    case command::WholeMolecules: ToggleWholeMolecules(); break;
    case command::AtomLabels: ToggleLabels(); break;
    case command::Polyhedra: state_.showPolyhedra = !state_.showPolyhedra; break;
    case command::Reset: Reset(); break;
    case command::Rotate: state_.mouseMode = MouseMode::Rotate; break;
    case command::Translate: state_.mouseMode = MouseMode::Translate; break;
    case command::Rock: state_.mouseMode = MouseMode::Rock; break;
    case command::ZoomIn: Zoom(kZoomInFactor); break;
    case command::ZoomOut: Zoom(kZoomOutFactor); break;
    case command::Position: state_.showPosition = !state_.showPosition; break;
    case command::Distance: ToggleMeasureMode(MeasureMode::Distance); break;
    case command::Angle: ToggleMeasureMode(MeasureMode::Angle); break;
    case command::TorsionAngle: ToggleMeasureMode(MeasureMode::TorsionAngle); break;
    default: return false;
    }
    // Model, quality and overlays only repaint; the state commands have repainted or animate.
    host_.InvalidatePicture();
    return true;
}

void MoleculeView::ShowChemicalUnit() {
    state_.displayState = DisplayState::ChemicalUnit;
    if (!HoldsStructure()) return;
    RebuildScene();
    Project();
}

void MoleculeView::ShowCrystalSolid() {
    state_.displayState = DisplayState::CrystalSolid;
    if (HasCrystalData()) {
        RebuildScene();
        Project();
    } else if (HoldsStructure()) {
        host_.ShowNoCrystalMessage();
        ShowChemicalUnit();
    }
}

// The liquid and the gas are not projected here: the next animation step draws them.
void MoleculeView::ShowFluid(DisplayState state) {
    state_.displayState = state;
    if (HoldsStructure()) RebuildScene();
}

// The crystal is built anew with its molecules whole or cut at the faces, and shown from the start.
void MoleculeView::ToggleWholeMolecules() {
    state_.wholeMolecules = !state_.wholeMolecules;
    if (state_.displayState != DisplayState::CrystalSolid || !HasCrystalData()) return;
    RebuildScene();
    Project();
}

// Without their font the labels stay off, and the user is told why.
void MoleculeView::ToggleLabels() {
    state_.showLabels = !state_.showLabels;
    if (state_.showLabels && !picture_.lettering.Font()) {
        state_.showLabels = false;
        host_.ShowNoLabelFontMessage();
    }
}

void MoleculeView::RebuildScene() {
    if (state_.displayState == DisplayState::Heating) {
        ShowHeating();
        if (heating_) return;
        state_.displayState = DisplayState::ChemicalUnit;  // a substance without points shows its unit
    }
    heating_.reset();
    BuildScene(state_, compound_, elements_);
    ResetView(state_);
    state_.pickedCount = 0;
}

void MoleculeView::ClearPicks() {
    if (state_.pickedCount == 0) return;
    state_.pickedCount = 0;
    host_.InvalidatePicture();
}

// Choosing the measurement that is on switches measuring off; either way the marks go.
void MoleculeView::ToggleMeasureMode(MeasureMode mode) {
    ClearPicks();
    state_.measureMode = state_.measureMode == mode ? MeasureMode::None : mode;
}

void MoleculeView::Zoom(float factor) {
    ApplyZoom(state_, factor);
    Project();
}

void MoleculeView::Reset() {
    ResetView(state_);
    state_.pickedCount = 0;
    Project();
}

bool MoleculeView::KeyPress(Key key, bool fine, bool move) {
    if (!InNavigationState() || !HoldsStructure()) return false;
    const float degrees = fine ? kFineKeyTurnDegrees : kKeyTurnDegrees;
    const auto arrow = [&](int right, int up) {
        if (move)
            ApplyKeyShift(state_, right, up);
        else
            ApplyKeyTurn(state_, right, up, degrees);
        Project();
    };
    switch (key) {
    case Key::Left: arrow(-1, 0); return true;
    case Key::Right: arrow(1, 0); return true;
    case Key::Up: arrow(0, 1); return true;
    case Key::Down: arrow(0, -1); return true;
    case Key::ZoomIn: Zoom(kZoomInFactor); return true;
    case Key::ZoomOut: Zoom(kZoomOutFactor); return true;
    case Key::Rock: state_.mouseMode = state_.mouseMode == MouseMode::Rock ? MouseMode::Rotate : MouseMode::Rock; return true;
    case Key::Home: Reset(); return true;
    }
    return false;
}

void MoleculeView::SetLatticePlane(const std::optional<LatticePlane>& plane) {
    state_.latticePlane = plane;
    host_.InvalidatePicture();
}

void MoleculeView::FaceLatticePlane() {
    if (!state_.latticePlane) return;
    TurnToFace(state_, PlaneNormal(state_.cellAxes, state_.latticePlane->hkl));
    Project();
}

void MoleculeView::Project() {
    ProjectScene(state_, motion_);
    host_.InvalidatePicture();
}

}  // namespace kiva
