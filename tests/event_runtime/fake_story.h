// A host for the story runner with no engine behind it: a screen stack of ids, plain wait
// handles the test signals between frames, and synthetic scenes, one per statement form. Every
// effect is noted with the frame it happened in ("3 pop"), so a test compares one list.
#pragma once

#include <string>
#include <vector>

#include "engine/framework/wait_handle.h"
#include "events/runtime/story_host.h"
#include "events/runtime/story_runner.h"
#include "events/runtime/story_task.h"

namespace story_test {

// Any row starts the fixture's scene, except these two.
inline constexpr StoryEvent kSceneRow = StoryEvent::kNight;
inline constexpr StoryEvent kHandedRow = StoryEvent::kContest;
inline constexpr StoryEvent kEmptyRow = StoryEvent::kTitleDemo;

// Counts the coroutine frames alive, so a test sees them destroyed.
struct Alive {
    explicit Alive(int& count) : count(count) { ++count; }
    ~Alive() { --count; }
    Alive(const Alive&) = delete;
    Alive& operator=(const Alive&) = delete;
    int& count;
};

class FakeStory : public StoryHost {
public:
    using Scene = StoryTask (FakeStory::*)();

    void PushScreen(int id) override {
        screens.push_back(id);
        Note("push " + std::to_string(id));
    }
    void PopScreen() override {
        if (!screens.empty()) screens.pop_back();
        Note("pop");
    }
    void ReplaceScreen(int id) override {
        if (!screens.empty()) screens.back() = id;
        Note("replace " + std::to_string(id));
    }
    bool IsScreenOnTop(int id) const override { return !screens.empty() && screens.back() == id; }
    void SetSpeaker(int character) override { Note("speaker " + std::to_string(character)); }
    int StoryScreen() const override { return 19; }
    int RestingSpeaker() const override { return 3; }
    StoryTask MakeStoryEvent(StoryEvent row) override {
        if (row == kEmptyRow) return StoryTask();
        if (row == kHandedRow) return HandedOver();
        return (this->*scene)();
    }

    void Frame() {
        ++frame;
        runner.RunFrame();
    }
    void Note(const std::string& what) { log.push_back(std::to_string(frame) + " " + what); }
    // A request on a handle, refused while the handle is still waiting.
    void Ask(WaitHandle& handle, const std::string& what) {
        Note(handle.Begin() ? what : "refused " + what);
    }

    // The scenes.
    StoryTask FirstWait();
    StoryTask ActionThenRequest();
    StoryTask AwaitOnly();
    StoryTask Branch();
    StoryTask Loop();
    StoryTask SubEventAtOnce();
    StoryTask SubEventLater();
    StoryTask Yield();
    StoryTask HandOverToNext();
    StoryTask HandOverToEmpty();
    StoryTask HandedOver();
    StoryTask Cancellable();
    StoryTask StartFromInside();
    StoryTask ResetFromInside();
    StoryTask Quick(std::string text);
    StoryTask Line(std::string text);

    std::vector<int> screens = {1};
    StoryRunner runner{*this};
    Scene scene = &FakeStory::FirstWait;
    WaitHandle message;
    bool flag = false;
    bool cancel = false;
    int turns = 0;
    int frame = 0;
    int live_frames = 0;
    std::vector<std::string> log;
};

}  // namespace story_test
