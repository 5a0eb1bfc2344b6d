// What every story event and sub-event returns. An event is a coroutine that the story runner
// resumes once per frame; it runs on from statement to statement until it awaits something
// that is not ready, and the frame's pass ends there. The statements it may await:
//
//   co_await Until(handle);        on once the handle reads done (at once when it already does)
//   co_await SubEvent(args...);    the sub-event runs at once; on in the pass in which it ends
//   co_await YieldToScreen(id);    pushes screen id; on once the story screen is on top again
//   co_await NextFrame();          the pass ends; on in the next one
//   co_await HandOver(row);        row becomes the current event from the next frame on
//   co_await CancelOn(predicate);  from now on, before every pass: when it holds, drop the event
//
// A task starts suspended and is move-only. Destroying it destroys its frame, and with it the
// sub-event it is awaiting. Sub-events take their arguments by value: a coroutine keeps them
// across frames, long after a pointer into someone's buffer has gone stale.
#pragma once

#include <coroutine>
#include <exception>
#include <functional>
#include <utility>
#include <vector>

#include "engine/framework/wait_handle.h"
#include "events/runtime/story_event.h"

class StoryRunner;

// Why the chain of an event stopped running: what the innermost coroutine awaits.
struct StoryPause {
    enum Kind {
        kFresh,      // not run yet
        kHandle,     // a wait handle that is to read done
        kNextFrame,  // the next pass
        kScreen,     // a screen to push; the next pass, once the story screen is back on top
        kHandOver,   // another event to take over
        kCancel,     // a guard held: drop the event
    };
    Kind kind = kFresh;
    const WaitHandle* handle = nullptr;
    int screen = 0;
    StoryEvent row = StoryEvent::kMorning;
};

class StoryPromise;
using StoryHandle = std::coroutine_handle<StoryPromise>;

class StoryTask {
public:
    using promise_type = StoryPromise;

    StoryTask() = default;
    explicit StoryTask(StoryHandle handle) : handle_(handle) {}
    StoryTask(StoryTask&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    StoryTask& operator=(StoryTask&& other) noexcept;
    StoryTask(const StoryTask&) = delete;
    StoryTask& operator=(const StoryTask&) = delete;
    ~StoryTask() { Destroy(); }

    // False for an empty task: a row with no scene yet, or a task moved from.
    explicit operator bool() const { return static_cast<bool>(handle_); }
    bool done() const { return handle_ && handle_.done(); }

    // Awaiting a sub-event runs it at once, inside the caller's pass.
    struct SubEventAwaiter {
        StoryHandle child;
        bool await_ready() const noexcept { return !child || child.done(); }
        std::coroutine_handle<> await_suspend(StoryHandle caller) noexcept;
        void await_resume() const noexcept {}
    };
    SubEventAwaiter operator co_await() && noexcept { return {handle_}; }

private:
    friend class StoryRunner;
    void Destroy();

    StoryHandle handle_;
};

class StoryPromise {
public:
    StoryTask get_return_object() {
        leaf = StoryHandle::from_promise(*this);
        return StoryTask(leaf);
    }
    std::suspend_always initial_suspend() noexcept { return {}; }

    // The end of a sub-event goes straight back into its caller, in the same pass.
    struct FinalAwaiter {
        bool await_ready() const noexcept { return false; }
        std::coroutine_handle<> await_suspend(StoryHandle ending) noexcept {
            StoryHandle caller = ending.promise().caller;
            if (caller) return caller;
            return std::noop_coroutine();
        }
        void await_resume() const noexcept {}
    };
    FinalAwaiter final_suspend() noexcept { return {}; }
    void return_void() {}
    // The game's own code throws nothing; an escaped exception is a fault to stop at.
    void unhandled_exception() { std::terminate(); }

    // Called by the awaitables: the chain stops at `at`, for `why`.
    void Pause(StoryHandle at, const StoryPause& why) {
        root->leaf = at;
        root->pause = why;
    }

    StoryHandle caller;         // the coroutine awaiting this one; none for an event
    StoryPromise* root = this;  // the event this coroutine runs in
    std::vector<std::function<bool()>> guards;
    // Kept on the event's own promise: where its chain stopped, and why.
    StoryHandle leaf;
    StoryPause pause;
};

inline std::coroutine_handle<> StoryTask::SubEventAwaiter::await_suspend(
    StoryHandle caller) noexcept {
    StoryPromise& promise = child.promise();
    promise.caller = caller;
    promise.root = caller.promise().root;
    return child;
}

// Each awaitable is tested at once: one that is ready costs no frame.

struct Until {
    explicit Until(const WaitHandle& handle) : handle(&handle) {}
    bool await_ready() const noexcept { return handle->IsDone(); }
    void await_suspend(StoryHandle at) const noexcept {
        at.promise().Pause(at, {StoryPause::kHandle, handle});
    }
    void await_resume() const noexcept {}

    const WaitHandle* handle;
};

struct NextFrame {
    bool await_ready() const noexcept { return false; }
    void await_suspend(StoryHandle at) const noexcept {
        at.promise().Pause(at, {StoryPause::kNextFrame});
    }
    void await_resume() const noexcept {}
};

struct YieldToScreen {
    explicit YieldToScreen(int screen) : screen(screen) {}
    bool await_ready() const noexcept { return false; }
    void await_suspend(StoryHandle at) const noexcept {
        at.promise().Pause(at, {StoryPause::kScreen, nullptr, screen});
    }
    void await_resume() const noexcept {}

    int screen;
};

// The awaiting event ends unfinished: the runner neither pops the story screen nor resets
// the speaker, the next event plays on it.
struct HandOver {
    explicit HandOver(StoryEvent row) : row(row) {}
    bool await_ready() const noexcept { return false; }
    void await_suspend(StoryHandle at) const noexcept {
        at.promise().Pause(at, {StoryPause::kHandOver, nullptr, 0, row});
    }
    void await_resume() const noexcept {}

    StoryEvent row;
};

// The guard belongs to the awaiting coroutine for as long as it lives. When it holds, the
// runner pops the screen stack once, in place of the pop at the event's end, and drops the
// whole event without finishing it.
struct CancelOn {
    explicit CancelOn(std::function<bool()> predicate) : predicate(std::move(predicate)) {}
    bool await_ready() const noexcept { return false; }
    bool await_suspend(StoryHandle at) {
        const bool holds = predicate();
        at.promise().guards.push_back(std::move(predicate));
        if (holds) at.promise().Pause(at, {StoryPause::kCancel});
        return holds;
    }
    void await_resume() const noexcept {}

    std::function<bool()> predicate;
};
