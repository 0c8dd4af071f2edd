// SPDX-License-Identifier: GPL-2.0-or-later
// Dragging a rock-salt crystal of 1 to 16 cells a side: every pointer move turns the model,
// projects the scene and renders the picture, as one frame of the drag.
#include <benchmark/benchmark.h>

#include "tests/support/catalogue_record.h"
#include "tests/support/quiet_host.h"
#include "view/commands.h"
#include "view/molecule_view.h"

namespace kiva {
namespace {

using testing::QuietHost;

// range(0): cells a side; range(1): the model.
void BM_DragFrame(benchmark::State& state) {
    const CompoundRecord salt = testing::CatalogueRecord("NaCl");
    const ElementTable elements = MakeDefaultElementTable();
    QuietHost host;
    MotionTables motion = InitialMotionTables();
    MoleculeView view(salt, elements, host, motion);
    view.OnUpdate();
    const int cells = static_cast<int>(state.range(0));
    view.State().cellMultiples = {cells, cells, cells};
    view.RunCommand(command::CrystalSolid);
    view.State().displayModel = static_cast<DisplayModel>(state.range(1));

    PicturePoint pointer{150, 170};
    view.MousePress(pointer);
    for (auto _ : state) {
        pointer.x = pointer.x == 150 ? 153 : 150;  // back and forth, a few pixels a move
        view.MouseMove(pointer);
        benchmark::DoNotOptimize(view.RenderPicture().colour.data());
    }
    state.SetLabel(std::to_string(view.State().atoms.size()) + " atoms, " + std::to_string(view.State().bonds.size()) +
                   " bonds");
}

BENCHMARK(BM_DragFrame)->ArgsProduct({{1, 3, 16}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kiva
