// The selling view: one board for each place of the menu, the dish just sold lighting up and
// fading, and the kitchen's busy sign.
#include "game/main/draw_text.h"
#include "game/main/vemu_comp.h"
#include "game/main/view.h"

namespace {

constexpr int kBoardX = 22, kNameX = 42, kTop = 62, kPlaceHeight = 32;
// A name in two lines stands inside the board's edge line, as in the lists' rows.
constexpr int kSplitFirstY = 6, kSplitRestY = 18, kSplitRestIndent = 8;
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

void PlayView::DrawSellingView() const {
    const Menu& menu = game_.world().kitchen.menu;
    if (menu.empty()) return;
    for (int place = 0; place < game_.state().menu_max; ++place) {
        const int y = kTop + kPlaceHeight * place;
        graphics().DrawTexture(kBoardX, y, &textures().item_board);
        const MenuDish* dish = place < static_cast<int>(menu.size())
                                   ? menu[static_cast<std::size_t>(place)].get()
                                   : nullptr;
        if (!dish) {
            graphics().DrawText(kNameX, y + 10, "                 -", play_draw::kGreyColor,
                                &game_.stage().message_font(), play_draw::kLineFormat);
            continue;
        }
        std::uint32_t color = play_draw::kMessageColor;
        if (dish->sale_highlight != 0) {
            const std::uint8_t alpha = HighlightAlpha(dish->sale_highlight);
            const DEffect glow = play_draw::PictureEffect(kBoardX, y, alpha);
            graphics().DrawEffect(&glow, &textures().item_board_on);
            color = HighlightColor(alpha);
        }
        if (!dish->servable) color = play_draw::kGreyColor;
        play_draw::DrawName(
            graphics(), dish->name,
            {kNameX, y + 10, kNameX, y + kSplitFirstY, kNameX + kSplitRestIndent, y + kSplitRestY,
             textures().item_board.GetWidth() - 2 * (kNameX - kBoardX),
             &game_.stage().small_font()},
            color, &game_.stage().message_font());
    }
    if (game_.state().cooking_minutes > 0)
        graphics().DrawText(420, 230, "調理中", kBusyColor, &game_.stage().message_font(),
                            play_draw::kLineFormat);
}
