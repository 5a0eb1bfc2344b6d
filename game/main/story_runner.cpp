#include "game/main/vemu_comp.h"

// The story screen runs the current event once per frame; the events come with the story.
void CVemuComp::RunCurrentEvent() {
    if (current_event_) (this->*current_event_)();
}
