// What the component forwards to its story, for the screens and the tests that start or look at
// it.
#include "events/story.h"

#include "game/main/vemu_comp.h"

bool CVemuComp::StartStoryEvent(StoryEvent row, bool replace) {
    return story_->Start(row, replace);
}

void CVemuComp::RunCurrentEvent() { story_->RunFrame(); }

void CVemuComp::ResetEventStates() { story_->Reset(); }

bool CVemuComp::story_live() const { return story_->live(); }

std::optional<StoryEvent> CVemuComp::last_story_row() const { return story_->last_row(); }

void CVemuComp::StartTitleDemo() { story_->StartTitleDemo(); }

void CVemuComp::ScheduleStoryIfTimePassed() {
    if (world_.state.minutes_since_story_check == 0) return;
    story_->ScheduleStory();
    world_.state.minutes_since_story_check = 0;
}

void CVemuComp::ShowNotice(const std::string& text) {
    PushScreen(kScreenWaitForMessage, -1);
    ShowMessage(&screens_.handles().message, text.c_str(), true);
}
