// The screen stack: the screen on top is the open one, and its cursor is the list's row. Opening
// a screen runs its row of the screen table; each frame runs the top screen's update.
#pragma once

#include <vector>

#include "engine/framework/wait_handle.h"
#include "game/main/screen_ids.h"
#include "game/screens/play_screen_state.h"

class CVemuComp;

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
    int Push(int id, int cursor = -1);
    int Pop();
    int Replace(int id);
    int Open(int id);
    // Runs the update of the screen on top.
    void Update();
    // A new game starts with nothing on the stack.
    void Clear();

    // The message screen in place of the top one, gone again once the notice is read.
    void OpenNotice(const char* text);
    // The question above a list, left open while the list runs.
    void OpenPrompt(const char* text);

    const std::vector<ScreenEntry>& entries() const { return stack_; }
    int id() const { return id_; }
    int cursor() const { return cursor_; }
    int& cursor() { return cursor_; }
    PlayScreenState& play() { return play_; }
    Handles& handles() { return handles_; }

private:
    CVemuComp& game_;
    Handles handles_;
    std::vector<ScreenEntry> stack_;
    int id_ = 0;
    int cursor_ = 0;
    PlayScreenState play_;
};
