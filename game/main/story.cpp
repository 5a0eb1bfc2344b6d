// What the screens ask of the story through the component, which holds it: they start and run
// its scenes without including its header.
#include "events/story.h"

#include "game/main/vemu_comp.h"

bool CVemuComp::StartStoryEvent(StoryEvent row, bool replace) {
    return story_->Start(row, replace);
}

void CVemuComp::RunCurrentEvent() { story_->RunFrame(); }

void CVemuComp::StartTitleDemo() { story_->StartTitleDemo(); }

void CVemuComp::ScheduleStoryIfTimePassed() {
    if (world_.state.minutes_since_story_check == 0) return;
    story_->ScheduleStory();
    world_.state.minutes_since_story_check = 0;
}
