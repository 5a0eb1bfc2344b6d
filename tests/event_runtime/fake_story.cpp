#include "tests/event_runtime/fake_story.h"

namespace story_test {

StoryTask FakeStory::FirstWait() {
    Ask(message, "show");
    co_await Until(message);
    Note("read");
}

StoryTask FakeStory::ActionThenRequest() {
    Note("money");
    Ask(message, "show");
    co_await Until(message);
    Note("read");
}

StoryTask FakeStory::AwaitOnly() {
    co_await Until(message);
    Note("on");
}

StoryTask FakeStory::Branch() {
    if (flag) {
        Note("then");
        co_await NextFrame();
    }
    Note("after");
}

StoryTask FakeStory::Loop() {
    while (turns > 0) {
        --turns;
        Note("turn");
        co_await NextFrame();
    }
    Note("after");
}

StoryTask FakeStory::SubEventAtOnce() {
    co_await Quick("quick");
    Note("after");
}

StoryTask FakeStory::SubEventLater() {
    Alive alive(live_frames);
    co_await Line("hello");
    Note("after");
}

StoryTask FakeStory::Yield() {
    Note("cook");
    co_await YieldToScreen(9);
    Note("back");
}

StoryTask FakeStory::HandOverToNext() {
    Note("hall");
    co_await HandOver(kHandedRow);
    Note("never");
}

StoryTask FakeStory::HandOverToEmpty() {
    Note("hall");
    co_await HandOver(kEmptyRow);
    Note("never");
}

StoryTask FakeStory::HandedOver() {
    Note("contest");
    co_return;
}

StoryTask FakeStory::Cancellable() {
    co_await CancelOn([this] { return cancel; });
    Note("guarded");
    Ask(message, "show");
    co_await Until(message);
    Note("read");
}

StoryTask FakeStory::StartFromInside() {
    Note(runner.Start(kSceneRow) ? "started" : "start refused");
    co_await NextFrame();
    Note("on");
}

StoryTask FakeStory::ResetFromInside() {
    Note("before");
    runner.Reset();
    Note("rest of the pass");
    co_await NextFrame();
    Note("never");
}

StoryTask FakeStory::Quick(std::string text) {
    Note(text);
    co_return;
}

// The text is read again frames later: it must be the sub-event's own copy.
StoryTask FakeStory::Line(std::string text) {
    Alive alive(live_frames);
    Ask(message, "show " + text);
    co_await Until(message);
    Note(text + " read");
}

}  // namespace story_test
