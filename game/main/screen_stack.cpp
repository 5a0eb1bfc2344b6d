#include "game/main/vemu_comp.h"

// Screen stack: to be written.
int CVemuComp::PushScreen(int id, int cursor) {
    stack_.push_back({id, cursor < 0 ? screen_cursor_ : cursor});
    screen_id_ = id;
    screen_cursor_ = 0;
    return 1;
}
int CVemuComp::PopScreen() {
    if (stack_.size() < 2) return 0;
    screen_cursor_ = stack_.back().saved_cursor;
    stack_.pop_back();
    screen_id_ = stack_.back().id;
    return 1;
}
int CVemuComp::ReplaceScreen(int id) {
    if (!stack_.empty()) stack_.back().id = id;
    screen_id_ = id;
    return 1;
}
int CVemuComp::OpenScreen(int id) {
    screen_id_ = id;
    return 1;
}
void CVemuComp::ShowChoiceList(MenuEntry*, int) {}
