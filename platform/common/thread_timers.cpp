#include "platform/common/thread_timers.h"

#include <chrono>

namespace platform {

ThreadTimers::~ThreadTimers() {
    std::map<unsigned, std::unique_ptr<Timer>> timers;
    {
        std::lock_guard lock(mutex_);
        timers.swap(timers_);
    }
    for (auto& [id, timer] : timers) {
        timer->running = false;
        if (timer->thread.joinable()) timer->thread.join();
    }
}

unsigned ThreadTimers::SetEvent(unsigned period_ms, std::function<void()> callback) {
    if (period_ms == 0 || !callback) return 0;
    auto timer = std::make_unique<Timer>();
    Timer* raw = timer.get();
    // Ticks are scheduled on absolute deadlines so that the period does not drift; a thread
    // that falls behind catches up by firing late ticks back to back, as the system timer does.
    raw->thread = std::thread([raw, period_ms, callback = std::move(callback)] {
        using clock = std::chrono::steady_clock;
        auto next = clock::now() + std::chrono::milliseconds(period_ms);
        while (raw->running) {
            std::this_thread::sleep_until(next);
            if (!raw->running) break;
            callback();
            next += std::chrono::milliseconds(period_ms);
        }
    });
    std::lock_guard lock(mutex_);
    const unsigned id = next_id_++;
    timers_[id] = std::move(timer);
    return id;
}

void ThreadTimers::KillEvent(unsigned id) {
    std::unique_ptr<Timer> timer;
    {
        std::lock_guard lock(mutex_);
        auto it = timers_.find(id);
        if (it == timers_.end()) return;
        timer = std::move(it->second);
        timers_.erase(it);
    }
    timer->running = false;
    if (timer->thread.joinable()) timer->thread.join();
}

}  // namespace platform
