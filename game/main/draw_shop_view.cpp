// The shop view with the heroine between its back and front layers, and the pot of the cooking
// screen.
#include <cstdio>

#include "game/main/draw_text.h"
#include "game/main/vemu_comp.h"

namespace {

constexpr int kHeroineX = 390, kHeroineY = 76;

// The work pictures by the method being shown: two frames alternating every 5 frames.
struct WorkPictures {
    int method;
    HeroinePicture first;
    int x;
};
constexpr WorkPictures kWorkPictures[] = {
    {kMethodMix, kHand1, 390},  {kMethodProcess, kHand1, 390}, {kMethodBake, kRoast1, 340},
    {kMethodBoil, kBoil1, 340}, {kMethodFry, kFry1, 340},
};

// A blink starts on about one frame in a hundred and runs 16 frames: first picture, second,
// first again.
constexpr int kBlinkChance = 100;
constexpr int kBlinkLast = 16;
HeroinePicture BlinkPictureAt(int frame) { return frame >= 4 && frame <= 11 ? kBlink2 : kBlink1; }

// The pot: two foods a line in the 12-pixel font, 24 pixels apart.
constexpr int kPotLeftX = 285, kPotRightX = 465, kPotTop = 80, kPotLineHeight = 24;
constexpr int kPotBoardInset = 6, kPotWeightRight = 170, kPotRestIndent = 6;
constexpr int kPotPulseFrames = 30;

}  // namespace

void CVemuComp::DrawShopView() {
    graphics_->DrawTexture(0, 0, &textures_.background);
    graphics_->DrawTexture(304, 64, &textures_.back_shop);
    DrawHeroine();
    graphics_->DrawTexture(304, 64, &textures_.front_shop);
    graphics_->DrawTexture(294, 54, &textures_.shop_frame);
}

void CVemuComp::DrawHeroine() {
    if (screen_id() == kScreenResting || screen_id() == kScreenOuting) return;
    if (screen_id() == kScreenSelling || screen_id() == kScreenCookingInProgress) {
        // At work she does not blink; a method without work pictures (発酵 among them) shows
        // her idle.
        for (const WorkPictures& work : kWorkPictures) {
            if (work.method != shown_cooking_method_) continue;
            const int frame = frame_counter_ % 10 < 5 ? work.first : work.first + 1;
            graphics_->DrawTexture(work.x, kHeroineY,
                                   &textures_.heroine[static_cast<std::size_t>(frame)]);
            return;
        }
        graphics_->DrawTexture(kHeroineX, kHeroineY, &textures_.heroine_idle);
        return;
    }
    int& blink = draw_state_.blink;
    if (blink == -1) {
        graphics_->DrawTexture(kHeroineX, kHeroineY, &textures_.heroine_idle);
        if (draw_state_.blink_random.Next() % kBlinkChance == 0) blink = 0;
        return;
    }
    ++blink;
    graphics_->DrawTexture(kHeroineX, kHeroineY,
                           &textures_.heroine[static_cast<std::size_t>(BlinkPictureAt(blink))]);
    if (blink >= kBlinkLast) blink = -1;
}

void CVemuComp::DrawPot() {
    const Pantry& pot = world_.kitchen.selection;
    int pulse = frame_counter_ % kPotPulseFrames;
    if (pulse >= kPotPulseFrames / 2) pulse = kPotPulseFrames - pulse;
    for (std::size_t i = 0; i < pot.size(); ++i) {
        const Food* food = pot[i].get();
        if (!food) continue;
        const int row = static_cast<int>(i);
        const int x = row % 2 == 0 ? kPotLeftX : kPotRightX;
        const int y = kPotTop + kPotLineHeight * (row / 2);
        const int board_x = x - kPotBoardInset, board_y = y - kPotBoardInset;
        graphics_->DrawTexture(board_x, board_y, &textures_.item_board3);
        if (row == pot_row_under_pointer_) {
            DTexture& on = textures_.item_board3_on;
            DEffect glow = play_draw::PictureEffect(board_x, board_y,
                                                    static_cast<std::uint8_t>(255 - 7 * pulse));
            const int grow = static_cast<int>(0.2f * static_cast<float>(pulse));
            glow.width = static_cast<std::uint16_t>(on.GetWidth() + grow);
            glow.height = static_cast<std::uint16_t>(on.GetHeight() + grow);
            graphics_->DrawEffect(&glow, &on);
        }
        const float unit_weight = food->def ? food->def->unit_weight : 0.0f;
        char grams[32];
        std::snprintf(grams, sizeof grams, "%d g", static_cast<int>(unit_weight * food->amount));
        // The name keeps clear of the weight that ends its row.
        const int room = kPotWeightRight - graphics_->TextWidth(grams, &font12_) - kPotBoardInset;
        // Its second line, set in, keeps the same distance from the weight.
        const int rest_room = room - kPotRestIndent;
        play_draw::DrawName(*graphics_, food->name,
                            {x, y, x, y - 6, x + kPotRestIndent, y + 6, room, nullptr, rest_room},
                            play_draw::kMessageColor, &font12_);
        graphics_->DrawText(x + kPotWeightRight, y, grams, play_draw::kMessageColor, &font12_,
                            play_draw::kRightFormat);
    }
}
