// The play screen, drawn once a frame under the running events (lists, message text, fades,
// the pointer). Drawing reads the play state and never changes it; what it animates on its own
// is kept in PlayDrawState.
#include "game/main/draw_text.h"
#include "game/main/vemu_comp.h"

namespace {

constexpr int kPortraitX = 20, kPortraitY = 337;
constexpr int kPortraitFadeFrames = 25;
constexpr std::uint32_t kNameShadowColor = 0xFF404040;
constexpr std::uint32_t kNameColor = 0xFFFFFF80;

}  // namespace

void CVemuComp::Draw() {
    DrawShopView();
    if (screen_id() == kScreenCooking) DrawPot();
    const DEffect paper = play_draw::PictureEffect(290, 155, 196);
    graphics_->DrawEffect(&paper, &textures().paper);
    // The sky's path crosses the shop's sign: the sun and the moon pass behind it, so that its
    // name stays whole.
    DrawSunAndMoon();
    graphics_->DrawTexture(26, 8, &textures().name_board);
    DrawStaminaGauge();
    DrawDateBar();
    graphics_->DrawTexture(160, 325, &textures().message_window);
    DrawInfoPanel();
    DrawPortrait();
}

void CVemuComp::DrawPortrait() {
    DTexture* picture = GetPortrait(speaker(), expression());
    const char* name = CharacterName(speaker());
    if (picture) {
        graphics_->DrawTexture(kPortraitX, kPortraitY, picture);
        graphics_->DrawText(139, 446, name, kNameShadowColor, &message_font(),
                            play_draw::kRightFormat);
    }
    if (portrait_fade() != 0 && stage_.previous_portrait()) {
        const int alpha = 255 - 255 * portrait_fade() / kPortraitFadeFrames;
        const DEffect fade = play_draw::PictureEffect(
            kPortraitX, kPortraitY, static_cast<std::uint8_t>(alpha < 0 ? 0 : alpha));
        graphics_->DrawEffect(&fade, stage_.previous_portrait());
    }
    graphics_->DrawText(138, 445, name, kNameColor, &message_font(), play_draw::kRightFormat);
    using play_draw::kFrameX, play_draw::kFrameY;
    graphics_->DrawTexture(kFrameX, kFrameY, &textures().character_frame);
    graphics_->DrawTextureRect(kFrameX + play_draw::kPlateLeft, kFrameY + play_draw::kPlateTop,
                               &textures().character_frame, play_draw::kPlainWoodLeft,
                               play_draw::kPlateTop, play_draw::kPlateWidth,
                               play_draw::kPlateHeight);
}
