#include "game/main/screen_stack.h"

#include "engine/framework/game_mediator.h"
#include "game/main/vemu_comp.h"
#include "game/screens/screen_table.h"

void ScreenStack::Push(int id, int cursor) {
    stack_.push_back({id, cursor == -1 ? cursor_ : cursor});
    Open(id);
    cursor_ = 0;
}

int ScreenStack::Pop() {
    if (stack_.size() < 2) return 0;
    cursor_ = stack_.back().saved_cursor;
    stack_.pop_back();
    Open(stack_.back().id);
    return 1;
}

void ScreenStack::Replace(int id) {
    // With nothing on the stack the screen becomes its only entry, so the open screen is always
    // the one on top.
    if (stack_.empty())
        stack_.push_back({id, cursor_});
    else
        stack_.back().id = id;
    Open(id);
}

void ScreenStack::Clear() {
    id_ = 0;
    stack_.clear();
    cursor_ = 0;
    play_ = PlayScreenState{};
}

void ScreenStack::Open(int id) {
    CVemuComp& game = game_;
    // A screen takes its number entry's answer in the frame it comes, before it opens another
    // screen; one still unread now was given to a screen that is gone, and nobody waits for it.
    for (WaitHandle* own : {&handles_.quantity, &handles_.restock})
        if (own->IsDone()) own->Reset();
    id_ = id;
    game.StopSelect();
    const ScreenRow* row = FindScreenRow(id);
    if (!row) return;
    std::string prompt = row->prompt ? row->prompt : "";
    if (row->prepare && !row->prepare(game, prompt)) return;

    CQZGameMediator& mediator = game.mediator();
    if (row->steps & kStopListWaiters) mediator.StopEventsWaitingOn(&handles_.list);
    if (row->steps & kStopMessageWaiters) mediator.StopEventsWaitingOn(&handles_.message);
    if (row->steps & kCloseMessage) mediator.StopEvent(&game.message_output());
    if (row->show && !row->show(game)) return;

    if (row->steps & kShowList) {
        std::vector<MenuEntry>& entries = game.stage().entries();
        game.stage().set_entry_count(row->rows ? row->rows(game, entries) : 0);
        if (!row->rows) entries.clear();
        if (row->steps & kMouse) game.stage().list_window().EnableMouse(true);
        game.screens().ShowChoiceList(entries.data(), game.stage().entry_count());
    }
    if (row->steps & kHideChoiceCursor) game.stage().choice_window().SetCursorShown(false);
    if (row->steps & kStartIcons)
        for (CIconEvent& icon : game.stage().icon_buttons()) icon.Start(nullptr);
    if (!prompt.empty()) OpenPrompt(prompt.c_str());
    if (row->steps & kAskYesNo) game.stage().AskYesNo(&handles_.list);
}

void ScreenStack::Update() {
    // Screens without an update (the contest hall, 28 and any id outside the table) do nothing.
    if (const ScreenRow* row = FindScreenRow(id_); row && row->update) row->update(game_);
}

void ScreenStack::OpenPrompt(const char* text) {
    game_.stage().ShowMessage(&handles_.message, text, false);
}

void ScreenStack::OpenNotice(const char* text) {
    // The message screen goes back to the screen below once the player has read the notice.
    Replace(kScreenWaitForMessage);
    game_.stage().ShowMessage(&handles_.message, text, true);
}

void ScreenStack::ShowNotice(const std::string& text) {
    Push(kScreenWaitForMessage, -1);
    game_.stage().ShowMessage(&handles_.message, text.c_str(), true);
}

void ScreenStack::ShowChoiceList(MenuEntry* entries, int count, DFont* font) {
    game_.stage().ShowChoiceList(entries, count, cursor_, &handles_.list, font);
}
