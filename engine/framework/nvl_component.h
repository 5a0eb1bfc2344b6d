// The component base of every screen that talks to the player in visual-novel style: one
// message window, one choice window, one full-screen fade and one timed wait, each offered as a
// single call that takes the caller's wait handle. The caller polls the handle once per frame.
#pragma once

#include <string>
#include <vector>

#include "engine/framework/fade_event.h"
#include "engine/framework/game_component.h"
#include "engine/framework/menu_entry.h"
#include "engine/framework/message_out_event.h"
#include "engine/framework/select_event.h"
#include "engine/framework/wait_event.h"

class DFont;
class DWave;
struct WaitHandle;

class CQZNVLComponent : public CQZGameComponent {
public:
    CQZNVLComponent();
    ~CQZNVLComponent() override;

    bool ShowMessage(WaitHandle* handle, const char* text, unsigned color, DFont* font);
    // Appends while the handle still waits on the running message; otherwise shows the text.
    bool ShowOrAppendMessage(WaitHandle* handle, const char* text, unsigned color, DFont* font);
    // Offers the labels up to the first null one; the chosen row is left in *index.
    bool StartSelect(WaitHandle* handle, int x, int y, int* index, const char** labels, int rows);
    void StopSelect();
    void FreeSelectItems();
    bool FadeIn(WaitHandle* handle, int frames, int r, int g, int b);
    bool FadeOut(WaitHandle* handle, int frames, int r, int g, int b);
    void Wait(WaitHandle* handle, int milliseconds);
    void SetMessagePosition(int x, int y) {
        message_x_ = x;
        message_y_ = y;
    }
    void SetSelectSound(DWave* sound) { select_.SetCursorSound(sound); }
    bool SetTextSpeed(int frames) { return message_.SetSpeed(frames); }
    void SetCloseWhenDone(bool close) { message_.SetCloseWhenDone(close); }
    void SetNoFastForward(bool no_fast_forward) { message_.SetNoFastForward(no_fast_forward); }
    // Keeps a fast log from falling behind: 4 steps at once while more than 64 bytes wait.
    void CatchUpText();

    void SetDefaultFont(DFont* font) { default_font_ = font; }
    DFont* GetDefaultFont() const { return default_font_; }
    const std::string& GetMessageText() const { return message_text_; }
    CMessageOutEvent& message_output() { return message_; }
    CSelectEvent& select_window() { return select_; }
    CFadeEvent& screen_fade() { return fade_; }
    CWaitEvent& wait_event() { return wait_; }

private:
    int message_x_ = 60, message_y_ = 355;
    std::string message_text_;
    CMessageOutEvent message_;
    CSelectEvent select_;
    std::vector<MenuEntry> select_entries_;
    CFadeEvent fade_;
    CWaitEvent wait_;
    int wait_milliseconds_ = 0;
    DFont* default_font_ = nullptr;
};
