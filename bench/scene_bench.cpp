// SPDX-License-Identifier: GPL-2.0-or-later
// Scene build, projection and rendering on substances of the catalogue, from a water molecule
// to a rock-salt crystal of 16 x 16 x 16 cells (35,937 ions).
#include <benchmark/benchmark.h>

#include <string>

#include "chem/compound_record.h"
#include "chem/molecule_index.h"
#include "render/canvas.h"
#include "render/projection.h"
#include "render/render_frame.h"
#include "render/render_picture.h"
#include "render/scene_build.h"

namespace kiva {
namespace {

CompoundRecord Load(const char* name) {
    MoleculeIndex index;
    index.path = std::string(KIVA_CATALOGUE_DIR) + "/Index.dat";
    LoadMoleculeIndex(index);
    CompoundRecord record;
    LoadCompoundByName(index, std::string(KIVA_CATALOGUE_DIR) + "/Molecule.dat", name, record);
    return record;
}

struct Case {
    const char* name;
    DisplayState state;
    int multiples;
};

// state.range(0) picks the case, range(1) the model: 0 ball-and-stick, 1 space-filling, 2
// ball-and-stick with the coordination lines shown.
const Case kCases[] = {{"H2O", DisplayState::ChemicalUnit, 1},
                       {"beta-D-Glucose", DisplayState::ChemicalUnit, 1},
                       {"NaCl", DisplayState::CrystalSolid, 1},
                       {"NaCl", DisplayState::CrystalSolid, 8},
                       {"NaCl", DisplayState::CrystalSolid, 16}};

ViewState MakeView(const benchmark::State& state) {
    const Case& c = kCases[state.range(0)];
    ViewState view;
    view.displayState = c.state;
    view.displayModel = state.range(1) == 1 ? DisplayModel::SpaceFilling : DisplayModel::BallAndStick;
    view.showCoordination = state.range(1) == 2;
    view.cellMultiples = {c.multiples, c.multiples, c.multiples};
    return view;
}

void Label(benchmark::State& state, const ViewState& view) {
    const Case& c = kCases[state.range(0)];
    state.SetLabel(std::string(c.name) + " x" + std::to_string(c.multiples) +
                   (view.displayModel == DisplayModel::SpaceFilling ? " space" : view.showCoordination ? " ball+lines" : " ball") +
                   ", " +
                   std::to_string(view.atoms.size()) + " atoms, " + std::to_string(view.bonds.size()) + " bonds");
}

void BM_BuildScene(benchmark::State& state) {
    const CompoundRecord compound = Load(kCases[state.range(0)].name);
    const ElementTable elements = MakeDefaultElementTable();
    ViewState view = MakeView(state);
    BuildCellVectors(view, compound.cell);
    for (auto _ : state) {
        BuildScene(view, compound, elements);
        benchmark::DoNotOptimize(view.bonds.items.data());
    }
    Label(state, view);
}

// A view of the case's substance, built and reset as a new window shows it.
ViewState BuiltView(const benchmark::State& state) {
    const CompoundRecord compound = Load(kCases[state.range(0)].name);
    ViewState view = MakeView(state);
    BuildCellVectors(view, compound.cell);
    BuildScene(view, compound, MakeDefaultElementTable());
    ResetView(view);
    return view;
}

// Turns the view by a degree about the picture's vertical axis, as a drag does between frames.
void TurnADegree(ViewState& view) {
    const Matrix4 turn = Multiply(Multiply(Translation({170, 170, 170}), RotationY(0.017453292f)),
                                  Translation({-170, -170, -170}));
    view.viewTransform = Multiply(turn, view.viewTransform);
}

// One frame of a drag: a new angle, the projection with its depth order, and the picture.
void BM_ProjectAndRender(benchmark::State& state) {
    ViewState view = BuiltView(state);
    PictureBuffers picture;
    for (auto _ : state) {
        TurnADegree(view);
        ProjectScene(view);
        benchmark::DoNotOptimize(RenderPicture(view, {}, picture).colour.data());
    }
    Label(state, view);
}

void BM_SortDrawOrder(benchmark::State& state) {
    ViewState view = BuiltView(state);
    ProjectScene(view);
    for (auto _ : state) {
        SortDrawOrder(view);
        benchmark::DoNotOptimize(view.drawOrder.order.data());
    }
    Label(state, view);
}

void BM_RenderFrame(benchmark::State& state) {
    ViewState view = BuiltView(state);
    ProjectScene(view);
    PictureBuffers picture;
    for (auto _ : state) {
        RenderFrame(view, picture, 0);
        benchmark::DoNotOptimize(picture.colour.data());
    }
    Label(state, view);
}

// One frame of a drag of the 16 x 16 x 16 rock-salt crystal at a picture size: range(0) and
// range(1) are the width and height, range(2) the model (0 ball-and-stick, 1 space-filling).
void BM_FrameAtSize(benchmark::State& state) {
    const CompoundRecord compound = Load("NaCl");
    ViewState view;
    view.displayState = DisplayState::CrystalSolid;
    view.displayModel = state.range(2) == 1 ? DisplayModel::SpaceFilling : DisplayModel::BallAndStick;
    view.cellMultiples = {16, 16, 16};
    view.pictureArea = {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))};
    BuildCellVectors(view, compound.cell);
    BuildScene(view, compound, MakeDefaultElementTable());
    ResetView(view);
    PictureBuffers picture;
    for (auto _ : state) {
        TurnADegree(view);
        ProjectScene(view);
        benchmark::DoNotOptimize(RenderPicture(view, {}, picture).colour.data());
    }
    state.SetLabel(std::to_string(RenderThreadCount()) + " threads, " + std::to_string(view.atoms.size()) + " atoms");
}

void AllCases(benchmark::internal::Benchmark* benchmark) {
    for (int c = 0; c < 5; ++c)
        for (int model = 0; model < 3; ++model) benchmark->Args({c, model});
    benchmark->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_BuildScene)->Apply(AllCases);
BENCHMARK(BM_ProjectAndRender)->Apply(AllCases);
BENCHMARK(BM_SortDrawOrder)->Apply(AllCases);
BENCHMARK(BM_RenderFrame)->Apply(AllCases);
BENCHMARK(BM_FrameAtSize)
    ->Args({340, 340, 0})->Args({340, 340, 1})
    ->Args({1920, 1080, 0})->Args({1920, 1080, 1})
    ->Args({3840, 2160, 0})->Args({3840, 2160, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kiva
