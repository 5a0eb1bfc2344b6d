#include "game/main/vemu_comp.h"

bool CVemuComp::StartStoryEvent(StoryEvent row, bool replace) { return story_.Start(row, replace); }

void CVemuComp::RunCurrentEvent() { story_.RunFrame(); }

void CVemuComp::ResetEventStates() { story_.Reset(); }

StoryTask CVemuComp::Say(std::string text, int character, int expression) {
    ChangePortrait(&handles_.portrait, character, expression);
    co_await Until(handles_.portrait);
    ShowMessage(&handles_.message, text.c_str(), true);
    co_await Until(handles_.message);
}
