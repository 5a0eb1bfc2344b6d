#include "game/logo/logo_component.h"

#include "engine/framework/game_mediator.h"
#include "engine/graphics/direct_graphics.h"
#include "game/title/title_component.h"

namespace {

constexpr std::uint32_t kGreenKey = 0xFF00FF00;
constexpr int kPictureId = 526;
constexpr int kFirstFrameId = 527;
constexpr int kBannerId = 840;
constexpr int kWidth = CDirectGraphics::kScreenWidth;
constexpr int kHeight = CDirectGraphics::kScreenHeight;
// The sprite is centred on a 64-pixel cell, the picture on a 232-pixel one.
constexpr int kSpriteX = kWidth / 2 - 32;
constexpr int kSpriteRestY = kHeight / 2 - 64;
constexpr int kPictureX = kWidth / 2 - 116;
constexpr int kPictureY = kHeight / 2;

}  // namespace

CLogoComp::CLogoComp() { SetName(kName); }

void CLogoComp::Initialize() {
    frame_count_ = 0;
    started_title_ = 0;
    picture_.LoadFromResource(kPictureId, kGreenKey);
    banner_.LoadFromResource(kBannerId, kGreenKey);
    for (int i = 0; i < 4; ++i) frames_[i].LoadFromResource(kFirstFrameId + i, kGreenKey);
}

void CLogoComp::DrawTinted(DTexture& texture, int x, int y, int level, int alpha) {
    DEffect effect;
    effect.x = static_cast<std::int16_t>(x);
    effect.y = static_cast<std::int16_t>(y);
    effect.width = DEffect::kImageSize;
    effect.height = DEffect::kImageSize;
    effect.alpha = static_cast<std::uint8_t>(alpha);
    effect.red = effect.green = effect.blue = static_cast<std::uint8_t>(level);
    graphics_->DrawEffect(&effect, &texture);
}

void CLogoComp::Update() {
    const int c = ++frame_count_;
    if (!mediator_->GetRenderFlag()) return;
    graphics_->SetClearColor(0xFF808080);
    graphics_->Clear();
    graphics_->BeginScene();

    const int banner_y = kHeight / 2 - banner_.GetHeight() / 2;
    if (c < 64) {
        // The screen darkens from white while the sprite drops in.
        DEffect fill;
        fill.width = kWidth;
        fill.height = kHeight;
        fill.alpha = 255;
        fill.red = fill.green = fill.blue = static_cast<std::uint8_t>(255 - 2 * c);
        graphics_->DrawEffect(&fill, nullptr);
        graphics_->DrawTexture(kSpriteX, static_cast<int>(c * 3.8 - 64), &frames_[(c % 16) / 4]);
    } else if (c < kTitleFrame) {
        DrawTinted(banner_, 0, banner_y, 255, c < 96 ? (c * 8) % 256 : 255);
        graphics_->DrawTexture(kSpriteX, kSpriteRestY, &frames_[c < 80 ? (c % 16) / 4 : 0]);
        DrawTinted(picture_, kPictureX + 1, kPictureY + 1, 128, 140);
    } else {
        if (!started_title_) {
            started_title_ = 1;
            mediator_->RequestDeferredStart();
            mediator_->ChangeComponent(CTitleComp::kName, 2, 0);
        }
        graphics_->DrawTexture(0, banner_y, &banner_);
        graphics_->DrawTexture(kSpriteX, kSpriteRestY, &frames_[0]);
        DrawTinted(picture_, kPictureX + 1, kPictureY + 1, 128, 140);
    }
    graphics_->DrawTexture(kPictureX, kPictureY, &picture_);
    graphics_->EndScene();
}
