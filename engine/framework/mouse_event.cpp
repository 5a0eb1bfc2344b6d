#include "engine/framework/mouse_event.h"

#include "engine/framework/devices.h"
#include "engine/graphics/direct_graphics.h"
#include "platform/platform.h"

CMouseEvent::CMouseEvent() {
    priority_ = 8;
    stop_at_switch_ = 0;
}

void CMouseEvent::SetCursorTexture(DTexture* texture, int which) {
    if (which == 0)
        cursor_ = texture;
    else if (which == 1)
        held_cursor_ = texture;
}

void CMouseEvent::SetCursorPos(int px, int py) {
    platform::Current().window->SetCursorPos({px, py});
    const platform::Point p = platform::Current().window->GetCursorPos();
    x = p.x;
    y = p.y;
}

void CMouseEvent::Update() {
    platform::Window* window = platform::Current().window;
    const platform::Point p = window->GetCursorPos();
    x = p.x;
    y = p.y;
    double_click_ = 0;
    // Held at a count far past any double click, so a long session never wraps it round.
    if (since_press_ < kLongAgo) ++since_press_;
    if (x == prev_x_ && y == prev_y_) {
        moved_ = 0;
    } else {
        prev_x_ = x;
        prev_y_ = y;
        moved_ = 1;
    }
    if (window->IsMouseButtonDown(0)) {
        moved_ = 1;
        ++left_;
        if (left_ == 1) {
            double_click_ = since_press_ < 20 ? 1 : 0;
            since_press_ = 0;
        }
    } else {
        left_ = 0;
    }
    if (window->IsMouseButtonDown(1)) {
        moved_ = 1;
        ++right_;
    } else {
        right_ = 0;
    }
}

void CMouseEvent::Draw() {
    DTexture* texture = (left_ > 0 && held_cursor_) ? held_cursor_ : cursor_;
    if (texture) GetDirectGraphics()->DrawTexture(x - hot_x_, y - hot_y_, texture);
}
