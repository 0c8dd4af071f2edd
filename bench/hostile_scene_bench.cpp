// SPDX-License-Identifier: GPL-2.0-or-later
// Documents built to be slow: how long their scene build and one frame of each quality take.
// Each should stay far below a second, whatever the document.
#include <benchmark/benchmark.h>

#include "render/canvas.h"
#include "render/projection.h"
#include "render/render_frame.h"
#include "render/scene_build.h"
#include "tests/support/hostile_records.h"

namespace kiva {
namespace {

// A canvas that draws nothing: the low-quality drawing's own work, without a painter's.
class NullCanvas : public Canvas {
public:
    void FillRect(int, int, int, int, std::uint32_t) override {}
    void SetPen(int, std::uint32_t) override {}
    void SetBrush(std::uint32_t) override {}
    void SetNoBrush() override {}
    void Ellipse(int, int, int, int) override {}
    void Line(int, int, int, int) override {}
    void Rectangle(int, int, int, int) override {}
    void DrawLabel(const PlacedLabel&) override {}
};

CompoundRecord Hostile(std::int64_t which) {
    switch (which) {
    case 0: return testing::StackedAtoms();
    case 1: return testing::LongBonds();
    default: return testing::FruitlessPairs();
    }
}

ViewState BuiltView(const benchmark::State& state) {
    ViewState view;
    view.displayModel = static_cast<DisplayModel>(state.range(1));
    BuildScene(view, Hostile(state.range(0)), MakeDefaultElementTable());
    ResetView(view);
    ProjectScene(view);
    return view;
}

void Label(benchmark::State& state, const ViewState& view) {
    static const char* const names[] = {"stacked atoms", "long bonds", "fruitless pairs"};
    state.SetLabel(std::string(names[state.range(0)]) +
                   (view.displayModel == DisplayModel::BallAndStick ? " ball" : " space") +
                   (view.displayQuality == DisplayQuality::High ? " high" : " low") + ", " +
                   std::to_string(view.atoms.size()) + " atoms, " + std::to_string(view.bonds.size()) + " bonds");
}

void BM_HostileBuildScene(benchmark::State& state) {
    const CompoundRecord compound = Hostile(state.range(0));
    const ElementTable elements = MakeDefaultElementTable();
    ViewState view;
    for (auto _ : state) {
        BuildScene(view, compound, elements);
        benchmark::DoNotOptimize(view.bonds.items.data());
    }
    Label(state, view);
}

// One frame as the animation draws it: range(2) 1 renders the shaded picture, 0 the flat one.
void BM_HostileFrame(benchmark::State& state) {
    ViewState view = BuiltView(state);
    view.displayQuality = static_cast<DisplayQuality>(state.range(2));
    PictureBuffers picture;
    NullCanvas canvas;
    for (auto _ : state) {
        ProjectScene(view);
        if (view.displayQuality == DisplayQuality::High)
            RenderFrame(view, picture, 0);
        else
            DrawSceneGdi(view, canvas);
        benchmark::DoNotOptimize(picture.colour.data());
    }
    Label(state, view);
}

void AllHostile(benchmark::internal::Benchmark* benchmark) {
    for (int which = 0; which < 3; ++which)
        for (int model = 0; model < 2; ++model)
            for (int quality = 0; quality < 2; ++quality) benchmark->Args({which, model, quality});
    benchmark->Unit(benchmark::kMillisecond)->Iterations(1);
}

BENCHMARK(BM_HostileBuildScene)->Args({0, 0})->Args({1, 0})->Args({2, 0})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_HostileFrame)->Apply(AllHostile);

}  // namespace
}  // namespace kiva
