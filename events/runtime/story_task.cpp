#include "events/runtime/story_task.h"

StoryTask& StoryTask::operator=(StoryTask&& other) noexcept {
    if (this != &other) {
        Destroy();
        handle_ = std::exchange(other.handle_, {});
    }
    return *this;
}

// Destroying a suspended frame runs the destructors of what it holds, among them the task of
// the sub-event it awaits, so the whole chain goes with it.
void StoryTask::Destroy() {
    if (handle_) handle_.destroy();
    handle_ = {};
}
