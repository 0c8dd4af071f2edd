// SPDX-License-Identifier: GPL-2.0-or-later
// The threads kept for a frame's parallel work: every task once, a task's failure passed on, and a
// run asked for from inside a task done on the spot.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "render/render_workers.h"

namespace kiva {
namespace {

TEST(RenderWorkers, RunsEveryTaskOnceOnItsWorkersRunAfterRun) {
    RenderWorkers workers(3);
    for (const int wanted : {1, 2, 4, 9}) {
        for (int run = 0; run < 20; ++run) {
            std::vector<std::atomic<int>> taken(97);
            std::atomic<int> strayWorker{0};
            workers.Run(97, wanted, [&](int task, int worker) {
                ++taken[static_cast<std::size_t>(task)];
                if (worker < 0 || worker >= std::min(wanted, 4)) ++strayWorker;
            });
            for (const std::atomic<int>& count : taken) ASSERT_EQ(count, 1) << wanted;
            EXPECT_EQ(strayWorker, 0) << wanted;
        }
    }
    workers.Run(0, 4, [](int, int) { FAIL() << "no task to run"; });
}

TEST(RenderWorkers, PassesATasksExceptionOnOnceTheOthersHaveRun) {
    RenderWorkers workers(2);
    std::atomic<int> ran{0};
    EXPECT_THROW(workers.Run(40, 3,
                             [&](int task, int) {
                                 if (task == 7) throw std::runtime_error("task 7");
                                 ++ran;
                             }),
                 std::runtime_error);
    EXPECT_EQ(ran, 39);
    // The helpers are free again for the next run.
    ran = 0;
    workers.Run(40, 3, [&](int, int) { ++ran; });
    EXPECT_EQ(ran, 40);
}

TEST(RenderWorkers, DoesARunAskedForInsideATaskOnThatTasksThread) {
    RenderWorkers workers(1);
    std::atomic<int> inner{0};
    workers.Run(4, 2, [&](int, int) {
        workers.Run(5, 2, [&](int, int worker) {
            EXPECT_EQ(worker, 0);
            ++inner;
        });
    });
    EXPECT_EQ(inner, 20);
}

}  // namespace
}  // namespace kiva
