// SPDX-License-Identifier: GPL-2.0-or-later
// The force pass's pair list: while the copies move it still holds every pair within the
// cut-off, so the forces are those of summing over all pairs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "matter/particle_box.h"
#include "render/render_workers.h"

namespace kiva {
namespace {

// The Lennard-Jones force on copy i from every other copy, cut and shifted as the pass does.
Vec3 AllPairsForce(const ParticleBox& box, std::size_t i) {
    Vec3 f{0, 0, 0};
    for (std::size_t j = 0; j < box.position.size(); ++j) {
        if (j == i) continue;
        double r[3], r2 = 0;
        for (int axis = 0; axis < 3; ++axis) {
            r[axis] = box.position[i][axis] - box.position[j][axis];
            r2 += r[axis] * r[axis];
        }
        if (r2 >= kPairCutoff * kPairCutoff) continue;
        r2 = std::max(r2, 0.36);  // a pair pressed nearer than 0.6 is taken at that distance
        const double inv6 = 1.0 / (r2 * r2 * r2);
        for (int axis = 0; axis < 3; ++axis) f[axis] += 24.0 * inv6 * (2.0 * inv6 - 1.0) / r2 * r[axis];
    }
    return f;
}

TEST(ComputeForces, ThePairListKeepsEveryPairWithinTheCutOffWhileTheCopiesMove) {
    // 300 copies scattered at a liquid's density in the lower part of a box, no nearer than 0.9
    // and far from its walls.
    ParticleBox box = MakeParticleBox(300, {9, 18, 9}, 0.0);
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> across(1.0, 8.0), up(1.0, 6.0);
    for (std::size_t i = 0; i < box.position.size(); ++i) {
        for (bool placed = false; !placed;) {
            box.position[i] = {across(random), up(random), across(random)};
            placed = true;
            for (std::size_t j = 0; j < i && placed; ++j) {
                double r2 = 0;
                for (int axis = 0; axis < 3; ++axis)
                    r2 += (box.position[i][axis] - box.position[j][axis]) * (box.position[i][axis] - box.position[j][axis]);
                placed = r2 > 0.81;
            }
        }
    }
    std::normal_distribution<double> jiggle(0.0, 0.03);
    for (int pass = 0; pass < 40; ++pass) {
        ComputeForces(box, SharedRenderWorkers(), 2);
        for (std::size_t i = 0; i < box.position.size(); ++i) {
            const Vec3 expected = AllPairsForce(box, i);
            for (int axis = 0; axis < 3; ++axis)
                ASSERT_NEAR(box.force[i][axis], expected[axis], 1e-9 * (1 + std::abs(expected[axis]))) << pass;
        }
        // Small moves keep the list, and over the passes they add up to more than the skin.
        for (Vec3& p : box.position)
            for (int axis = 0; axis < 3; ++axis) p[axis] += jiggle(random);
    }
}

}  // namespace
}  // namespace kiva
