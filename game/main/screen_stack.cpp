#include "game/main/vemu_comp.h"

namespace {

// The list window of every list screen shows eight rows, in the place and row size of the shop
// lists.
constexpr int kListRows = 8;

}  // namespace

int CVemuComp::PushScreen(int id, int cursor) {
    stack_.push_back({id, cursor == -1 ? screen_cursor_ : cursor});
    const int opened = OpenScreen(id);
    screen_cursor_ = 0;
    return opened;
}

int CVemuComp::PopScreen() {
    // The bottom screen has nothing to go back to: it stays open as it is.
    if (stack_.size() < 2) return 0;
    screen_cursor_ = stack_.back().saved_cursor;
    stack_.pop_back();
    return OpenScreen(stack_.back().id);
}

int CVemuComp::ReplaceScreen(int id) {
    // With nothing on the stack the screen becomes its only entry, so the open screen is always
    // the one on top.
    if (stack_.empty())
        stack_.push_back({id, screen_cursor_});
    else
        stack_.back().id = id;
    return OpenScreen(id);
}

void CVemuComp::ShowChoiceList(MenuEntry* entries, int count, DFont* font) {
    if (count < 0 || !entries) count = 0;
    if (screen_cursor_ > count - 1) screen_cursor_ = count - 1;
    list_window_.Stop();
    list_window_.SetTextStyle(kMessageColor, font ? font : &font16_);
    list_window_.SetItems(entries, count, &screen_cursor_, kListRows);
    list_window_.SetPosition(CShopEvent::kListX, CShopEvent::kListY);
    list_window_.SetRowSize(CShopEvent::kPitch, CShopEvent::kTextWidth);
    list_window_.Start(&handles_.list);
    window_kind_ = kListWindow;
}

void CVemuComp::OpenPrompt(const char* text) { ShowMessage(&handles_.message, text, false); }

void CVemuComp::OpenNotice(const char* text) {
    // The message screen goes back to the screen below once the player has read the notice.
    ReplaceScreen(kScreenWaitForMessage);
    ShowMessage(&handles_.message, text, true);
}
