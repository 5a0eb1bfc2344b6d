// The shopping street: which shop the player walks into, and what the four food shops have on
// their shelves.
#include <algorithm>
#include <array>

#include "game/food/food_def.h"
#include "game/food/ingredient_names.h"
#include "game/main/vemu_comp.h"
#include "game/screens/list_input.h"
#include "game/screens/screen_row.h"

namespace {

struct FoodShopRow {
    FoodShop shop;
    GoodsList goods_list;
};
// The first four rows of the shop list, in its order: 雑貨屋, 八百屋, 果物屋, 肉屋.
constexpr std::array<FoodShopRow, 4> kFoodShops = {{
    {FoodShop::kGrocer, kGoodsGrocer},
    {FoodShop::kGreengrocer, kGoodsGreengrocer},
    {FoodShop::kFruiterer, kGoodsFruiterer},
    {FoodShop::kButcher, kGoodsButcher},
}};
enum ShopRow : int { kToolShopRow = 4, kPawnShopRow = 5, kStockExchangeRow = 6 };

// The tool shop sells these item lists, one after the other.
constexpr GoodsList kToolShopLists[] = {kGoodsToolShopItems, kGoodsWear};

// The shops of the shopping street; the stock exchange joins them once the first share is held.
const char* const kShops[] = {"雑貨屋", "八百屋", "果物屋", "肉屋", "道具屋", "質屋", "証券取引所"};
constexpr int kShopsWithoutExchange = 6;
constexpr int kShopRows = 8;

bool ShowShopList(CVemuComp& game) {
    const int shops =
        game.state().share_flags[0] ? kShopsWithoutExchange + 1 : kShopsWithoutExchange;
    const char* labels[kShopsWithoutExchange + 2] = {};
    std::copy(kShops, kShops + shops, labels);
    game.StartSelect(&game.screens().handles().list, CShopEvent::kListX, CShopEvent::kListY,
                     &game.screens().cursor(), labels, kShopRows);
    return true;
}

void ShopListScreen(CVemuComp& game) {
    game.stage().RecallListCursor(&game.select_window());
    if (ListCancelled(game)) {
        game.screens().Pop();
        return;
    }
    if (!game.screens().handles().list.IsDone()) return;
    const int row = game.screens().cursor();
    if (row >= 0 && row < static_cast<int>(kFoodShops.size())) {
        const FoodShopRow& shop = kFoodShops[static_cast<std::size_t>(row)];
        // What the shop stocks grows with what the player has mastered of its part of the
        // ingredient table.
        std::vector<FoodDef*>& goods = game.world().food_goods[shop.goods_list];
        goods.clear();
        for (const char* name : ShopIngredientNames(shop.shop))
            if (FoodDef* def = FindFoodDef(name); def && def->mastered) goods.push_back(def);
        game.world().goods_in_use = shop.goods_list;
        game.screens().Push(kScreenFoodShop);
    } else if (row == kToolShopRow) {
        std::vector<CItem*>& goods = game.world().item_goods[kGoodsToolShopOpen];
        goods.clear();
        for (int list : kToolShopLists)
            goods.insert(goods.end(), game.world().item_goods[list].begin(),
                         game.world().item_goods[list].end());
        game.world().goods_in_use = kGoodsToolShopOpen;
        game.screens().Push(kScreenToolShop);
    } else if (row == kPawnShopRow) {
        game.screens().Push(kScreenPawnShop);
    } else if (row == kStockExchangeRow) {
        game.screens().Push(kScreenStockExchange);
    }
}

}  // namespace

extern const ScreenRow kShopListScreen = {
    .id = kScreenShopList,
    .steps = kStopListWaiters,
    .prompt = "どの店に行きますか？",
    .show = ShowShopList,
    .update = ShopListScreen,
};
