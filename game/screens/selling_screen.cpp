// Selling: while the shop is open, every frame is five minutes in which a customer may come in
// and order a dish of the menu, once or a few times over.
#include <string>

#include "engine/common/system.h"
#include "engine/framework/game_mediator.h"
#include "engine/input/direct_input.h"
#include "game/economy/customers.h"
#include "game/rules/sale.h"
#include "game/screens/screen_input.h"

namespace {

using namespace economy_screens;

constexpr int kFrameMinutes = 5;
constexpr float kSellingFatigue = 0.1f;
// A customer orders again while the count stays below a new throw of a die.
constexpr int kOrderDie = 6;
constexpr int kHighlightFrames = 25;

}  // namespace

void CVemuComp::SellingScreen() {
    if (!IsShopOpen(state_.clock)) {
        shown_cooking_method_ = 0;
        if (handles_.message.state != WaitHandle::kWaiting) {
            PopScreen();
            ShowNotice("閉店時間になりました");
        }
        return;
    }
    if (ListCancelled() || ButtonPressed(kButtonDecide)) {
        PopScreen();
        return;
    }
    ApplyFatigue(kSellingFatigue);

    Menu& menu = kitchen_.menu;
    if (state_.cooking_minutes == 0 && !kitchen_.pantry().empty() && !menu.empty()) {
        const int chance = CustomerChance(state_, RestaurantRank());
        MenuDish& dish = *menu[static_cast<unsigned>(Rand()) % menu.size()];
        int sold = 0;
        while (dish.servable && Rand() % 100 < chance && Chance(DishAppeal(dish))) {
            // A dish that could not be served after all is neither paid nor counted.
            if (!ServeToCustomer(state_, kitchen_, dish)) break;
            ++sold;
            if (sold >= Rand() % kOrderDie + 1) break;
        }
        if (sold > 0) {
            Sound(kSoundGet).Play(0, 0);
            const std::string told =
                BookSale(state_, mediator_->values(), dish, sold,
                         [this](const Food& food) { return DishValuePercent(food); });
            shown_cooking_method_ = dish.method_code;
            SetCloseWhenDone(true);
            ShowOrAppendMessage(&handles_.message, told.c_str(), kMessageColor, &font16_);
        }
    }

    AddMinutes(kFrameMinutes);
    if (state_.cooking_minutes > 0) {
        state_.cooking_minutes -= kFrameMinutes;
        // The work is done only once the minutes run out past it; at exactly 0 the heroine
        // still shows it.
        if (state_.cooking_minutes < 0) {
            state_.cooking_minutes = 0;
            shown_cooking_method_ = 0;
        }
    }
    for (const std::unique_ptr<MenuDish>& menu_dish : menu)
        if (menu_dish->sale_highlight != 0 && ++menu_dish->sale_highlight > kHighlightFrames)
            menu_dish->sale_highlight = 0;
    ScheduleStoryIfTimePassed();
}
