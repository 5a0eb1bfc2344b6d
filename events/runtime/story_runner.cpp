#include "events/runtime/story_runner.h"

bool StoryRunner::Start(StoryEvent row, bool replace) {
    last_row_ = row;
    if (in_pass_) return false;
    if (live() && !host_.IsScreenOnTop(host_.StoryScreen())) return false;
    StoryTask task = host_.MakeStoryEvent(row);
    if (!task) return false;
    if (replace) {
        host_.ReplaceScreen(host_.StoryScreen());
    } else {
        host_.PushScreen(host_.StoryScreen());
    }
    current_ = std::move(task);
    return true;
}

void StoryRunner::RunFrame() {
    if (in_pass_ || !live() || !host_.IsScreenOnTop(host_.StoryScreen())) return;
    if (GuardHolds()) {
        Cancel();
        return;
    }
    if (!Ready()) return;
    StoryHandle leaf = current_.handle_.promise().leaf;
    in_pass_ = true;
    leaf.resume();
    in_pass_ = false;
    AfterPass();
}

void StoryRunner::Reset() {
    if (in_pass_) {
        reset_pending_ = true;
        return;
    }
    current_ = StoryTask();
}

// The guards of every coroutine from the event down to the one its chain stopped in.
bool StoryRunner::GuardHolds() const {
    for (StoryHandle at = current_.handle_.promise().leaf; at; at = at.promise().caller) {
        for (const auto& guard : at.promise().guards) {
            if (guard()) return true;
        }
    }
    return false;
}

bool StoryRunner::Ready() const {
    const StoryPause& pause = current_.handle_.promise().pause;
    return pause.kind != StoryPause::kHandle || pause.handle->IsDone();
}

void StoryRunner::AfterPass() {
    if (reset_pending_) {
        reset_pending_ = false;
        current_ = StoryTask();
        return;
    }
    if (current_.done()) {
        End();
        return;
    }
    const StoryPause pause = current_.handle_.promise().pause;
    switch (pause.kind) {
        case StoryPause::kScreen:
            host_.PushScreen(pause.screen);
            break;
        case StoryPause::kHandOver:
            TakeOver(pause.row);
            break;
        case StoryPause::kCancel:
            Cancel();
            break;
        default:
            break;
    }
}

void StoryRunner::End() {
    current_ = StoryTask();
    host_.PopScreen();
    host_.SetSpeaker(host_.RestingSpeaker());
}

void StoryRunner::Cancel() {
    current_ = StoryTask();
    host_.PopScreen();
}

// The new event plays on the story screen from the next frame on. A row with no scene would
// leave the story screen up with nothing to run it, so the story ends there instead.
void StoryRunner::TakeOver(StoryEvent row) {
    last_row_ = row;
    StoryTask next = host_.MakeStoryEvent(row);
    if (!next) {
        End();
        return;
    }
    current_ = std::move(next);
}
