// SPDX-License-Identifier: GPL-2.0-or-later
#include <benchmark/benchmark.h>

#include "math/vector_math.h"

namespace kiva {
namespace {

// The per-atom cost of a projection: one TransformPoint through a composed view matrix.
void BM_TransformPoint(benchmark::State& state) {
    const Matrix4 view = Multiply(Multiply(Translation({170, 170, 0}), RotationAboutAxis(0.3f, {1, 2, 3})),
                                  UniformScale(40));
    Vector3D p{1.2f, -0.4f, 2.2f};
    for (auto _ : state) {
        p = TransformPoint(view, p);
        benchmark::DoNotOptimize(p);
        p.x *= 0.025f;
        p.y *= 0.025f;
        p.z *= 0.025f;
    }
}
BENCHMARK(BM_TransformPoint);

void BM_RotationAboutAxis(benchmark::State& state) {
    float angle = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RotationAboutAxis(angle, {8, 5, 0}));
        angle += 0.0873f;
    }
}
BENCHMARK(BM_RotationAboutAxis);

}  // namespace
}  // namespace kiva
