// The one mouse reader: position, buttons, double clicks and wheel steps, and the game's own
// cursor drawn over everything.
#pragma once

#include "engine/framework/game_event.h"

class DTexture;

class CMouseEvent : public CGameEvent {
public:
    CMouseEvent();

    int GetButton(int which) const { return which == 0 ? left_ : which == 1 ? right_ : 0; }
    bool IsMoved() const { return moved_ != 0; }
    bool IsDoubleClick() const { return double_click_ != 0; }
    void SetWindow(void* window) { window_ = window; }
    void SetCursorTexture(DTexture* texture, int which);
    void SetHotSpot(int x, int y) {
        hot_x_ = x;
        hot_y_ = y;
    }
    void SetWheel(int steps) { wheel_ = steps; }
    int GetWheel() const { return wheel_; }
    void SetCursorPos(int x, int y);

    void Update() override;
    void Draw() override;

    int x = 0, y = 0;

private:
    int left_ = 0, right_ = 0;
    int hot_x_ = 0, hot_y_ = 0;
    int prev_x_ = 0, prev_y_ = 0;
    void* window_ = nullptr;
    unsigned char moved_ = 0;
    unsigned char double_click_ = 0;
    // Starts high, so that the first press of a session is never a double click.
    static constexpr int kLongAgo = 1000;
    int since_press_ = kLongAgo;
    DTexture* cursor_ = nullptr;
    DTexture* held_cursor_ = nullptr;
    int wheel_ = 0;
};
