// The play screen, drawn once a frame under the running events (lists, message text, fades,
// the pointer). Drawing reads the play state and never changes it; what it animates on its own
// is kept in PlayDrawState and moved on by the view's step in the frame's update.
#include "game/main/draw_text.h"
#include "game/main/vemu_comp.h"
#include "game/main/view.h"

namespace {

constexpr int kPortraitX = 20, kPortraitY = 337;
constexpr std::uint32_t kNameShadowColor = 0xFF404040;
constexpr std::uint32_t kNameColor = 0xFFFFFF80;

}  // namespace

void CVemuComp::Draw() { view_.Draw(); }

void PlayView::Draw() const {
    DrawShopView();
    if (game_.screens().id() == kScreenCooking) DrawPot();
    const DEffect paper = play_draw::PictureEffect(290, 155, 196);
    graphics().DrawEffect(&paper, &textures().paper);
    // The sky's path crosses the shop's sign: the sun and the moon pass behind it, so that its
    // name stays whole.
    DrawSunAndMoon();
    graphics().DrawTexture(26, 8, &textures().name_board);
    DrawStaminaGauge();
    DrawDateBar();
    graphics().DrawTexture(160, 325, &textures().message_window);
    DrawInfoPanel();
    DrawPortrait();
}

void PlayView::DrawPortrait() const {
    DTexture* picture =
        game_.stage().GetPortrait(game_.stage().speaker(), game_.stage().expression());
    const char* name = CharacterName(game_.stage().speaker());
    if (picture) {
        graphics().DrawTexture(kPortraitX, kPortraitY, picture);
        graphics().DrawText(139, 446, name, kNameShadowColor, &game_.stage().message_font(),
                            play_draw::kRightFormat);
    }
    if (game_.stage().portrait_fade() != 0 && game_.stage().previous_portrait()) {
        const int alpha = 255 - 255 * game_.stage().portrait_fade() / Stage::kPortraitFadeFrames;
        const DEffect fade = play_draw::PictureEffect(
            kPortraitX, kPortraitY, static_cast<std::uint8_t>(alpha < 0 ? 0 : alpha));
        graphics().DrawEffect(&fade, game_.stage().previous_portrait());
    }
    graphics().DrawText(138, 445, name, kNameColor, &game_.stage().message_font(),
                        play_draw::kRightFormat);
    using play_draw::kFrameX, play_draw::kFrameY;
    graphics().DrawTexture(kFrameX, kFrameY, &textures().character_frame);
    graphics().DrawTextureRect(kFrameX + play_draw::kPlateLeft, kFrameY + play_draw::kPlateTop,
                               &textures().character_frame, play_draw::kPlainWoodLeft,
                               play_draw::kPlateTop, play_draw::kPlateWidth,
                               play_draw::kPlateHeight);
}
