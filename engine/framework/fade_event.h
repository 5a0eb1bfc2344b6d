// Covers the whole screen with a colour (or a texture) whose opacity rises or falls over a
// number of frames.
#pragma once

#include "engine/framework/game_event.h"
#include "engine/graphics/effect.h"

class DTexture;

class CFadeEvent : public CGameEvent {
public:
    static constexpr int kIn = 'I';   // the cover disappears
    static constexpr int kOut = 'O';  // the cover builds up

    CFadeEvent();
    void Setup(int kind, int frames, int r, int g, int b);
    void SetTexture(DTexture* texture) { texture_ = texture; }
    DTexture* texture() const { return texture_; }
    const DEffect& effect() const { return effect_; }
    int kind() const { return kind_; }
    int frames() const { return frames_; }

    void Update() override;
    void Draw() override;

private:
    int kind_ = kIn;
    DTexture* texture_ = nullptr;
    DEffect effect_;
    int frames_ = 0;
};
