#include "game/main/screen_stack.h"

#include "engine/framework/game_mediator.h"
#include "game/main/vemu_comp.h"
#include "game/screens/screen_table.h"

int ScreenStack::Push(int id, int cursor) {
    stack_.push_back({id, cursor == -1 ? cursor_ : cursor});
    const int opened = Open(id);
    cursor_ = 0;
    return opened;
}

int ScreenStack::Pop() {
    // The bottom screen has nothing to go back to: it stays open as it is.
    if (stack_.size() < 2) return 0;
    cursor_ = stack_.back().saved_cursor;
    stack_.pop_back();
    return Open(stack_.back().id);
}

int ScreenStack::Replace(int id) {
    // With nothing on the stack the screen becomes its only entry, so the open screen is always
    // the one on top.
    if (stack_.empty())
        stack_.push_back({id, cursor_});
    else
        stack_.back().id = id;
    return Open(id);
}

void ScreenStack::Clear() {
    id_ = 0;
    stack_.clear();
    cursor_ = 0;
    play_ = PlayScreenState{};
}

int ScreenStack::Open(int id) {
    CVemuComp& game = game_;
    // A screen takes its number entry's answer in the frame it comes, before it opens another
    // screen; one still unread now was given to a screen that is gone, and nobody waits for it.
    for (WaitHandle* own : {&handles_.quantity, &handles_.restock})
        if (own->IsDone()) own->Reset();
    id_ = id;
    game.StopSelect();
    const ScreenRow* row = FindScreenRow(id);
    if (!row) return 1;
    std::string prompt = row->prompt ? row->prompt : "";
    if (row->prepare && !row->prepare(game, prompt)) return 1;

    CQZGameMediator& mediator = game.mediator();
    if (row->steps & kStopListWaiters) mediator.StopEventsWaitingOn(&handles_.list);
    if (row->steps & kStopMessageWaiters) mediator.StopEventsWaitingOn(&handles_.message);
    if (row->steps & kCloseMessage) mediator.StopEvent(&game.message_output());
    if (row->show && !row->show(game)) return 1;

    if (row->steps & kShowList) {
        std::vector<MenuEntry>& entries = game.entries();
        game.set_entry_count(row->rows ? row->rows(game, entries) : 0);
        if (!row->rows) entries.clear();
        if (row->steps & kMouse) game.list_window().EnableMouse(true);
        game.ShowChoiceList(entries.data(), game.entry_count());
    }
    if (row->steps & kHideChoiceCursor) game.choice_window().SetCursorShown(false);
    if (row->steps & kStartIcons)
        for (CIconEvent& icon : game.icon_buttons()) icon.Start(nullptr);
    if (!prompt.empty()) OpenPrompt(prompt.c_str());
    if (row->steps & kAskYesNo) game.AskYesNo(&handles_.list);
    return 1;
}

void ScreenStack::Update() {
    // Screens without an update (the contest hall, 28 and any id outside the table) do nothing.
    if (const ScreenRow* row = FindScreenRow(id_); row && row->update) row->update(game_);
}

void ScreenStack::OpenPrompt(const char* text) {
    game_.ShowMessage(&handles_.message, text, false);
}

void ScreenStack::OpenNotice(const char* text) {
    // The message screen goes back to the screen below once the player has read the notice.
    Replace(kScreenWaitForMessage);
    game_.ShowMessage(&handles_.message, text, true);
}
