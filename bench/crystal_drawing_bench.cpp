// SPDX-License-Identifier: GPL-2.0-or-later
// The drawings crystallography adds, on the rock-salt crystal of 4 x 4 x 4 cells in a full-HD
// picture: one frame of a drag, plain, with the coordination polyhedra, with the polyhedra, a
// lattice plane and smooth edges, and with smooth edges alone.
#include <benchmark/benchmark.h>

#include <string>

#include "chem/compound_record.h"
#include "chem/molecule_index.h"
#include "render/projection.h"
#include "render/render_picture.h"
#include "render/scene_build.h"

namespace kiva {
namespace {

CompoundRecord Salt() {
    MoleculeIndex index;
    index.path = std::string(KIVA_CATALOGUE_DIR) + "/Index.dat";
    LoadMoleculeIndex(index);
    CompoundRecord record;
    LoadCompoundByName(index, std::string(KIVA_CATALOGUE_DIR) + "/Molecule.dat", "NaCl", record);
    return record;
}

// range(0): 0 plain, 1 polyhedra, 2 polyhedra with the (111) plane and smooth edges, 3 smooth edges.
void BM_CrystalDrawing(benchmark::State& state) {
    const CompoundRecord compound = Salt();
    ViewState view;
    view.displayState = DisplayState::CrystalSolid;
    view.cellMultiples = {4, 4, 4};
    view.pictureArea = {1920, 1080};
    view.showPolyhedra = state.range(0) == 1 || state.range(0) == 2;
    if (state.range(0) == 2) view.latticePlane = LatticePlane{{1, 1, 1}, 2};
    const PictureStyle style{0, true, state.range(0) >= 2};
    BuildCellVectors(view, compound.cell);
    BuildScene(view, compound, MakeDefaultElementTable());
    ResetView(view);
    PictureBuffers picture;
    const Matrix4 turn = Multiply(Multiply(Translation({170, 170, 170}), RotationY(0.017453292f)), Translation({-170, -170, -170}));
    for (auto _ : state) {
        view.viewTransform = Multiply(turn, view.viewTransform);
        ProjectScene(view);
        benchmark::DoNotOptimize(RenderPicture(view, style, picture).colour.data());
    }
    state.SetLabel(std::to_string(view.atoms.size()) + " atoms");
}

BENCHMARK(BM_CrystalDrawing)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace kiva
