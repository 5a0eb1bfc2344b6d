// The selling view: one board for each place of the menu, the dish just sold lighting up and
// fading, and the kitchen's busy sign.
#include "game/main/draw_text.h"
#include "game/main/vemu_comp.h"

namespace {

constexpr int kBoardX = 22, kNameX = 42, kTop = 62, kPlaceHeight = 32;
constexpr std::uint32_t kBusyColor = 0xFFFF0000;

// A highlight fades over its frames: the board's glow thins and the name turns from a light
// yellow to a dark brown.
std::uint8_t HighlightAlpha(int highlight) {
    return static_cast<std::uint8_t>(255 - 10 * highlight);
}
std::uint32_t HighlightColor(std::uint8_t alpha) {
    const std::uint32_t q = 2u * alpha / 3u;
    return 0xFF000000u | (q + 52u) << 16 | (q + 32u) << 8;
}

}  // namespace

void CVemuComp::DrawSellingView() {
    const Menu& menu = world_.kitchen.menu;
    if (menu.empty()) return;
    for (int place = 0; place < world_.state.menu_max; ++place) {
        const int y = kTop + kPlaceHeight * place;
        graphics_->DrawTexture(kBoardX, y, &textures_.item_board);
        const MenuDish* dish = place < static_cast<int>(menu.size())
                                   ? menu[static_cast<std::size_t>(place)].get()
                                   : nullptr;
        if (!dish) {
            graphics_->DrawText(kNameX, y + 10, "                 -", play_draw::kGreyColor,
                                &font16_, play_draw::kLineFormat);
            continue;
        }
        std::uint32_t color = play_draw::kMessageColor;
        if (dish->sale_highlight != 0) {
            const std::uint8_t alpha = HighlightAlpha(dish->sale_highlight);
            const DEffect glow = play_draw::PictureEffect(kBoardX, y, alpha);
            graphics_->DrawEffect(&glow, &textures_.item_board_on);
            color = HighlightColor(alpha);
        }
        if (!dish->servable) color = play_draw::kGreyColor;
        play_draw::DrawName(*graphics_, dish->name,
                            {kNameX, y + 10, kNameX, y + 2, kNameX + 8, y + 18,
                             textures_.item_board.GetWidth() - 2 * (kNameX - kBoardX), &font12_},
                            color, &font16_);
    }
    if (world_.state.cooking_minutes > 0)
        graphics_->DrawText(420, 230, "調理中", kBusyColor, &font16_, play_draw::kLineFormat);
}
