// The shop view with the heroine between its back and front layers, and the pot of the cooking
// screen.
#include <cstdio>

#include "game/main/draw_text.h"
#include "game/main/vemu_comp.h"
#include "game/main/view.h"

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
constexpr int kPotBoardInset = 6, kPotWeightRight = 170;
constexpr int kPotPulseFrames = 30;

// At work she does not blink; outing and resting she is away.
bool SheMayBlink(int screen) {
    return screen != kScreenResting && screen != kScreenOuting && screen != kScreenSelling &&
           screen != kScreenCookingInProgress;
}

}  // namespace

void PlayView::DrawShopView() const {
    graphics().DrawTexture(0, 0, &textures().background);
    graphics().DrawTexture(304, 64, &textures().back_shop);
    DrawHeroine();
    graphics().DrawTexture(304, 64, &textures().front_shop);
    graphics().DrawTexture(294, 54, &textures().shop_frame);
}

void PlayView::DrawHeroine() const {
    const int screen = game_.screens().id();
    if (screen == kScreenResting || screen == kScreenOuting) return;
    if (!SheMayBlink(screen)) {
        // At work she does not blink; a method without work pictures (発酵 among them) shows
        // her idle.
        for (const WorkPictures& work : kWorkPictures) {
            if (work.method != game_.screens().play().shown_cooking_method) continue;
            const int frame = frame_counter_ % 10 < 5 ? work.first : work.first + 1;
            graphics().DrawTexture(work.x, kHeroineY,
                                   &textures().heroine[static_cast<std::size_t>(frame)]);
            return;
        }
        graphics().DrawTexture(kHeroineX, kHeroineY, &textures().heroine_idle);
        return;
    }
    if (state_.blink_shown == 0) {
        graphics().DrawTexture(kHeroineX, kHeroineY, &textures().heroine_idle);
        return;
    }
    const HeroinePicture picture = BlinkPictureAt(state_.blink_shown);
    graphics().DrawTexture(kHeroineX, kHeroineY,
                           &textures().heroine[static_cast<std::size_t>(picture)]);
}

// A resting frame may start a blink in the next; a running blink shows its next frame.
void PlayView::AnimateBlink() {
    if (!SheMayBlink(game_.screens().id())) return;
    int& blink = state_.blink;
    if (blink == -1) {
        state_.blink_shown = 0;
        if (state_.blink_random.Next() % kBlinkChance == 0) blink = 0;
        return;
    }
    ++blink;
    state_.blink_shown = blink;
    if (blink >= kBlinkLast) blink = -1;
}

void PlayView::DrawPot() const {
    const Pantry& pot = game_.world().kitchen.selection;
    int pulse = frame_counter_ % kPotPulseFrames;
    if (pulse >= kPotPulseFrames / 2) pulse = kPotPulseFrames - pulse;
    for (std::size_t i = 0; i < pot.size(); ++i) {
        const Food* food = pot[i].get();
        if (!food) continue;
        const int row = static_cast<int>(i);
        const int x = row % 2 == 0 ? kPotLeftX : kPotRightX;
        const int y = kPotTop + kPotLineHeight * (row / 2);
        const int board_x = x - kPotBoardInset, board_y = y - kPotBoardInset;
        graphics().DrawTexture(board_x, board_y, &textures().item_board3);
        if (row == game_.screens().play().pot_row_under_pointer) {
            DTexture& on = textures().item_board3_on;
            DEffect glow = play_draw::PictureEffect(board_x, board_y,
                                                    static_cast<std::uint8_t>(255 - 7 * pulse));
            const int grow = static_cast<int>(0.2f * static_cast<float>(pulse));
            glow.width = static_cast<std::uint16_t>(on.GetWidth() + grow);
            glow.height = static_cast<std::uint16_t>(on.GetHeight() + grow);
            graphics().DrawEffect(&glow, &on);
        }
        const float unit_weight = food->def ? food->def->unit_weight : 0.0f;
        char grams[32];
        std::snprintf(grams, sizeof grams, "%d g", static_cast<int>(unit_weight * food->amount));
        // The name keeps clear of the weight that ends its row. The board is one line high:
        // a second line would lie on its edges, so a long name is cut short there.
        const int room = kPotWeightRight -
                         graphics().TextWidth(grams, &game_.stage().small_font()) - kPotBoardInset;
        graphics().DrawText(
            x, y,
            play_draw::FitOnOneLine(graphics(), food->name, room, &game_.stage().small_font())
                .c_str(),
            play_draw::kMessageColor, &game_.stage().small_font(), play_draw::kLineFormat);
        graphics().DrawText(x + kPotWeightRight, y, grams, play_draw::kMessageColor,
                            &game_.stage().small_font(), play_draw::kRightFormat);
    }
}
