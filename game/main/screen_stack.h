// The screen stack: the screen on top is the open one, and its cursor is the list's row. Opening
// a screen runs its row of the screen table; each frame runs the top screen's update.
#pragma once

#include <string>
#include <vector>

#include "engine/framework/wait_handle.h"
#include "game/main/screen_ids.h"
#include "game/screens/play_screen_state.h"

class CVemuComp;
class DFont;
struct MenuEntry;

class ScreenStack {
public:
    // What the open screen waits on, the screens' own: the scenes read their lines and choose
    // their rows on handles of their own (SceneHandle, Question).
    struct Handles {
        WaitHandle message;   // the prompt or notice over the screen
        WaitHandle list;      // the list window and the yes/no and choice windows of the screens
        WaitHandle quantity;  // the quantity entry of the food shop and the stock exchange
        WaitHandle restock;   // the menu screen's restock entry
    };

    explicit ScreenStack(CVemuComp& game) : game_(game) {}

    // The cursor given is the one the screen below gets back when this one is popped; -1 keeps
    // the cursor it has now.
    void Push(int id, int cursor = -1);
    // 1 once the screen below is open again; 0 for the bottom screen, which has nothing to go
    // back to and stays open as it is.
    int Pop();
    void Replace(int id);
    void Open(int id);
    // Runs the update of the screen on top.
    void Update();
    // A new game starts with nothing on the stack.
    void Clear();

    // The message screen in place of the top one, gone again once the notice is read.
    void OpenNotice(const char* text);
    // The question above a list, left open while the list runs.
    void OpenPrompt(const char* text);
    // A notice over the screen on top, on the message screen: that stops the list below, so the
    // press that reads the notice decides no row, and pops itself once it is read.
    void ShowNotice(const std::string& text);
    // The screen's list in the font given, else in the message font; the row chosen is the
    // cursor, and the list reports to the screens' list handle.
    void ShowChoiceList(MenuEntry* entries, int count, DFont* font = nullptr);

    const std::vector<ScreenEntry>& entries() const { return stack_; }
    int id() const { return id_; }
    int cursor() const { return cursor_; }
    int& cursor() { return cursor_; }
    PlayScreenState& play() { return play_; }
    const PlayScreenState& play() const { return play_; }
    Handles& handles() { return handles_; }

private:
    CVemuComp& game_;
    Handles handles_;
    std::vector<ScreenEntry> stack_;
    int id_ = 0;
    int cursor_ = 0;
    PlayScreenState play_;
};
