#include "game/main/vemu_comp.h"

// Message, portrait and choice helpers: to be written.
bool CVemuComp::ShowMessage(WaitHandle*, const char*, bool) { return true; }
void CVemuComp::ChangePortrait(WaitHandle*, int, int) {}
bool CVemuComp::AskYesNo(WaitHandle*) { return true; }
bool CVemuComp::AskChoice2(WaitHandle*, const char*, const char*) { return true; }
bool CVemuComp::AskChoice3(WaitHandle*, const char*, const char*, const char*) { return true; }
void CVemuComp::ResizeMenuEntries(std::vector<MenuEntry>& entries, int count) {
    entries.assign(static_cast<std::size_t>(count < 0 ? 0 : count), MenuEntry{});
}
void CVemuComp::BuildDishChoiceList(std::vector<MenuEntry>&) {}
int CVemuComp::RecallListCursor(CSelectEvent*) { return 0; }
int CVemuComp::DrawNumber(int, int, int) { return 1; }
