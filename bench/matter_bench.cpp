// SPDX-License-Identifier: GPL-2.0-or-later
// The heating state: one step of the run, and one whole frame of the window (the run's steps
// between two frames, the copies placed, projected and drawn), for 216 and 1000 copies of water
// held as a liquid.
#include <benchmark/benchmark.h>

#include <string>

#include "chem/molecule_index.h"
#include "chem/phase_points.h"
#include "matter/heating_session.h"
#include "matter/matter_scene.h"
#include "render/projection.h"
#include "render/render_picture.h"
#include "render/render_workers.h"

namespace kiva {
namespace {

const std::string kCatalogue = KIVA_CATALOGUE_DIR;

CompoundRecord LoadWater() {
    MoleculeIndex index;
    index.path = kCatalogue + "/Index.dat";
    LoadMoleculeIndex(index);
    CompoundRecord record;
    LoadCompoundByName(index, kCatalogue + "/Molecule.dat", "H2O", record);
    return record;
}

// Water melted and held at 330 K, a liquid pooled on the floor, as a class sees it after heating.
HeatingSession LiquidWater(std::size_t copies) {
    const PhaseTableParse table = LoadPhasePointsFile(kCatalogue + "/PhasePoints.dat");
    const PhasePointsRow* row = table.table.Find("H2O");
    HeatingSession session = *HeatingSession::Start(row->points, copies, kDefaultSeed, RenderThreadCount(), SharedRenderWorkers());
    session.HoldAt(330);
    session.Advance(3000);
    return session;
}

void BM_MatterStep(benchmark::State& state) {
    const auto copies = static_cast<std::size_t>(state.range(0));
    HeatingSession session = LiquidWater(copies);
    for (auto _ : state) session.Advance(1);
    state.SetLabel(std::to_string(RenderThreadCount()) + " threads, " + std::to_string(copies) + " copies of water");
}

void BM_HeatingFrame(benchmark::State& state) {
    const auto copies = static_cast<std::size_t>(state.range(0));
    HeatingSession session = LiquidWater(copies);
    ViewState view;
    view.displayState = DisplayState::Heating;
    view.pictureArea = {static_cast<int>(state.range(1)), static_cast<int>(state.range(2))};
    const CopyShape shape = BuildHeatingScene(view, LoadWater(), MakeDefaultElementTable(), copies);
    PlaceCopies(view, shape, session.Run());
    ResetHeatingView(view, shape, session.Run());
    PictureBuffers picture;
    for (auto _ : state) {
        session.Advance(kHeatingStepsPerFrame);
        PlaceCopies(view, shape, session.Run());
        ProjectScene(view);
        benchmark::DoNotOptimize(RenderPicture(view, {}, picture).colour.data());
    }
    state.SetLabel(std::to_string(RenderThreadCount()) + " threads, " + std::to_string(view.atoms.size()) + " atoms");
}

BENCHMARK(BM_MatterStep)->Arg(216)->Arg(1000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_HeatingFrame)
    ->Args({216, 1920, 1080})
    ->Args({1000, 1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kiva
