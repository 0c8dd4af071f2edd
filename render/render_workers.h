// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Threads kept from frame to frame for a frame's parallel work. Starting a thread and joining it
// takes about 50 microseconds, a tenth of the largest crystal's frame; one that watches for work
// takes it up at once.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "platform/portable_std.h"

namespace kiva {

inline constexpr int kMaxRenderThreads = 64;

// The threads a frame is rendered on: one for each core, at least one.
int RenderThreadCount();

class RenderWorkers {
public:
    using Work = std::function<void(int task, int worker)>;

    // Up to `helpers` threads beside the calling one, each started when a run first needs it.
    explicit RenderWorkers(int helpers);
    ~RenderWorkers();
    RenderWorkers(const RenderWorkers&) = delete;
    RenderWorkers& operator=(const RenderWorkers&) = delete;

    // Runs work(task, worker) for every task from 0 to tasks - 1 on at most `workers` threads and
    // returns when all have ended. The calling thread is worker 0 and takes tasks too; it takes
    // them all while another run holds the helpers. Which worker takes a task varies from run to
    // run: a task may keep scratch space by worker, nothing more. A task's exception is thrown
    // again here, after the tasks under way have ended.
    void Run(int tasks, int workers, const Work& work);

private:
    void Serve(int worker);
    void TakeTasks(int worker);

    const int helpers_;
    std::mutex runMutex_;  // held by the run that has the helpers
    std::mutex mutex_;
    std::condition_variable wake_, finished_;
    std::vector<JoiningThread> threads_;
    // Written under the mutex, and read without it too while a thread watches for a change.
    std::atomic<std::uint64_t> generation_{0};  // counts the runs, so a helper knows a new one from the last
    std::atomic<bool> stopping_{false};
    // The run under way.
    const Work* work_ = nullptr;
    int tasks_ = 0;
    int helpersWanted_ = 0;  // helpers 1 to this take part
    std::atomic<int> helpersBusy_{0};
    std::atomic<int> nextTask_{0};
    std::exception_ptr failure_;
};

// The workers all of a process's frames share: a helper for every further core.
RenderWorkers& SharedRenderWorkers();

}  // namespace kiva
