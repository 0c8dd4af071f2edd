// SPDX-License-Identifier: GPL-2.0-or-later
// The heating and cooling state of the molecule view: its run, its number of particles and
// the Heat, Cool and Hold controls.
#include <memory>

#include "render/render_workers.h"
#include "view/commands.h"
#include "view/molecule_view.h"

namespace kiva {

namespace {

std::size_t CopiesOfCommand(int id) {
    switch (id) {
    case command::Particles64: return 64;
    case command::Particles216: return 216;
    case command::Particles512: return 512;
    case command::Particles1000: return 1000;
    default: return 0;
    }
}

}  // namespace

const PhasePoints* MoleculeView::SubstancePoints() const {
    if (!phaseTable_) return nullptr;
    const PhasePointsRow* row = phaseTable_->Find(compound_.name);
    return row ? &row->points : nullptr;
}

CommandStatus MoleculeView::QueryHeatingCommand(int id) const {
    const bool heating = state_.displayState == DisplayState::Heating && heating_;
    if (id == command::Heating) return {true, HoldsStructure(), true, heating};
    if (const std::size_t copies = CopiesOfCommand(id)) return {true, true, true, copies == heatingCopies_};
    const HeatingControl control = heating ? heating_->Control() : HeatingControl::Hold;
    switch (id) {
    case command::HeatingHeat: return {true, heating && !heating_->Decomposed(), true, heating && control == HeatingControl::Heat};
    case command::HeatingCool: return {true, heating, true, heating && control == HeatingControl::Cool};
    case command::HeatingHold: return {true, heating, true, heating && control == HeatingControl::Hold};
    default: return {};
    }
}

bool MoleculeView::RunHeatingCommand(int id) {
    if (id == command::Heating) {
        const DisplayState before = state_.displayState;
        state_.displayState = DisplayState::Heating;
        if (HoldsStructure()) ShowHeating();
        if (!heating_) state_.displayState = before == DisplayState::Heating ? DisplayState::ChemicalUnit : before;
    } else if (const std::size_t copies = CopiesOfCommand(id)) {
        SetHeatingCopies(copies);
    } else if (heating_ && id == command::HeatingHeat) {
        heating_->Heat();
    } else if (heating_ && id == command::HeatingCool) {
        heating_->Cool();
    } else if (heating_ && id == command::HeatingHold) {
        heating_->Hold();
    } else {
        return false;
    }
    host_.InvalidatePicture();
    return true;
}

// A new run from the solid: the substance's copies on the floor of the box, at the start
// temperature, held there until the class heats it.
void MoleculeView::ShowHeating() {
    const PhasePoints* points = SubstancePoints();
    heating_.reset();
    if (points)
        if (auto session = HeatingSession::Start(*points, heatingCopies_, kDefaultSeed, RenderThreadCount(), SharedRenderWorkers()))
            heating_.emplace(std::move(*session));
    if (!heating_) {
        host_.ShowNoPhasePointsMessage();
        return;
    }
    copyShape_ = BuildHeatingScene(state_, compound_, elements_, heatingCopies_);
    PlaceCopies(state_, copyShape_, heating_->Run());
    ResetHeatingView(state_, copyShape_, heating_->Run());
    state_.pickedCount = 0;
    Project();
}

void MoleculeView::SetHeatingCopies(std::size_t copies) {
    heatingCopies_ = copies;
    if (state_.displayState == DisplayState::Heating && HoldsStructure()) ShowHeating();
}

void MoleculeView::HoldHeatingAt(double kelvin) {
    if (heating_) heating_->HoldAt(kelvin);
}

std::function<void(ViewState&)> MoleculeView::HeatingAnimationStep() const {
    if (state_.displayState != DisplayState::Heating || !heating_) return {};
    auto run = std::make_shared<HeatingSession>(*heating_);
    return [run, shape = copyShape_](ViewState& view) {
        run->Advance(kHeatingStepsPerFrame);
        PlaceCopies(view, shape, run->Run());
    };
}

}  // namespace kiva
