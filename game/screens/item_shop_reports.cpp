// The tool shop and the pawn shop: once the shop window has ended, what was bought or sold is
// settled and reported.
#include <climits>
#include <cmath>
#include <cstdio>

#include "engine/framework/game_mediator.h"
#include "game/economy/owned_items.h"
#include "game/main/vemu_comp.h"
#include "game/rules/money.h"
#include "game/screens/screen_row.h"

namespace {

// The pawn shop pays half the price.
constexpr double kSellFactor = 0.5;

int ClampToInt(double value) {
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

// The goods and the quantity of a deal once the shop window has ended; null while it runs, and
// after a deal of nothing (the screen is popped then).
CItem* FinishedDeal(CVemuComp& game, int& quantity) {
    if (!game.screens().handles().list.IsDone()) return nullptr;
    CItem* item = game.stage().shop_window().GetSelectedItem();
    quantity = game.stage().shop_window().GetResultQuantity();
    if (quantity > 0 && item) return item;
    game.screens().Pop();
    return nullptr;
}

void ToolShopScreen(CVemuComp& game) {
    // A grey row is one beyond the money: the player who decides it is told so.
    if (game.stage().shop_window().list().DecideRefused())
        game.stage().ShowMessage(&game.screens().handles().message, "お金が足りません", false);
    int quantity = 0;
    CItem* item = FinishedDeal(game, quantity);
    if (!item) return;
    game.stage().sounds().effects[kSoundBuy].Play(0, 0);
    AddMoney(game.state(), game.mediator().values(),
             ClampToInt(-static_cast<double>(item->price) * quantity));
    // The name first: giving the item may make the shop's record the bag's.
    char text[160];
    std::snprintf(text, sizeof text, "『%s』を %d ヶ買いました", item->GetName(), quantity);
    GiveItem(game.state(), game.mediator().items(), item->GetName(), quantity);
    game.screens().Push(kScreenWaitForMessage);
    game.stage().ShowMessage(&game.screens().handles().message, text, true);
}

void PawnShopScreen(CVemuComp& game) {
    int quantity = 0;
    CItem* item = FinishedDeal(game, quantity);
    if (!item) return;
    char text[160];
    std::snprintf(text, sizeof text, "『%s』を %d ヶ売りました", item->GetName(), quantity);
    const double proceeds = std::trunc(static_cast<double>(item->price) * quantity * kSellFactor);
    // Only what actually leaves the bag is paid for.
    if (!RemoveOwnedItem(game.state(), game.mediator().items(), *item, quantity)) {
        game.screens().Pop();
        return;
    }
    game.stage().sounds().effects[kSoundBuy].Play(0, 0);
    AddMoney(game.state(), game.mediator().values(), ClampToInt(proceeds));
    game.screens().Push(kScreenWaitForMessage);
    game.stage().ShowMessage(&game.screens().handles().message, text, true);
}

constexpr int kShopRows = 8;

bool ShowToolShop(CVemuComp& game) {
    game.stage().shop_window().BuildBuyList(
        false, 1.0f, &game.world().item_goods[game.world().goods_in_use], &game.screens().cursor(),
        kShopRows, game.state().money);
    game.stage().shop_window().Start(&game.screens().handles().list);
    return true;
}

// Nothing to sell: the notice instead of the shop.
bool PreparePawnShop(CVemuComp& game, std::string& /*prompt*/) {
    if (game.mediator().items().GetSize() != 0) return true;
    game.screens().OpenNotice("所持品がありません");
    return false;
}

bool ShowPawnShop(CVemuComp& game) {
    game.stage().shop_window().BuildSellList(static_cast<float>(kSellFactor),
                                             &game.screens().cursor(), kShopRows);
    game.stage().shop_window().Start(&game.screens().handles().list);
    return true;
}

}  // namespace

extern const ScreenRow kToolShopScreen = {
    .id = kScreenToolShop,
    .prompt = "何を買いますか？",
    .show = ShowToolShop,
    .update = ToolShopScreen,
    .panel = ScreenPanel::kToolGoods,
};
extern const ScreenRow kPawnShopScreen = {
    .id = kScreenPawnShop,
    .prompt = "何を売りますか？",
    .prepare = PreparePawnShop,
    .show = ShowPawnShop,
    .update = PawnShopScreen,
    .panel = ScreenPanel::kPawnItem,
};
