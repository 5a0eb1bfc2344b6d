// A clickable picture: a rectangle with a normal, a hover and a pressed texture that latches a
// pressed flag when the player clicks it. Its owner polls and clears the flag.
#pragma once

#include "engine/framework/game_event.h"

class DTexture;
class DWave;

class CIconEvent : public CGameEvent {
public:
    CIconEvent();

    virtual bool IsPressed() { return pressed_ != 0; }
    virtual void SetPressed(bool pressed) { pressed_ = pressed ? 1 : 0; }
    virtual void SetClickSound(DWave* sound) { click_sound_ = sound; }
    virtual void SetRect(int x, int y, int width, int height);
    virtual void SetNormalTexture(DTexture* texture) { normal_ = texture; }
    virtual void SetHoverTexture(DTexture* texture) { hover_texture_ = texture; }
    virtual void SetPressedTexture(DTexture* texture) { pressed_texture_ = texture; }
    void SetSize(int width, int height) {
        width_ = width;
        height_ = height;
    }

    bool IsHover() const { return hover_ != 0; }

    void Update() override;
    void Draw() override;

protected:
    void PlayClick();

    int width_ = 0, height_ = 0, x_ = 0, y_ = 0;
    DTexture* pressed_texture_ = nullptr;
    DTexture* normal_ = nullptr;
    DTexture* hover_texture_ = nullptr;
    DWave* click_sound_ = nullptr;
    unsigned char pressed_ = 0;
    unsigned char hover_ = 0;
};
