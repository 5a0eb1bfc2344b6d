#include "engine/framework/fade_event.h"

#include "engine/framework/devices.h"
#include "engine/framework/game_mediator.h"
#include "engine/graphics/direct_graphics.h"

CFadeEvent::CFadeEvent() {
    priority_ = 7;
    effect_.x = 0;
    effect_.y = 0;
    effect_.width = DEffect::kImageSize;
    effect_.height = DEffect::kImageSize;
    effect_.rotation = 0.0f;
    effect_.alpha = 255;
    effect_.red = effect_.green = effect_.blue = 255;
}

void CFadeEvent::Setup(int kind, int frames, int r, int g, int b) {
    frames_ = frames;
    effect_.red = static_cast<std::uint8_t>(r);
    effect_.green = static_cast<std::uint8_t>(g);
    effect_.blue = static_cast<std::uint8_t>(b);
    frame_count_ = 0;
    kind_ = kind;
    effect_.x = 0;
    effect_.y = 0;
    effect_.width = CDirectGraphics::kScreenWidth;
    effect_.height = CDirectGraphics::kScreenHeight;
    effect_.alpha = kind == kIn ? 255 : 0;
}

void CFadeEvent::Update() {
    ++frame_count_;
    // Only drawn frames move the cover, but every update counts, so the fade keeps its length
    // in clock frames even while drawing is skipped.
    if (!GetGameMediator()->GetRenderFlag()) return;
    if (frame_count_ < frames_) {
        const int step = frame_count_ * 255 / frames_;
        effect_.alpha = static_cast<std::uint8_t>(kind_ == kOut ? step : 255 - step);
        return;
    }
    effect_.alpha = kind_ == kOut ? 255 : 0;
    Finish();
    frame_count_ = 0;
}

void CFadeEvent::Draw() { GetDirectGraphics()->DrawEffect(&effect_, texture_); }
