// Periodic timers on threads of their own, in place of the multimedia timers.
#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/platform.h"

namespace platform {

class ThreadTimers : public Timers {
public:
    ~ThreadTimers() override;
    unsigned SetEvent(unsigned period_ms, std::function<void()> callback) override;
    void KillEvent(unsigned id) override;

private:
    struct Timer {
        std::atomic<bool> running{true};
        std::thread thread;
    };
    std::mutex mutex_;
    std::map<unsigned, std::unique_ptr<Timer>> timers_;
    unsigned next_id_ = 1;
};

}  // namespace platform
