// Buying by quantity: the food shops sell catalogue entries into the pantry, the stock exchange
// sells shares into the bag. The player decides a row, enters how many, and pays.
#include <algorithm>
#include <cstdio>

#include "engine/framework/game_mediator.h"
#include "game/economy/item_table.h"
#include "game/economy/owned_items.h"
#include "game/economy/shares.h"
#include "game/food/food_def.h"
#include "game/rules/money.h"
#include "game/rules/pantry.h"
#include "game/screens/economy_lists.h"
#include "game/screens/list_input.h"
#include "game/screens/screen_input.h"
#include "game/screens/screen_row.h"

namespace {

using namespace economy_screens;

constexpr int kEntryTop = 85;
constexpr int kRowPitch = 32;

struct Goods {
    const char* name = nullptr;
    int price = 0;
};

// How the two shops differ: where the entry stands, what the cancel leaves, what a row is and
// where the bought goods go.
struct QuantityShop {
    int entry_x;
    // The food shop places the entry beside the row as shown; the stock exchange beside the row
    // as listed, whatever the first shown row.
    bool entry_beside_shown_row;
    bool cancel_rewinds_list;
    Goods (*goods)(CVemuComp& game, const MenuEntry& row);
    void (*deliver)(CVemuComp& game, const MenuEntry& row, int quantity);
};

Goods FoodGoods(CVemuComp& game, const MenuEntry& row) {
    const std::vector<FoodDef*>& goods = game.world().food_goods[game.world().goods_in_use];
    if (row.value < 0 || row.value >= static_cast<int>(goods.size())) return {};
    const FoodDef* def = goods[static_cast<std::size_t>(row.value)];
    return {def->name.c_str(), def->price};
}

void DeliverFood(CVemuComp& game, const MenuEntry& row, int quantity) {
    AddFood(game.world().kitchen,
            game.world().food_goods[game.world().goods_in_use][static_cast<std::size_t>(row.value)],
            static_cast<float>(quantity));
}

Goods ShareGoods(CVemuComp&, const MenuEntry& row) {
    if (row.value < 0 || row.value >= kShareCount) return {};
    const ItemRow* item = FindItemRow(ShareTable()[static_cast<std::size_t>(row.value)].company);
    if (!item) return {};
    return {item->name, item->price};
}

void DeliverShares(CVemuComp& game, const MenuEntry& row, int quantity) {
    GiveItem(game.state(), game.mediator().items(),
             ShareTable()[static_cast<std::size_t>(row.value)].company, quantity);
}

constexpr QuantityShop kFoodShop = {260, true, true, FoodGoods, DeliverFood};
constexpr QuantityShop kStockExchange = {280, false, false, ShareGoods, DeliverShares};

void Buy(CVemuComp& game, const QuantityShop& shop, int quantity) {
    const MenuEntry* row = RowAtCursor(game);
    const Goods goods = row ? shop.goods(game, *row) : Goods{};
    if (quantity <= 0 || !goods.name) {
        // Nothing bought: the goods again, rebuilt.
        game.screens().Replace(game.screens().id());
        return;
    }
    game.stage().Sound(kSoundBuy).Play(0, 0);
    AddMoney(game.state(), game.mediator().values(), -goods.price * quantity);
    shop.deliver(game, *row, quantity);
    char text[160];
    std::snprintf(text, sizeof text, "『%s』を %d ヶ買いました", goods.name, quantity);
    game.screens().Push(kScreenWaitForMessage);
    game.stage().ShowMessage(&game.screens().handles().message, text, true);
}

void AskQuantity(CVemuComp& game, const QuantityShop& shop) {
    const int top = game.stage().list_window().GetTop();
    // The list again, rebuilt on the same row: the money may have changed what is grey.
    game.screens().Replace(game.screens().id());
    const MenuEntry* row = RowAtCursor(game);
    const Goods goods = row ? shop.goods(game, *row) : Goods{};
    if (!goods.name) return;
    const int money = game.state().money;
    if (goods.price > money) {
        game.stage().ShowMessage(&game.screens().handles().message, "お金が足りません", false);
        return;
    }
    game.stage().list_window().Stop();
    const int shown_row = game.screens().cursor() - (shop.entry_beside_shown_row ? top : 0);
    CInputNumberEvent& entry = game.stage().number_entry();
    entry.SetTotal(goods.price, 1.0f, "クル");
    entry.Setup(shop.entry_x, kEntryTop + kRowPitch * shown_row, 0);
    // Goods given away still sell no more than the money would buy at one each.
    entry.SetRange(money / std::max(goods.price, 1), 0);
    entry.Start(&QuantityHandle(game));
    game.stage().ShowMessage(&game.screens().handles().message, "いくつ買いますか？", false);
}

void RunQuantityShop(CVemuComp& game, const QuantityShop& shop) {
    WaitHandle& quantity = QuantityHandle(game);
    if (quantity.state == WaitHandle::kWaiting) return;
    if (quantity.IsDone()) {
        quantity.Reset();
        Buy(game, shop, game.stage().number_entry().GetValue());
        return;
    }
    game.stage().RecallListCursor(&game.stage().list_window());
    // A grey row is one beyond the money: the player who decides it is told so.
    if (game.stage().list_window().DecideRefused())
        game.stage().ShowMessage(&game.screens().handles().message, "お金が足りません", false);
    if (ListCancelled(game)) {
        if (shop.cancel_rewinds_list) game.stage().list_window().SetTop(0);
        game.stage().list_window().Stop();
        game.screens().Pop();
        return;
    }
    if (game.screens().handles().list.IsDone()) AskQuantity(game, shop);
}

void FoodShopScreen(CVemuComp& game) { RunQuantityShop(game, kFoodShop); }
void StockExchangeScreen(CVemuComp& game) { RunQuantityShop(game, kStockExchange); }

}  // namespace

extern const ScreenRow kFoodShopScreen = {
    .id = kScreenFoodShop,
    .steps = kShowList | kMouse,
    .prompt = "何を買いますか？",
    .rows = BuildFoodShopGoods,
    .update = FoodShopScreen,
    .panel = ScreenPanel::kFoodGoods,
};
extern const ScreenRow kStockExchangeScreen = {
    .id = kScreenStockExchange,
    .steps = kShowList | kMouse,
    .prompt = "どの銘柄を買いますか？",
    .rows = BuildShareGoods,
    .update = StockExchangeScreen,
};
