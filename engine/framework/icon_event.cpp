#include "engine/framework/icon_event.h"

#include "engine/framework/devices.h"
#include "engine/framework/mouse_event.h"
#include "engine/graphics/direct_graphics.h"
#include "engine/sound/wave.h"

CIconEvent::CIconEvent() { priority_ = 5; }

void CIconEvent::SetRect(int x, int y, int width, int height) {
    x_ = x;
    y_ = y;
    width_ = width;
    height_ = height;
}

void CIconEvent::PlayClick() {
    if (click_sound_) click_sound_->Play(0, 0);
}

void CIconEvent::Update() {
    const CMouseEvent* mouse = GetMouseEvent();
    const bool inside =
        mouse->x >= x_ && mouse->x < x_ + width_ && mouse->y >= y_ && mouse->y < y_ + height_;
    if (!inside) {
        hover_ = 0;
        return;
    }
    hover_ = 1;
    if (!pressed_ && mouse->GetButton(0) == 1) {
        pressed_ = 1;
        PlayClick();
    }
}

void CIconEvent::Draw() {
    DTexture* texture = pressed_ ? pressed_texture_ : hover_ ? hover_texture_ : normal_;
    if (!texture) texture = normal_ ? normal_ : hover_texture_ ? hover_texture_ : pressed_texture_;
    if (texture) GetDirectGraphics()->DrawTexture(x_, y_, texture);
}
