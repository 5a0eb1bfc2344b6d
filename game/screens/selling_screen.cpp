// Selling: while the shop is open, every frame is five minutes in which a customer may come in
// and order a dish of the menu, once or a few times over.
#include <string>

#include "engine/common/system.h"
#include "engine/framework/game_mediator.h"
#include "engine/input/direct_input.h"
#include "game/cooking/dish_value.h"
#include "game/economy/customers.h"
#include "game/economy/sale.h"
#include "game/main/game_clock.h"
#include "game/rules/serving.h"
#include "game/rules/shop_rank.h"
#include "game/rules/stamina.h"
#include "game/screens/list_input.h"
#include "game/screens/screen_input.h"
#include "game/screens/screen_row.h"

namespace {

using namespace economy_screens;

constexpr int kFrameMinutes = 5;
constexpr float kSellingFatigue = 0.1f;
// A customer orders again while the count stays below a new throw of a die.
constexpr int kOrderDie = 6;
constexpr int kHighlightFrames = 25;

void SellingScreen(CVemuComp& game) {
    if (!IsShopOpen(game.state().clock)) {
        game.screens().play().shown_cooking_method = 0;
        if (game.screens().handles().message.state != WaitHandle::kWaiting) {
            game.screens().Pop();
            game.screens().ShowNotice("閉店時間になりました");
        }
        return;
    }
    if (ListCancelled(game) || ButtonPressed(game, kButtonDecide)) {
        game.screens().Pop();
        return;
    }
    ApplyFatigue(game.state(), kSellingFatigue);

    Menu& menu = game.world().kitchen.menu;
    if (game.state().cooking_minutes == 0 && !game.world().kitchen.pantry().empty() &&
        !menu.empty()) {
        const int chance = CustomerChance(
            game.state(),
            RestaurantRank(game.state(), game.world().kitchen, DishScoreMeasure(game.state())));
        MenuDish& dish = *menu[static_cast<unsigned>(Rand()) % menu.size()];
        int sold = 0;
        while (dish.servable && Rand() % 100 < chance && Chance(DishAppeal(game.state(), dish))) {
            // A dish that could not be served after all is neither paid nor counted.
            if (!ServeToCustomer(game.state(), game.world().kitchen, dish)) break;
            ++sold;
            if (sold >= Rand() % kOrderDie + 1) break;
        }
        if (sold > 0) {
            game.stage().Sound(kSoundGet).Play(0, 0);
            const std::string told = BookSale(game.state(), game.mediator().values(), dish, sold,
                                              DishValueMeasure(game.state()));
            game.screens().play().shown_cooking_method = dish.method_code;
            game.SetCloseWhenDone(true);
            game.ShowOrAppendMessage(&game.screens().handles().message, told.c_str(),
                                     Stage::kMessageColor, &game.stage().message_font());
        }
    }

    PassMinutes(game, kFrameMinutes);
    if (game.state().cooking_minutes > 0) {
        game.state().cooking_minutes -= kFrameMinutes;
        // The work is done only once the minutes run out past it; at exactly 0 the heroine
        // still shows it.
        if (game.state().cooking_minutes < 0) {
            game.state().cooking_minutes = 0;
            game.screens().play().shown_cooking_method = 0;
        }
    }
    for (const std::unique_ptr<MenuDish>& menu_dish : menu)
        if (menu_dish->sale_highlight != 0 && ++menu_dish->sale_highlight > kHighlightFrames)
            menu_dish->sale_highlight = 0;
    game.ScheduleStoryIfTimePassed();
}

bool PrepareSelling(CVemuComp& game, std::string& /*prompt*/) {
    UpdateMenuAvailability(game.state(), game.world().kitchen);
    return true;
}

// Without a dish to serve the shop does not open: a notice says why.
bool ShowSelling(CVemuComp& game) {
    if (game.world().kitchen.menu.empty())
        game.screens().OpenNotice("メニューがありません");
    else if (!AnyServableDish(game.world().kitchen))
        game.screens().OpenNotice("材料がなくなりました");
    return false;
}

}  // namespace

// Selling speaks only of what sells: the main commands' question is not left in the window.
extern const ScreenRow kSellingScreen = {
    .id = kScreenSelling,
    .steps = kStopMessageWaiters | kCloseMessage,
    .prepare = PrepareSelling,
    .show = ShowSelling,
    .update = SellingScreen,
    .panel = ScreenPanel::kSelling,
};
