// What a scene asks of the player and reads itself: its lines and list rows (SceneHandle) and its
// questions (Question).
#pragma once

#include "engine/framework/game_event.h"
#include "engine/framework/wait_handle.h"
#include "events/runtime/story_task.h"

class Stage;

// A wait handle of a scene's own for one of the stage's windows (the message window, the list
// window): it lives in the scene's frame, so what the window reports reaches that scene alone,
// `co_await Until(*read)`. A scene dropped while the window runs leaves it reporting nowhere
// rather than into a freed frame.
class SceneHandle {
public:
    explicit SceneHandle(CGameEvent& window) : window_(window) {}
    SceneHandle(const SceneHandle&) = delete;
    SceneHandle& operator=(const SceneHandle&) = delete;
    ~SceneHandle() {
        if (window_.wait_handle() == &handle_) window_.set_wait_handle(nullptr);
    }

    WaitHandle* get() { return &handle_; }
    const WaitHandle& operator*() const { return handle_; }

private:
    CGameEvent& window_;
    WaitHandle handle_;
};

// A question a scene puts to the player: yes or no, or two or three answers of its own.
// `const int answer = co_await Question(stage_);` yields the index of the answer chosen (0 for the
// first). The handle the window reports to lives in the scene's own frame: no screen and no other
// scene can take the answer for its own, and a scene dropped while it waits leaves the window
// reporting nowhere rather than into a freed frame.
class Question {
public:
    explicit Question(Stage& stage) : stage_(stage), count_(2), yes_no_(true) {}
    Question(Stage& stage, const char* first, const char* second)
        : stage_(stage), labels_{first, second, nullptr}, count_(2) {}
    Question(Stage& stage, const char* first, const char* second, const char* third)
        : stage_(stage), labels_{first, second, third}, count_(3) {}
    Question(const Question&) = delete;
    Question& operator=(const Question&) = delete;
    ~Question();

    // The window opens here, once the question stands where it stays for the wait.
    bool await_ready();
    void await_suspend(StoryHandle at) const noexcept { Until(answered_).await_suspend(at); }
    int await_resume() const;

private:
    Stage& stage_;
    const char* labels_[3] = {};
    int count_;
    bool yes_no_ = false;
    WaitHandle answered_;
};
