// SPDX-License-Identifier: GPL-2.0-or-later
#include "render/render_workers.h"

#include <algorithm>
#include <chrono>

namespace kiva {

namespace {

// A frame's runs follow one another within microseconds, and waking a sleeping thread takes tens
// of them: a thread between runs looks out for the next one this long before it sleeps.
constexpr std::chrono::microseconds kWatchfulWait{200};

template <typename Done>
void WatchFor(Done done) {
    const auto until = std::chrono::steady_clock::now() + kWatchfulWait;
    while (!done() && std::chrono::steady_clock::now() < until) std::this_thread::yield();
}

}  // namespace

int RenderThreadCount() {
    const unsigned cores = HardwareThreads();
    return std::clamp(static_cast<int>(cores), 1, kMaxRenderThreads);
}

RenderWorkers::RenderWorkers(int helpers) : helpers_(kThreadsAvailable ? std::clamp(helpers, 0, kMaxRenderThreads - 1) : 0) {}

RenderWorkers::~RenderWorkers() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    threads_.clear();  // joins them
}

void RenderWorkers::Run(int tasks, int workers, const Work& work) {
    if (tasks <= 0) return;
    workers = std::min({std::max(workers, 1), helpers_ + 1, tasks});
    // While another thread's run holds the helpers, or a task asks for a run of its own, the
    // calling thread does the work alone.
    std::unique_lock run(runMutex_, std::defer_lock);
    if (workers == 1 || !run.try_lock()) {
        for (int task = 0; task < tasks; ++task) work(task, 0);
        return;
    }
    {
        const std::lock_guard lock(mutex_);
        while (static_cast<int>(threads_.size()) < workers - 1) {
            const int worker = static_cast<int>(threads_.size()) + 1;
            threads_.emplace_back([this, worker] { Serve(worker); });
        }
        work_ = &work;
        tasks_ = tasks;
        helpersWanted_ = workers - 1;
        helpersBusy_ = workers - 1;
        nextTask_ = 0;
        failure_ = nullptr;
        ++generation_;
    }
    wake_.notify_all();
    TakeTasks(0);
    WatchFor([this] { return helpersBusy_ == 0; });
    std::unique_lock lock(mutex_);
    finished_.wait(lock, [this] { return helpersBusy_ == 0; });
    work_ = nullptr;
    if (std::exception_ptr failure = std::exchange(failure_, nullptr)) std::rethrow_exception(failure);
}

void RenderWorkers::Serve(int worker) {
    std::uint64_t seen = 0;
    for (;;) {
        WatchFor([&] { return stopping_ || generation_ != seen; });
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return stopping_ || generation_ != seen; });
            if (stopping_) return;
            seen = generation_;
            if (worker > helpersWanted_) continue;
        }
        TakeTasks(worker);
        const std::lock_guard lock(mutex_);
        if (--helpersBusy_ == 0) finished_.notify_one();
    }
}

void RenderWorkers::TakeTasks(int worker) {
    for (int task = nextTask_++; task < tasks_; task = nextTask_++) {
        try {
            (*work_)(task, worker);
        } catch (...) {
            const std::lock_guard lock(mutex_);
            if (!failure_) failure_ = std::current_exception();
        }
    }
}

RenderWorkers& SharedRenderWorkers() {
    static RenderWorkers workers(RenderThreadCount() - 1);
    return workers;
}

}  // namespace kiva
